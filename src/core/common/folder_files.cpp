#include "core/common/folder_files.h"

#include "core/common/file_io.h"

#include <QFile>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tav {
namespace {

QByteArray encoded(const QString &name)
{
    return QFile::encodeName(name);
}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Opens a file of the folder, retrying when a signal interrupts the call.
int openIn(int folder, const QByteArray &name, int flags, mode_t mode = 0)
{
    int fd;
    do
        fd = ::openat(folder, name.constData(), flags | O_CLOEXEC, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

// Reads until the buffer is full or the file ends; the number of bytes read,
// or -1 on a failure. A regular file reads short only at its end, so a short
// read ends the loop without asking once more.
qint64 readFully(int fd, char *buffer, qint64 size)
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, buffer + done, size_t(size - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        done += n;
        if (n == 0 || done < size)
            break;
    }
    return done;
}

class FileHandle {
public:
    explicit FileHandle(int fd)
        : m_fd(fd)
    {
    }
    ~FileHandle()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileHandle(const FileHandle &) = delete;
    FileHandle &operator=(const FileHandle &) = delete;
    int fd() const { return m_fd; }
    // Closes now; false when the system reports a failure (a late write error).
    bool close()
    {
        const int fd = std::exchange(m_fd, -1);
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

// A name for the temporary file beside a target, unique within this program.
QByteArray temporaryName(const QString &target)
{
    static std::atomic<unsigned> counter{0};
    return encoded(target) + ".part" + QByteArray::number(qint64(::getpid())) + '-' +
           QByteArray::number(counter.fetch_add(1));
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
        part = temporaryName(name);
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
