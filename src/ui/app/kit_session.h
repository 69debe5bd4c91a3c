#pragma once

#include "core/app/kit_lock.h"
#include "core/app/recovery_store.h"
#include "core/app/recovery_writer.h"
#include "core/common/game_folder.h"

#include <QObject>

#include <memory>

namespace tav {

class TerminationSignals;
class ToolWindows;

// What the kit does for the designer's work beyond the windows: one kit per
// game folder, recovery copies of unsaved work, an end without questions
// when the desktop session ends or a deadly signal comes, and the offer to
// restore the work a kit that ended left behind.
class KitSession : public QObject {
    Q_OBJECT
public:
    explicit KitSession(const GameFolder &folder, QObject *parent = nullptr);
    ~KitSession() override;

    // Before the splash: takes the game folder's lock and opens the recovery
    // folder. When another kit holds the folder, asks whether to open it
    // anyway; false when the designer says No (the kit ends).
    bool takeFolder();
    // The windows' documents get recovery copies; the end of the desktop
    // session, the quit and the signals are watched from now on.
    void attach(ToolWindows &windows);
    // After the launch window shows: one question about the work kits that
    // ended without saving left here.
    void offerLeftovers();

    // The desktop session ends (its save request, or the quit it sends), or a
    // deadly signal came: no question, every copy due is written and kept,
    // and the kit ends once work under way has finished.
    void endKeepingWork();
    // The desktop asks for the work to be kept: copies are written, the kit
    // goes on.
    void keepWork();

    RecoveryStore &store() { return m_store; }
    RecoveryWriter *writer() { return m_writer.get(); }

private:
    // Said once: the state folder cannot be written.
    void stateProblem(const QString &reason);
    void restore(const QList<RecoveryStore::Leftover> &copies);
    // Moves copies aside and says where; `restorable` copies can be
    // restored by hand.
    void setAside(const QStringList &paths, const QString &what, bool restorable);

    GameFolder m_folder;
    KitLock m_lock;
    RecoveryStore m_store;
    bool m_storeOpen = false;
    bool m_problemSaid = false;
    bool m_discarded = false;
    ToolWindows *m_windows = nullptr;
    std::unique_ptr<RecoveryWriter> m_writer;
    TerminationSignals *m_signals = nullptr;
};

} // namespace tav
