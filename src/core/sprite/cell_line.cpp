#include "core/sprite/cell_line.h"

#include <algorithm>
#include <cstdlib>

namespace tav {

QList<QPoint> cellLine(QPoint from, QPoint to)
{
    const int dx = std::abs(to.x() - from.x());
    const int dy = -std::abs(to.y() - from.y());
    const int stepX = from.x() < to.x() ? 1 : -1;
    const int stepY = from.y() < to.y() ? 1 : -1;
    QList<QPoint> cells;
    cells.reserve(std::max(dx, -dy) + 1);
    int x = from.x();
    int y = from.y();
    int error = dx + dy;
    for (;;) {
        cells.append(QPoint(x, y));
        if (x == to.x() && y == to.y())
            break;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += stepX;
        }
        if (twice <= dx) {
            error += dx;
            y += stepY;
        }
    }
    return cells;
}

} // namespace tav
