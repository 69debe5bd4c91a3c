#include "core/sprite/film_strip.h"

#include <algorithm>
#include <cmath>

namespace tav {

void FilmStrip::scrollTo(int selected)
{
    if (selected < 0 || selected >= kFrames)
        return;
    while (position(selected) >= m_visible)
        ++m_first;
    while (position(selected) < 0)
        --m_first;
}

int FilmStrip::framesForWidth(double stripWidth, double frameWidth)
{
    if (!(frameWidth > 0) || !std::isfinite(stripWidth))
        return kMinVisible;
    const double frames = std::floor(stripWidth / frameWidth + 0.5);
    return static_cast<int>(std::clamp(frames, double(kMinVisible), double(kMaxVisible)));
}

void FilmStrip::setVisibleFrames(int frames, int selected)
{
    m_visible = std::clamp(frames, kMinVisible, kMaxVisible);
    while (position(kFrames - 1) < m_visible - 1)
        --m_first;
    scrollTo(selected);
}

} // namespace tav
