#include "core/definitions/animation_frames.h"

namespace tav {

QString animationFrameName(int frame)
{
    static const char *const names[] = {
        "standing around",    "speaking a",         "speaking b",         "speaking c",         "idle animation 1 a",
        "idle animation 1 b", "idle animation 1 c", "idle animation 2 a", "idle animation 2 b", "idle animation 2 c",
        "idle animation 2 d", "idle animation 2 e", "idle animation 2 f",
    };
    static_assert(std::size(names) == kLastAnimationFrame - kFirstAnimationFrame + 1);
    if (frame < kFirstAnimationFrame || frame > kLastAnimationFrame)
        return {};
    return QString::fromLatin1(names[frame - kFirstAnimationFrame]);
}

} // namespace tav
