#include "ui/sprite/editor_shortcuts.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace tav {

void addEditorShortcuts(QWidget *editor)
{
    struct Command {
        const char *keys;
        const char *button;
    };
    static const Command commands[] = {
        {"Ctrl+Z", "UndoButton"}, {"Ctrl+Y", "RedoButton"},     {"Ctrl+Shift+Z", "RedoButton"},
        {"Ctrl+S", "Command2"},   {"Ctrl+Shift+S", "Command3"}, {"Ctrl+O", "Command1"},
        {"Ctrl+C", "Command6"},   {"Ctrl+X", "Command5"},       {"Ctrl+V", "Command8"},
    };
    for (const Command &command : commands) {
        auto *button = editor->findChild<QAbstractButton *>(QLatin1String(command.button));
        if (!button)
            continue;
        // A window shortcut of the editor also answers while one of its tool
        // windows is the active window.
        auto *shortcut = new QShortcut(QKeySequence(QLatin1String(command.keys)), editor);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, button, [button] {
            if (button->isEnabled())
                button->click();
        });
    }
}

} // namespace tav
