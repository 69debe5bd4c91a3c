#pragma once

#include "core/app/window_placement.h"

#include <QPoint>
#include <QRect>
#include <QString>

#include <optional>

class QWidget;

namespace tav {

// The window's outer rectangle, frame included. A window the window manager
// has not framed yet is given the frame that a window like it on screen has
// (one the user can resize or not, as it), else the frame of `framed` (a
// window on screen), so it can be placed before it is first shown.
QRect outerGeometry(const QWidget *window, const QWidget *framed = nullptr);

// Once the window manager has framed a window just placed, moves it back on
// the area where the frame it was placed with was a guess and it stands over
// an edge.
void keepOnAreaOnceFramed(QWidget *window);

// A part of a window given its outer rectangle: the part's rectangle
// relative to the window's outer top-left corner.
QRect partOfWindow(const QWidget *part, const QRect &outer);

// Gives a window not shown yet the size its first showing gives it, so it can
// be placed before.
void takeShownSize(QWidget *window);

// The width a window needs for its caption to read whole in a title bar
// that also holds the window manager's icon and three buttons.
int captionWidth(const QWidget *window);

// The shown top-level window with this object name (the launch window
// "Form1"), or nullptr.
const QWidget *shownWindow(const QString &objectName);

// The area of the screen the window is on (or the primary screen) that
// windows may use.
QRect availableArea(const QWidget *window);

// Marks a part of a window that other windows keep off when they are first
// placed: first of all the sprite canvas (`keepUncovered`), then, like the
// windows owned by another, the sprite editor's sizes and file commands
// (`keepInView`).
void keepUncovered(QWidget *part);
void keepInView(QWidget *part);

// The launch window, the parts kept uncovered and every other window on the
// screen, as a window about to be placed (`placing`) sees them.
ScreenWindows screenWindows(const QWidget *placing);

// Gives a window that is not shown yet its first place: its size made wide
// enough for its caption and cut to fit the available area, its position on that area clear of the launch window,
// off the sprite canvas and over as little of the other windows as it can,
// nearest `preferred` (the area's top-left corner when not given).
void placeNewWindow(QWidget *window, std::optional<QPoint> preferred = std::nullopt);

} // namespace tav
