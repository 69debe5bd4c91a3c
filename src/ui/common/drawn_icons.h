#pragma once

#include <QIcon>

#include <functional>

class QPainter;

namespace tav {

// A 24 x 24 icon drawn by `draw`, with a faded form for a disabled button.
QIcon drawnIcon(const std::function<void(QPainter &)> &draw);

// The undo arrow of every window, and the same mirrored for redo.
QIcon undoIcon();
QIcon redoIcon();

} // namespace tav
