#pragma once

#include <QString>

namespace tav {

// A person's animation frames that an idle sound can be tied to: 0 to 12.
inline constexpr int kFirstAnimationFrame = 0;
inline constexpr int kLastAnimationFrame = 12;

// "standing around" for frame 0 ... "idle animation 2 f" for frame 12; empty
// for any other number.
QString animationFrameName(int frame);

} // namespace tav
