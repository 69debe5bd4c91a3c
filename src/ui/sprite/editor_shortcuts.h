#pragma once

class QWidget;

namespace tav {

// The sprite editor's keyboard commands: Ctrl+Z undo, Ctrl+Y and
// Ctrl+Shift+Z redo, Ctrl+S save, Ctrl+Shift+S save as, Ctrl+O load and
// Ctrl+C, Ctrl+X, Ctrl+V copy, cut and paste. Each clicks its button, so it
// does exactly what the button does, and only while the button is enabled.
// They work while the editor or one of its companion tool windows (palette,
// scrapboard) is active; a focused text box keeps its own editing keys.
void addEditorShortcuts(QWidget *editor);

} // namespace tav
