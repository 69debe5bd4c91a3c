#include "core/app/kit_lock.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>

namespace tav {

Status makeFolder(const QString &path)
{
    const QString clean = QDir::cleanPath(path);
    if (QFileInfo(clean).isDir())
        return Status::success();
    // Each missing level is made in turn, so the reason names the level.
    QString made;
    for (const QString &part : clean.split(QLatin1Char('/'))) {
        made += part.isEmpty() && made.isEmpty() ? QString() : QLatin1Char('/') + part;
        if (made.isEmpty() || QFileInfo(made).isDir())
            continue;
        if (QFileInfo::exists(made))
            return Status::failure(QStringLiteral("%1 is a file, not a folder.").arg(made));
        if (::mkdir(QFile::encodeName(made).constData(), 0700) != 0 && errno != EEXIST)
            return Status::failure(
                QStringLiteral("%1 could not be made: %2").arg(made, QString::fromLocal8Bit(std::strerror(errno))));
    }
    return Status::success();
}

KitLock::KitLock(QString stateFolder)
    : m_folder(std::move(stateFolder))
{
}

KitLock::~KitLock() = default;

KitLock::Outcome KitLock::tryLock()
{
    if (const Status made = makeFolder(m_folder); !made) {
        m_error = made.error();
        return Outcome::Failed;
    }
    m_lock = std::make_unique<QLockFile>(m_folder + QStringLiteral("/kit.lock"));
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return Outcome::Locked;
    if (m_lock->error() == QLockFile::LockFailedError) {
        QString host;
        QString application;
        m_lock->getLockInfo(&m_holder, &host, &application);
        return Outcome::HeldByOther;
    }
    m_error = QStringLiteral("the lock file in %1 could not be written.").arg(m_folder);
    m_lock.reset();
    return Outcome::Failed;
}

QString otherKitQuestion(qint64 holder)
{
    return QStringLiteral("This game folder is open in another Tav designer (process %1). Open it anyway?").arg(holder);
}

} // namespace tav
