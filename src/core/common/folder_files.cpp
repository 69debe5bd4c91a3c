#include "core/common/folder_files.h"

#include "core/common/file_io.h"
#include "core/common/posix_file.h"
#include "core/common/write_place.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tav {

using posix::FileHandle;
using posix::openIn;
using posix::readFully;
using posix::systemError;
using posix::writeFully;

namespace {

QByteArray encoded(const QString &name)
{
    return QFile::encodeName(name);
}

} // namespace

FolderFiles::FolderFiles(int handle, QString diskPath)
    : m_handle(handle)
    , m_diskPath(std::move(diskPath))
{
}

FolderFiles::FolderFiles(FolderFiles &&other) noexcept
    : m_handle(std::exchange(other.m_handle, -1))
    , m_diskPath(std::move(other.m_diskPath))
{
}

FolderFiles &FolderFiles::operator=(FolderFiles &&other) noexcept
{
    std::swap(m_handle, other.m_handle);
    std::swap(m_diskPath, other.m_diskPath);
    return *this;
}

FolderFiles::~FolderFiles()
{
    if (m_handle >= 0)
        ::close(m_handle);
}

Result<FolderFiles> FolderFiles::open(const QString &diskPath)
{
    if (const Status inside = mayWriteIn(diskPath); !inside)
        return inside;
    const int fd = openIn(AT_FDCWD, encoded(diskPath), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return Status::failure(
            QStringLiteral("The folder %1 could not be opened: %2").arg(displayName(diskPath), systemError(errno)));
    return FolderFiles(fd, diskPath);
}

QStringList FolderFiles::fileNames() const
{
    QStringList names;
    const int listing = ::dup(m_handle);
    if (listing < 0)
        return names;
    DIR *dir = ::fdopendir(listing);
    if (!dir) {
        ::close(listing);
        return names;
    }
    ::rewinddir(dir);
    while (const dirent *entry = ::readdir(dir)) {
        unsigned char type = entry->d_type;
        if (type == DT_UNKNOWN) {
            // Some file systems do not tell the kind in the listing.
            struct stat info;
            type = ::fstatat(m_handle, entry->d_name, &info, 0) == 0 && S_ISREG(info.st_mode) ? DT_REG : DT_DIR;
        } else if (type == DT_LNK) {
            struct stat info;
            type = ::fstatat(m_handle, entry->d_name, &info, 0) == 0 && S_ISDIR(info.st_mode) ? DT_DIR : DT_REG;
        }
        if (type == DT_REG)
            names.append(QFile::decodeName(entry->d_name));
    }
    ::closedir(dir);
    return names;
}

Result<FileBytes> FolderFiles::read(const QString &name, qint64 maxBytes) const
{
    FileHandle file(openIn(m_handle, encoded(name), O_RDONLY));
    struct stat info;
    if (file.fd() < 0 || ::fstat(file.fd(), &info) != 0)
        return Status::failure(QStringLiteral("%1 could not be read: %2").arg(name, systemError(errno)));
    if (!S_ISREG(info.st_mode))
        return Status::failure(QStringLiteral("%1 is not a file.").arg(name));
    if (info.st_size > maxBytes)
        return Status::failure(QStringLiteral("%1 is too large (%2 bytes).").arg(name).arg(qint64(info.st_size)));
    FileBytes bytes;
    bytes.permissions = info.st_mode & 07777;
    // One byte more than the size shows a file that grew meanwhile.
    bytes.data.resize(qsizetype(info.st_size) + 1);
    const qint64 got = readFully(file.fd(), bytes.data.data(), bytes.data.size());
    if (got < 0)
        return Status::failure(QStringLiteral("%1 could not be read: %2").arg(name, systemError(errno)));
    if (got > info.st_size)
        return Status::failure(QStringLiteral("%1 changed while it was read.").arg(name));
    bytes.data.truncate(qsizetype(got));
    return bytes;
}

bool FolderFiles::holds(const QString &name, const QByteArray &data) const
{
    FileHandle file(openIn(m_handle, encoded(name), O_RDONLY));
    if (file.fd() < 0)
        return false;
    QByteArray found(data.size() + 1, Qt::Uninitialized);
    const qint64 got = readFully(file.fd(), found.data(), found.size());
    return got == data.size() && std::memcmp(found.constData(), data.constData(), size_t(got)) == 0;
}

Status FolderFiles::write(const QString &name, const FileBytes &file) const
{
    QByteArray part;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        part = posix::temporaryName(encoded(name));
        fd = openIn(m_handle, part, O_WRONLY | O_CREAT | O_EXCL, 0600);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return writeFailure(name, errno, systemError(errno));
    FileHandle handle(fd);
    errno = 0;
    // The mode is set on the open file, so the umask does not narrow it.
    const bool written = writeFully(fd, file.data) && ::fchmod(fd, mode_t(file.permissions)) == 0 && handle.close();
    const int error = errno;
    if (!written || ::renameat(m_handle, part.constData(), m_handle, encoded(name).constData()) != 0) {
        const int failure = written ? errno : error;
        ::unlinkat(m_handle, part.constData(), 0);
        return writeFailure(name, failure, systemError(failure));
    }
    return Status::success();
}

Status FolderFiles::remove(const QString &name) const
{
    if (::unlinkat(m_handle, encoded(name).constData(), 0) != 0)
        return Status::failure(QStringLiteral("%1 could not be deleted: %2").arg(name, systemError(errno)));
    return Status::success();
}

} // namespace tav
