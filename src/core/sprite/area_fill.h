#pragma once

#include "core/sprite/cell_grid.h"

#include <QRect>

#include <cstdint>

namespace tav {

// Fills the 4-connected area of cells sharing the colour index of cell
// (x, y), inside the first width columns and height rows (the declared
// sprite size), with the given index. Returns the rectangle of columns and
// rows that changed: empty when the cell lies outside that size or already
// has the index.
QRect fillArea(CellGrid &cells, int x, int y, std::uint8_t index, int width, int height);

} // namespace tav
