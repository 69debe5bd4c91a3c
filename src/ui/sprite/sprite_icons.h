#pragma once

#include <QCursor>
#include <QIcon>

namespace tav {

// The sprite editor's pictures, drawn by the program itself.
QIcon undoIcon();
QIcon cutIcon();
QIcon copyIcon();
QIcon deleteIcon();
QIcon pasteIcon();
// The canvas pointer while "grab color" is chosen: a pipette.
QCursor grabColourCursor();

} // namespace tav
