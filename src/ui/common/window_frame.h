#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

class QWidget;

namespace tav {

// The window's outer rectangle, frame included. A window the window manager
// has not framed yet is given the frame that `framed` (a window on screen)
// has, so it can be placed before it is first shown.
QRect outerGeometry(const QWidget *window, const QWidget *framed = nullptr);

// The shown top-level window with this object name (the launch window
// "Form1"), or nullptr.
const QWidget *shownWindow(const QString &objectName);

// The area of the screen the window is on (or the primary screen) that
// windows may use.
QRect availableArea(const QWidget *window);

// Gives a window that is not shown yet its first place: its size cut to fit
// the available area, its position on that area clear of the launch window
// and not on top of another shown window.
void placeNewWindow(QWidget *window);

} // namespace tav
