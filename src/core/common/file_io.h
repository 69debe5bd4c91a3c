#pragma once

#include "core/common/result.h"

#include <QByteArray>
#include <QString>

class QFileDevice;

namespace tav {

// The readers' size limit: a larger file is refused instead of being loaded,
// so a stray huge file never exhausts memory.
inline constexpr qint64 kReadLimitBytes = 64 * 1024 * 1024;

// Reads a whole file, refusing one larger than maxBytes.
Result<QByteArray> readWholeFile(const QString &diskPath, qint64 maxBytes = kReadLimitBytes);

// Writes a whole file atomically: the data goes to a temporary file beside the
// target, which then replaces the target in one step. A failed or interrupted
// write leaves the old file as it was; a read-only target is refused.
Status writeFileAtomically(const QString &diskPath, const QByteArray &data);

// Copies a file atomically (same rules as writeFileAtomically for the target).
Status copyFileAtomically(const QString &fromDiskPath, const QString &toDiskPath);

// The failure of a write to diskPath through file, whose last system error
// was error (errno): a full disk is told in plain words.
Status writeFailure(const QString &diskPath, const QFileDevice &file, int error);
// The same for a write that failed with the system error `error` (errno),
// described by reason.
Status writeFailure(const QString &diskPath, int error, const QString &reason);

// A short name for messages: the file name without its folder.
QString displayName(const QString &diskPath);

} // namespace tav
