#pragma once

namespace tav {

// The canvas `Picture1` is laid out in twips: every cell is one `Matrix`
// template wide and high.
constexpr int kCellTwips = 180;
constexpr int kCanvasTwips = 7215;
// The grid's far edge, where the border lines start and end.
constexpr int kGridTwips = 40 * kCellTwips;

// Half a cell the way the editor measures it: rnd(v) divided by 2, remainder dropped.
long long halfCell(double cellTwips);

// The column (or row) under a pointer position in twips: the cell whose
// centre is nearest, halves going to the even cell, clamped to 0-39.
int cellUnderPointer(double positionTwips, double cellTwips = kCellTwips);

} // namespace tav
