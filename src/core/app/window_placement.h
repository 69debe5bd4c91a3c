#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace tav {

// All rectangles are outer window rectangles (frame included) in screen
// pixels; `available` is the screen area that windows may use.

// Pixels between windows placed beside each other, and the cascade step.
constexpr int kWindowGap = 8;
constexpr int kCascadeStep = 28;

// The first position of a tool window of the given outer size: fully inside
// the available area, clear of the launch window, and not exactly on top of
// a window already placed (windows cascade from the top-left corner). When
// no such position exists, the window stays inside the area as far as its
// size allows, clear of the launch window if it can be.
QPoint firstWindowPosition(const QRect &available, const QRect &launchWindow, const QList<QRect> &placed,
                           QSize size);

// Where the sprite editor's palette and scrapboard go: beside the editor,
// never over it. `scrapboardRoom` is the widest the scrapboard gets with its
// animation viewer folded out, so it unfolds without covering the editor.
struct CompanionPlacement {
    QPoint editor;     // the editor's (possibly moved) position
    QPoint palette;
    QPoint scrapboard; // position of the scrapboard at its current width
    // The scrapboard grows leftwards (it lies left of the editor): it keeps
    // its right edge when it widens.
    bool scrapboardGrowsLeft = false;
};

// Puts palette and scrapboard, one above the other, to the right of the
// editor when they fit, else to its left, else moves the editor left just
// enough for them to fit on its right; else the palette goes right of the
// editor (moved left if need be) and the scrapboard below it, else both side
// by side below it. Each
// arrangement must lie on the area, clear of the launch window. When none
// does, they go to the right, kept on the area.
CompanionPlacement placeCompanions(const QRect &available, const QRect &launchWindow, const QRect &editor,
                                   QSize palette, QSize scrapboard, int scrapboardRoom);

} // namespace tav
