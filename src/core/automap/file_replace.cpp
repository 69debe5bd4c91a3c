#include "core/automap/file_replace.h"

#include "core/common/file_io.h"

#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace tav {

Status checkReplaceable(const QString &diskPath)
{
    const QFileInfo info(diskPath);
    if (!info.isFile())
        return Status::failure(QStringLiteral("%1 is not a file.").arg(displayName(diskPath)));
    const auto writeBits = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (!info.isWritable() || !(info.permissions() & writeBits))
        return Status::failure(QStringLiteral("%1 is read-only.").arg(displayName(diskPath)));
    return Status::success();
}

Status replaceFile(const QString &fromDiskPath, const QString &toDiskPath)
{
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(QFile::encodeName(fromDiskPath).toStdString()),
                            std::filesystem::path(QFile::encodeName(toDiskPath).toStdString()), error);
    if (error)
        return Status::failure(QStringLiteral("%1 could not be replaced: %2")
                                   .arg(displayName(toDiskPath), QString::fromStdString(error.message())));
    return Status::success();
}

Status renameToFreeName(const QString &fromDiskPath, const QString &toDiskPath)
{
    if (QFileInfo::exists(toDiskPath))
        return Status::failure(QStringLiteral("%1 already exists.").arg(displayName(toDiskPath)));
    QFile file(fromDiskPath);
    if (!file.rename(toDiskPath))
        return Status::failure(QStringLiteral("%1 could not be renamed to %2: %3")
                                   .arg(displayName(fromDiskPath), displayName(toDiskPath), file.errorString()));
    return Status::success();
}

} // namespace tav
