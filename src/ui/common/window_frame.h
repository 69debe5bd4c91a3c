#pragma once

#include <QRect>

class QWidget;

namespace tav {

// The window's outer rectangle, frame included. A window the window manager
// has not framed yet is given the frame that `framed` (a window on screen)
// has, so it can be placed before it is first shown.
QRect outerGeometry(const QWidget *window, const QWidget *framed = nullptr);

// The area of the screen the window is on (or the primary screen) that
// windows may use.
QRect availableArea(const QWidget *window);

} // namespace tav
