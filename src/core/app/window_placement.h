#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

namespace tav {

// All rectangles are outer window rectangles (frame included) in screen
// pixels; `available` is the screen area that windows may use.

// Pixels between windows placed beside each other.
constexpr int kWindowGap = 8;

// What is on the screen when a window is placed.
struct ScreenWindows {
    QRect launch;               // the launch window; empty while it is not shown
    QList<QRect> keptUncovered; // parts of windows that no other window covers: the sprite canvas
    QList<QRect> keptInView;    // what goes with them: the sprite palette, scrapboard, size boxes, file commands
    QList<QRect> shown;         // the other windows shown
};

// The first position of a window of the given outer size: fully on the area
// and clear of the launch window; never over a part kept uncovered where a
// clear place exists, else over the least of it; then over the least of what
// is kept in view, then of the other windows shown; ties go to the place
// nearest `preferred` (the area's top-left corner when not given).
// `ownUncovered` are the window's own parts kept uncovered, relative to its
// top-left corner: they keep off the windows shown in the same way. Where no
// place is clear of the launch window, the window covers the least of it.
QPoint firstWindowPosition(const QRect &available, const ScreenWindows &screen, QSize size,
                           const QList<QRect> &ownUncovered = {}, std::optional<QPoint> preferred = std::nullopt);

// The sprite editor and its companions: the palette and the scrapboard
// (folded in, and as wide as its animation viewer makes it when unfolded).
// Parts are relative to the editor's top-left corner.
struct SpriteWindows {
    QSize editor;
    QRect canvas;
    QList<QRect> keptClear; // the canvas, the size boxes and the file commands
    QSize palette;
    QSize scrapboard;
    QSize scrapboardUnfolded;
};

// The sprite editor's first position, as firstWindowPosition places a
// window, with room on its right for its palette and scrapboard where the
// area has it: first for the unfolded viewer, then for the folded one, else
// the editor alone.
QPoint firstEditorPosition(const QRect &available, const ScreenWindows &screen, const SpriteWindows &sprite);

struct CompanionPlacement {
    QPoint palette;
    QPoint scrapboard; // folded in
};

// Puts the palette and the scrapboard beside the editor, never over it, in
// the first of these arrangements that lies on the area, clear of the launch
// window: a column right of the editor (palette above), a column right of
// it (scrapboard above), the palette right of it and the scrapboard below,
// a column on its left (either way round), both below it. Of those, the
// first where the unfolded scrapboard grows in its place clear of the editor
// wins, else the first where it unfolds clear of the editor elsewhere, else
// the one where it unfolds over the least of the editor and none of the
// parts kept clear.
//
// Where they cannot stand apart (a 1024 x 768 screen) they keep off the
// canvas, the size boxes and the file commands and cover the editor as
// little as they can: the palette at the area's right edge level with the
// editor's top, over the editor's right-hand controls; the scrapboard as low
// as the area goes.
CompanionPlacement placeCompanions(const QRect &available, const QRect &launch, QPoint editor,
                                   const SpriteWindows &sprite);

// Where the scrapboard, now at `scrapboard` with its viewer folded in,
// stands when the viewer unfolds: on the area, clear of the launch window
// and the palette, over none of the editor's parts kept clear; clear of the
// editor where it can be, else over as little of it as it can (the
// right-hand controls); ties nearest where it is.
QPoint unfoldedScrapboardPosition(const QRect &available, const QRect &launch, QPoint editor,
                                  const SpriteWindows &sprite, const QRect &palette, QPoint scrapboard);

} // namespace tav
