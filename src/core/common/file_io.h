#pragma once

#include "core/common/posix_file.h"
#include "core/common/result.h"
#include "core/common/write_place.h"

#include <QByteArray>
#include <QList>
#include <QString>

class QFileDevice;

namespace tav {

// The readers' size limit: a larger file is refused instead of being loaded,
// so a stray huge file never exhausts memory.
inline constexpr qint64 kReadLimitBytes = 64 * 1024 * 1024;

// Reads a whole regular file, refusing one larger than maxBytes. The reading
// stops at the limit whatever size the file system reports; a folder, FIFO or
// device is refused as "not a regular file" without waiting on it.
Result<QByteArray> readWholeFile(const QString &diskPath, qint64 maxBytes = kReadLimitBytes);

// The kit's one writer. Writes a whole file atomically: the data goes to a
// temporary file beside the target, is flushed to the disk, and then
// replaces the target in one step. A failed or interrupted write leaves the
// old file as it was; a read-only target is refused; a replaced file keeps
// its mode, and its owner where the process may give files away (root).
// Nothing is written outside the game folder the path lies in: a link that
// leads out of it refuses the write, naming the link and where it leads
// (write_place.h). A link at the target's own name is followed (where that
// stays inside) or, with LinkAtTarget::Replace, replaced by the file, as a
// scratch file always is.
Status writeFileAtomically(const QString &diskPath, const QByteArray &data, LinkAtTarget link = LinkAtTarget::Follow);

// One file of several written together.
struct FileToWrite {
    QString diskPath;
    QByteArray data;
};

// Writes several files as one, by the rules of writeFileAtomically: each
// goes to a temporary file beside its target and is flushed to the disk;
// only when all are written whole do they replace their targets, one right
// after the other. A failure while writing replaces none of them, and the
// message says so.
Status writeFilesTogether(const QList<FileToWrite> &files);

// Copies a file atomically (same rules as writeFileAtomically for the target).
Status copyFileAtomically(const QString &fromDiskPath, const QString &toDiskPath);

// The failure of a write to diskPath through file, whose last system error
// was error (errno): a full disk is told in plain words, and for a target
// that existed, that it is unchanged.
Status writeFailure(const QString &diskPath, const QFileDevice &file, int error, bool targetExisted = true);
// The same for a write that failed with the system error `error` (errno),
// described by reason.
Status writeFailure(const QString &diskPath, int error, const QString &reason, bool targetExisted = true);

// Writes all of data to an open file descriptor, going on after a write
// that was interrupted or wrote only part; false on a failure.
using posix::writeFully;

// A short name for messages: the file name without its folder.
QString displayName(const QString &diskPath);

} // namespace tav
