#include "ui/app/tool_windows.h"

#include "core/app/window_placement.h"
#include "ui/app/about_window.h"
#include "ui/app/launch_window.h"
#include "ui/automap/map_overview.h"
#include "ui/common/unsaved_work.h"
#include "ui/common/window_frame.h"
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
    m_placed.erase(id);
    if (auto *holder = dynamic_cast<UnsavedWork *>(created))
        for (Document *document : holder->documents())
            m_documents.add(document);
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
    placeOnFirstShowing(id, w);
    w->show();
    w->raise();
    w->activateWindow();
}

void ToolWindows::placeOnFirstShowing(ToolWindow id, QWidget *window)
{
    // Dialogs keep their own placement.
    if (id == ToolWindow::Launch || qobject_cast<QDialog *>(window) || !m_placed.insert(id).second)
        return;
    // Before its first showing the window manager takes this as the
    // frame's position.
    window->move(firstPosition(window));
    keepOnAreaOnceFramed(window);
}

QPoint ToolWindows::firstPosition(QWidget *window) const
{
    const QWidget *launch = this->window(ToolWindow::Launch);
    const bool launchShown = launch && launch->isVisible();
    takeShownSize(window);
    const QRect area = availableArea(launchShown ? launch : window);
    const ScreenWindows screen = screenWindows(window);
    if (auto *editor = qobject_cast<Form12 *>(window))
        return firstEditorPosition(area, screen, editor->spriteWindows());
    return firstWindowPosition(area, screen, outerGeometry(window, launchShown ? launch : nullptr).size());
}

void ToolWindows::showModal(ToolWindow id)
{
    QWidget *w = load(id);
    if (!w)
        return;
    placeOnFirstShowing(id, w);
    QPointer<QWidget> guard(w);
    if (auto *dialog = qobject_cast<QDialog *>(w))
        dialog->exec();
    else
        w->show();
    if (guard && qobject_cast<QDialog *>(guard.data())) {
        delete guard.data();
        m_placed.erase(id);
    }
}

QStringList ToolWindows::unsavedWork() const
{
    return m_documents.unsavedWork();
}

void ToolWindows::discardWork()
{
    if (m_discardHandler)
        m_discardHandler();
}

void ToolWindows::finishWork()
{
    for (const auto &[id, w] : m_windows)
        if (auto *document = dynamic_cast<UnsavedWork *>(w.data()))
            document->finishWork();
}

void ToolWindows::destroyAll()
{
    for (auto &[id, w] : m_windows)
        delete w.data();
    m_windows.clear();
}

} // namespace tav
