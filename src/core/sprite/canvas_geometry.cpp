#include "core/sprite/canvas_geometry.h"

#include "core/common/number_field.h"

#include <algorithm>

namespace tav {

long long halfCell(double cellTwips)
{
    return rnd(cellTwips) / 2;
}

int cellUnderPointer(double positionTwips, double cellTwips)
{
    const long long cell = rnd((positionTwips - static_cast<double>(halfCell(cellTwips))) / cellTwips);
    return static_cast<int>(std::clamp<long long>(cell, 0, 39));
}

} // namespace tav
