#pragma once

#include "ui/common/drawn_icons.h"

#include <QCursor>
#include <QIcon>

namespace tav {

// The sprite editor's pictures, drawn by the program itself (undo and redo
// are in ui/common/drawn_icons.h).
QIcon cutIcon();
QIcon copyIcon();
QIcon deleteIcon();
QIcon pasteIcon();
// Frames side by side above an arrow: the scrapboard's strip goes out as an image.
QIcon exportStripIcon();
// A magnifying glass: the animation viewer's "magnify" toggle.
QIcon magnifyIcon();
// The canvas pointer while "grab color" is chosen: a pipette.
QCursor grabColourCursor();

} // namespace tav
