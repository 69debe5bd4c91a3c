#pragma once

#include "core/app/launch_plan.h"
#include "core/common/game_folder.h"
#include "core/common/open_documents.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <map>
#include <set>

namespace tav {

// Holds the program's windows: each is created (loaded) once on first use,
// keeps its state while hidden, and is created again if it was unloaded.
class ToolWindows {
public:
    using Factory = std::function<QWidget *(ToolWindow, ToolWindows &)>;

    // Without a factory the kit's real windows are created.
    explicit ToolWindows(GameFolder folder, Factory factory = {});
    ~ToolWindows();
    ToolWindows(const ToolWindows &) = delete;
    ToolWindows &operator=(const ToolWindows &) = delete;

    const GameFolder &folder() const { return m_folder; }

    QWidget *load(ToolWindow id);
    QWidget *window(ToolWindow id) const;
    bool isLoaded(ToolWindow id) const { return window(id) != nullptr; }

    // Shows a tool window modeless and brings it forward.
    void show(ToolWindow id);
    // Shows a dialog modally; it unloads itself when it closes.
    void showModal(ToolWindow id);
    // Destroys every window at once, without asking any of them.
    void destroyAll();

    // The documents of the loaded windows; each window's are added when it
    // loads.
    OpenDocuments &documents() { return m_documents; }
    // What every loaded window would lose now, in loading order, each named
    // by its document ("Macro editor (ELDER)").
    QStringList unsavedWork() const;
    // Lets every window finish its work under way.
    void finishWork();
    // The designer agreed to lose the work not saved: whoever keeps copies
    // of it is told.
    void discardWork();
    void setDiscardHandler(std::function<void()> handler) { m_discardHandler = std::move(handler); }
    // The kit is ending without questions (a logout, a signal).
    bool isEnding() const { return m_ending; }
    void setEnding() { m_ending = true; }

    static QWidget *createStandardWindow(ToolWindow id, ToolWindows &windows);

private:
    // Gives a tool window its first position in this run, on the screen,
    // clear of the launch window and where it covers least; later showings
    // keep where the user put it.
    void placeOnFirstShowing(ToolWindow id, QWidget *window);
    QPoint firstPosition(QWidget *window) const;

    GameFolder m_folder;
    Factory m_factory;
    OpenDocuments m_documents;
    std::function<void()> m_discardHandler;
    bool m_ending = false;
    std::map<ToolWindow, QPointer<QWidget>> m_windows;
    std::set<ToolWindow> m_placed;
};

} // namespace tav
