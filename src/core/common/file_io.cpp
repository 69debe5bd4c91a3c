#include "core/common/file_io.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace tav {

QString displayName(const QString &diskPath)
{
    return QFileInfo(diskPath).fileName();
}

Status writeFailure(const QString &diskPath, int error, const QString &reason)
{
    if (error == ENOSPC || error == EFBIG)
        return Status::failure(QStringLiteral("%1 was not saved: there is not enough space on the disk. "
                                              "The file is unchanged.")
                                   .arg(displayName(diskPath)));
    return Status::failure(QStringLiteral("%1 could not be written: %2").arg(displayName(diskPath), reason));
}

Status writeFailure(const QString &diskPath, const QFileDevice &file, int error)
{
    return writeFailure(diskPath, file.error() == QFileDevice::ResourceError ? ENOSPC : error, file.errorString());
}

Result<QByteArray> readWholeFile(const QString &diskPath, qint64 maxBytes)
{
    QFile file(diskPath);
    if (!QFileInfo(diskPath).isFile())
        return Status::failure(QStringLiteral("%1 does not exist.").arg(displayName(diskPath)));
    if (!file.open(QIODevice::ReadOnly))
        return Status::failure(
            QStringLiteral("%1 could not be read: %2").arg(displayName(diskPath), file.errorString()));
    if (file.size() > maxBytes)
        return Status::failure(
            QStringLiteral("%1 is too large (%2 bytes).").arg(displayName(diskPath)).arg(file.size()));
    // The size was checked above; read(maxBytes + 1) would allocate the whole
    // limit up front on every read.
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Status::failure(
            QStringLiteral("%1 could not be read: %2").arg(displayName(diskPath), file.errorString()));
    if (data.size() > maxBytes)
        return Status::failure(QStringLiteral("%1 is too large.").arg(displayName(diskPath)));
    return data;
}

Status writeFileAtomically(const QString &diskPath, const QByteArray &data)
{
    const QFileInfo target(diskPath);
    if (target.exists() && !target.isFile())
        return Status::failure(QStringLiteral("%1 is not a file.").arg(displayName(diskPath)));
    const auto writeBits = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    // Checked on the mode bits too: a privileged user could write through them.
    if (target.exists() && (!target.isWritable() || !(target.permissions() & writeBits)))
        return Status::failure(QStringLiteral("%1 is read-only.").arg(displayName(diskPath)));
    if (!target.dir().exists())
        return Status::failure(QStringLiteral("The folder of %1 does not exist.").arg(displayName(diskPath)));

    QSaveFile file(diskPath);
    if (!file.open(QIODevice::WriteOnly))
        return Status::failure(
            QStringLiteral("%1 could not be written: %2").arg(displayName(diskPath), file.errorString()));
    // Small files stay in the buffer until flushed; commit() would rename the
    // temporary file over the target even when its own final flush fails.
    errno = 0;
    if (file.write(data) != data.size() || !file.flush()) {
        const Status failed = writeFailure(diskPath, file, errno);
        file.cancelWriting();
        return failed;
    }
    errno = 0;
    if (!file.commit())
        return writeFailure(diskPath, file, errno);
    return Status::success();
}

Status copyFileAtomically(const QString &fromDiskPath, const QString &toDiskPath)
{
    const Result<QByteArray> data = readWholeFile(fromDiskPath, qint64(1) << 31);
    if (!data)
        return data.status();
    return writeFileAtomically(toDiskPath, data.value());
}

} // namespace tav
