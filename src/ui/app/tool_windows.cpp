#include "ui/app/tool_windows.h"

#include "ui/app/about_window.h"
#include "ui/app/launch_window.h"
#include "ui/automap/map_overview.h"
#include "ui/definitions/definition_parameters.h"
#include "ui/enemy/enemy_editor.h"
#include "ui/macro/macro_editor.h"
#include "ui/savegame/savegame_editor.h"
#include "ui/sprite/sprite_editor.h"

#include <QDialog>

namespace tav {

ToolWindows::ToolWindows(GameFolder folder, Factory factory)
    : m_folder(std::move(folder))
    , m_factory(factory ? std::move(factory) : Factory(&ToolWindows::createStandardWindow))
{
}

ToolWindows::~ToolWindows()
{
    destroyAll();
}

QWidget *ToolWindows::createStandardWindow(ToolWindow id, ToolWindows &windows)
{
    const GameFolder &folder = windows.folder();
    switch (id) {
    case ToolWindow::Launch: return new Form1(windows);
    case ToolWindow::Macro: return new Form2(folder);
    case ToolWindow::MapOverview: return new Form4(folder);
    case ToolWindow::SaveGame: return new Form6(folder);
    case ToolWindow::Definitions: return new Form9(folder);
    case ToolWindow::Sprite: return new Form12(folder);
    case ToolWindow::Enemy: return new Form16(folder);
    case ToolWindow::About: return new Form17(folder);
    }
    return nullptr;
}

QWidget *ToolWindows::load(ToolWindow id)
{
    if (QWidget *existing = window(id))
        return existing;
    QWidget *created = m_factory(id, *this);
    m_windows[id] = created;
    return created;
}

QWidget *ToolWindows::window(ToolWindow id) const
{
    const auto it = m_windows.find(id);
    return it == m_windows.end() ? nullptr : it->second.data();
}

void ToolWindows::show(ToolWindow id)
{
    QWidget *w = load(id);
    if (!w)
        return;
    w->show();
    w->raise();
    w->activateWindow();
}

void ToolWindows::showModal(ToolWindow id)
{
    QWidget *w = load(id);
    if (!w)
        return;
    QPointer<QWidget> guard(w);
    if (auto *dialog = qobject_cast<QDialog *>(w))
        dialog->exec();
    else
        w->show();
    if (guard && qobject_cast<QDialog *>(guard.data()))
        delete guard.data();
}

void ToolWindows::destroyAll()
{
    for (auto &[id, w] : m_windows)
        delete w.data();
    m_windows.clear();
}

} // namespace tav
