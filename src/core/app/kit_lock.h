#pragma once

#include "core/common/result.h"

#include <QString>

#include <memory>

class QLockFile;

namespace tav {

// The lock that keeps a second kit off a game folder, in the folder's state
// folder. A lock is stale only when its process is gone.
class KitLock {
public:
    explicit KitLock(QString stateFolder);
    ~KitLock();

    enum class Outcome { Locked, HeldByOther, Failed };
    Outcome tryLock();
    // The process that holds the lock (HeldByOther), 0 when not known.
    qint64 holder() const { return m_holder; }
    // Why the lock could not be made (Failed).
    const QString &error() const { return m_error; }

private:
    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    qint64 m_holder = 0;
    QString m_error;
};

// "This game folder is open in another Tav designer (process 4711). Open it
// anyway?"
QString otherKitQuestion(qint64 holder);

// Makes a folder and its parents, failing with a reason (a file in the way,
// no permission).
Status makeFolder(const QString &path);

} // namespace tav
