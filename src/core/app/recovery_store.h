#pragma once

#include "core/app/recovery_copy.h"
#include "core/common/result.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class QLockFile;

namespace tav {

// The recovery copies of one game folder's state folder. Each running kit
// is a session with copies "<session>-<window>.json" and a lock
// "<session>.lock" held while it runs, so a later kit tells copies of a kit
// that ended from those of one still running. Copies not restored are moved
// to "set-aside", where they are kept for 14 days.
class RecoveryStore {
public:
    static constexpr int kSetAsideDays = 14;

    RecoveryStore(QString folder, QString gameFolder);
    ~RecoveryStore();

    const QString &folder() const { return m_folder; }
    const QString &gameFolder() const { return m_gameFolder; }
    QString setAsideFolder() const { return m_folder + QStringLiteral("/set-aside"); }
    const QString &session() const { return m_session; }

    // Makes the folder and takes this session's lock; fails with the reason
    // when the folder cannot be written.
    Status open();
    QString copyPath(const QString &windowId) const;

    // One copy left by a kit that is not running any more.
    struct Leftover {
        QString path;
        Result<RecoveryCopy> copy;
    };
    // The copies of sessions whose kit has ended, newest first.
    QList<Leftover> leftovers() const;
    // Moves copies into the set-aside folder; never deletes them.
    Status setAside(const QStringList &paths) const;
    // Removes copies once their work is safe again (restored and copied by
    // this session), and the locks of the sessions they came from.
    void discard(const QStringList &paths) const;
    // Deletes set-aside copies older than 14 days, and the locks of kits
    // that ended leaving no copy.
    void tidy(const QDateTime &now) const;

private:
    QString m_folder;
    QString m_gameFolder;
    QString m_session;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace tav
