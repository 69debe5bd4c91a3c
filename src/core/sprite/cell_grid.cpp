#include "core/sprite/cell_grid.h"

namespace tav {

SpriteImage CellGrid::toImage(int width, int height) const
{
    SpriteImage image;
    image.setWidth(width);
    image.setHeight(height);
    for (int x = 0; x < kSide; ++x)
        for (int y = 0; y < kSide; ++y)
            image.setCell(x, y, at(x, y));
    return image;
}

CellGrid CellGrid::fromImage(const SpriteImage &image)
{
    CellGrid grid;
    for (int x = 0; x < kSide; ++x)
        for (int y = 0; y < kSide; ++y)
            grid.set(x, y, image.cell(x, y));
    return grid;
}

} // namespace tav
