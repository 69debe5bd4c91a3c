#include "ui/sprite/editor_shortcuts.h"

#include "ui/common/button_shortcuts.h"

namespace tav {

void addEditorShortcuts(QWidget *editor)
{
    addButtonShortcuts(editor, {
                                   {"Ctrl+Z", "UndoButton"},
                                   {"Ctrl+Y", "RedoButton"},
                                   {"Ctrl+Shift+Z", "RedoButton"},
                                   {"Ctrl+S", "Command2"},
                                   {"Ctrl+Shift+S", "Command3"},
                                   {"Ctrl+O", "Command1"},
                                   {"Ctrl+C", "Command6"},
                                   {"Ctrl+X", "Command5"},
                                   {"Ctrl+V", "Command8"},
                               });
}

} // namespace tav
