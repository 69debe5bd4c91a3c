#include "core/app/recovery_store.h"

#include "core/app/kit_lock.h"
#include "core/common/file_io.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <algorithm>

namespace tav {
namespace {

const QString kCopySuffix = QStringLiteral(".json");
const QString kLockSuffix = QStringLiteral(".lock");

// "4711-1700000000000-macro.json" belongs to session "4711-1700000000000".
QString sessionOf(const QString &fileName)
{
    const QStringList parts = fileName.split(QLatin1Char('-'));
    return parts.size() >= 3 ? parts[0] + QLatin1Char('-') + parts[1] : QString();
}

// Whether the kit of a session still runs: its lock is held by a live process.
bool sessionRuns(const QString &folder, const QString &session)
{
    QLockFile lock(folder + QLatin1Char('/') + session + kLockSuffix);
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0))
        return lock.error() == QLockFile::LockFailedError;
    lock.unlock();
    return false;
}

} // namespace

RecoveryStore::RecoveryStore(QString folder, QString gameFolder)
    : m_folder(std::move(folder))
    , m_gameFolder(std::move(gameFolder))
    , m_session(
          QStringLiteral("%1-%2").arg(QCoreApplication::applicationPid()).arg(QDateTime::currentMSecsSinceEpoch()))
{
}

RecoveryStore::~RecoveryStore() = default;

Status RecoveryStore::open()
{
    if (const Status made = makeFolder(m_folder); !made)
        return made;
    m_lock = std::make_unique<QLockFile>(m_folder + QLatin1Char('/') + m_session + kLockSuffix);
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        m_lock.reset();
        return Status::failure(QStringLiteral("%1 cannot be written.").arg(m_folder));
    }
    return Status::success();
}

QString RecoveryStore::copyPath(const QString &windowId) const
{
    return m_folder + QLatin1Char('/') + m_session + QLatin1Char('-') + windowId + kCopySuffix;
}

QList<RecoveryStore::Leftover> RecoveryStore::leftovers() const
{
    QList<Leftover> found;
    const QDir dir(m_folder);
    const QStringList names = dir.entryList({QStringLiteral("*") + kCopySuffix}, QDir::Files, QDir::Name);
    QHash<QString, bool> runs;
    for (const QString &name : names) {
        const QString session = sessionOf(name);
        if (session == m_session)
            continue;
        if (!runs.contains(session))
            runs[session] = !session.isEmpty() && sessionRuns(m_folder, session);
        if (runs[session])
            continue;
        const QString path = dir.filePath(name);
        const Result<QByteArray> bytes = readWholeFile(path);
        found.append(
            {path, bytes ? parseRecoveryCopy(bytes.value(), m_gameFolder)
                         : Result<RecoveryCopy>::failure(QStringLiteral("it cannot be read (%1)").arg(bytes.error()))});
    }
    std::stable_sort(found.begin(), found.end(), [](const Leftover &a, const Leftover &b) {
        const QDateTime ta = a.copy ? a.copy->header.time : QDateTime();
        const QDateTime tb = b.copy ? b.copy->header.time : QDateTime();
        return ta > tb;
    });
    return found;
}

Status RecoveryStore::setAside(const QStringList &paths) const
{
    if (const Status made = makeFolder(setAsideFolder()); !made)
        return made;
    QStringList failed;
    for (const QString &path : paths) {
        const QString target = setAsideFolder() + QLatin1Char('/') + QFileInfo(path).fileName();
        QFile::remove(target);
        if (!QFile::rename(path, target)) {
            failed << QFileInfo(path).fileName();
            continue;
        }
        // The 14 days count from now.
        QFile moved(target);
        if (moved.open(QIODevice::ReadOnly))
            moved.setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime);
    }
    if (!failed.isEmpty())
        return Status::failure(
            QStringLiteral("%1 could not be moved to %2.").arg(failed.join(QStringLiteral(", ")), setAsideFolder()));
    return Status::success();
}

void RecoveryStore::discard(const QStringList &paths) const
{
    for (const QString &path : paths) {
        QFile::remove(path);
        const QString session = sessionOf(QFileInfo(path).fileName());
        const QDir dir(m_folder);
        if (!session.isEmpty() && dir.entryList({session + QStringLiteral("-*") + kCopySuffix}, QDir::Files).isEmpty())
            QFile::remove(dir.filePath(session + kLockSuffix));
    }
}

void RecoveryStore::tidy(const QDateTime &now) const
{
    const QDir setAside(setAsideFolder());
    for (const QFileInfo &file : setAside.entryInfoList(QDir::Files))
        if (file.lastModified().daysTo(now) > kSetAsideDays)
            QFile::remove(file.absoluteFilePath());
    const QDir dir(m_folder);
    for (const QString &lock : dir.entryList({QStringLiteral("*-*") + kLockSuffix}, QDir::Files)) {
        const QString session = lock.chopped(kLockSuffix.size());
        if (session != m_session &&
            dir.entryList({session + QStringLiteral("-*") + kCopySuffix}, QDir::Files).isEmpty() &&
            !sessionRuns(m_folder, session))
            QFile::remove(dir.filePath(lock));
    }
}

} // namespace tav
