#include "ui/common/button_shortcuts.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace tav {

void addButtonShortcuts(QWidget *window, std::initializer_list<ButtonShortcut> shortcuts)
{
    for (const ButtonShortcut &entry : shortcuts) {
        auto *button = window->findChild<QAbstractButton *>(QLatin1String(entry.button));
        if (!button)
            continue;
        auto *shortcut = new QShortcut(QKeySequence(QLatin1String(entry.keys)), window);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, button, [button] {
            if (button->isEnabled())
                button->click();
        });
    }
}

} // namespace tav
