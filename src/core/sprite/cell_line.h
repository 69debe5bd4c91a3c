#pragma once

#include <QList>
#include <QPoint>

namespace tav {

// The cells of the straight line from one cell to another, both included,
// in order from the first: a Bresenham line, so every step moves to one of
// the eight neighbours and a diagonal holds exactly its diagonal cells.
QList<QPoint> cellLine(QPoint from, QPoint to);

} // namespace tav
