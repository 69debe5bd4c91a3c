#pragma once

#include <algorithm>
#include <cmath>

namespace tav {

// The speed of the scrapboard's animation viewer in frames per second: 1 to
// 30, starting at one frame every 100 ms.
namespace AnimationSpeed {
constexpr int kSlowest = 1;
constexpr int kFastest = 30;
constexpr int kStart = 10;

// The timer's interval in milliseconds for a speed, rounded to the nearest.
inline int interval(int framesPerSecond)
{
    const int fps = std::clamp(framesPerSecond, kSlowest, kFastest);
    return static_cast<int>(std::lround(1000.0 / fps));
}
} // namespace AnimationSpeed

} // namespace tav
