#include "core/sprite/area_fill.h"

#include <algorithm>
#include <array>

namespace tav {

QRect fillArea(CellGrid &cells, int x, int y, std::uint8_t index, int width, int height)
{
    width = std::clamp(width, 0, CellGrid::kSide);
    height = std::clamp(height, 0, CellGrid::kSide);
    if (x < 0 || y < 0 || x >= width || y >= height)
        return {};
    const std::uint8_t old = cells.at(x, y);
    if (old == index)
        return {};

    // Each cell is pushed once: it takes the new index as it is pushed, so
    // it no longer matches the old one.
    std::array<std::uint16_t, CellGrid::kCells> pending{};
    int count = 0;
    int left = x, right = x, top = y, bottom = y;
    const auto take = [&](int cx, int cy) {
        if (cx < 0 || cy < 0 || cx >= width || cy >= height || cells.at(cx, cy) != old)
            return;
        cells.set(cx, cy, index);
        pending[static_cast<std::size_t>(count++)] = static_cast<std::uint16_t>(cy * CellGrid::kSide + cx);
        left = std::min(left, cx);
        right = std::max(right, cx);
        top = std::min(top, cy);
        bottom = std::max(bottom, cy);
    };
    take(x, y);
    while (count > 0) {
        const int at = pending[static_cast<std::size_t>(--count)];
        const int cx = at % CellGrid::kSide;
        const int cy = at / CellGrid::kSide;
        take(cx - 1, cy);
        take(cx + 1, cy);
        take(cx, cy - 1);
        take(cx, cy + 1);
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace tav
