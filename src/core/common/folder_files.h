#pragma once

#include "core/common/result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tav {

// A file read whole, with the permission bits it had.
struct FileBytes {
    QByteArray data;
    unsigned permissions = 0644; // the file's mode bits (rwx for owner, group, others)
};

// The files directly in one folder, worked on by name through one open handle
// of the folder: each name is looked up in the folder once, never again along
// the whole path. Meant for work on many files in one go (copying a data set).
// Writes follow the kit's atomic rule: the data goes to a temporary file in
// the folder, which then replaces the target in one step, so a failed write
// leaves the old file as it was. Unlike the kit's single-file writer it does
// not wait for the disk after each file. A folder whose path leads out of the
// game folder through a link is not opened (see write_place.h); a link at a
// file's name is replaced by the file, never written through.
class FolderFiles {
public:
    // Opens a folder given as a disk path.
    static Result<FolderFiles> open(const QString &diskPath);

    FolderFiles(FolderFiles &&other) noexcept;
    FolderFiles &operator=(FolderFiles &&other) noexcept;
    FolderFiles(const FolderFiles &) = delete;
    FolderFiles &operator=(const FolderFiles &) = delete;
    ~FolderFiles();

    // The names of the files directly in the folder (no subfolders), from one
    // reading of it, in no particular order.
    QStringList fileNames() const;

    // Reads a whole file of the folder, refusing one larger than maxBytes.
    Result<FileBytes> read(const QString &name, qint64 maxBytes) const;

    // Whether the file exists and holds exactly these bytes.
    bool holds(const QString &name, const QByteArray &data) const;

    // Writes a whole file, replacing one of that name, with these permissions.
    Status write(const QString &name, const FileBytes &file) const;

    // Deletes a file of the folder.
    Status remove(const QString &name) const;

private:
    FolderFiles(int handle, QString diskPath);

    int m_handle = -1;
    QString m_diskPath;
};

} // namespace tav
