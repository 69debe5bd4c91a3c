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

// Puts palette and scrapboard beside the editor, never over it, in the
// first of these arrangements that lies on the area, clear of the launch
// window: one above the other to the right of the editor, else to its left,
// else on its right with the editor moved left just enough; else the palette
// right of the editor (moved left if need be) and the scrapboard below it,
// else both side by side below it. Each is tried first with room for the
// scrapboard's unfolded viewer, then at its folded width (on a screen of
// 1280 pixels the viewer then unfolds past the screen's edge).
//
// Where they cannot stand apart (a 1024 x 768 screen), they keep off the
// editor's canvas (`canvas`, relative to the editor's top-left corner; the
// whole editor when empty) and cover the editor from its right-hand end,
// where its controls are: the palette stands at the area's right edge level
// with the editor's top, over the top of the editor's right-hand column (the
// drawing colours, the editing functions, the flip buttons), which matter
// least while the palette is in use; the scrapboard stands as low as the area
// goes in the blank strip below the canvas, else below the palette. The
// drawing modes, the sizes, the file commands and the launch window stay in
// view where the area allows.
CompanionPlacement placeCompanions(const QRect &available, const QRect &launchWindow, const QRect &editor,
                                   QSize palette, QSize scrapboard, int scrapboardRoom, const QRect &canvas = QRect());

} // namespace tav
