#include "core/common/file_io.h"

#include "core/common/posix_file.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tav {

QString displayName(const QString &diskPath)
{
    return QFileInfo(diskPath).fileName();
}

Status writeFailure(const QString &diskPath, int error, const QString &reason, bool targetExisted)
{
    if (error == ENOSPC || error == EFBIG)
        return Status::failure(QStringLiteral("%1 was not saved: there is not enough space on the disk. %2")
                                   .arg(displayName(diskPath), targetExisted ? QStringLiteral("The file is unchanged.")
                                                                             : QStringLiteral("Nothing was written.")));
    return Status::failure(QStringLiteral("%1 could not be written: %2").arg(displayName(diskPath), reason));
}

Status writeFailure(const QString &diskPath, const QFileDevice &file, int error, bool targetExisted)
{
    return writeFailure(diskPath, file.error() == QFileDevice::ResourceError ? ENOSPC : error, file.errorString(),
                        targetExisted);
}

namespace {

Status readFailure(const QString &diskPath, int error)
{
    if (error == ENOENT || error == ENOTDIR)
        return Status::failure(QStringLiteral("%1 does not exist.").arg(displayName(diskPath)));
    return Status::failure(
        QStringLiteral("%1 could not be read: %2").arg(displayName(diskPath), QString::fromLocal8Bit(strerror(error))));
}

Status tooLarge(const QString &diskPath, qint64 maxBytes)
{
    return Status::failure(
        QStringLiteral("%1 is too large (more than %2 bytes).").arg(displayName(diskPath)).arg(maxBytes));
}

} // namespace

Result<QByteArray> readWholeFile(const QString &diskPath, qint64 maxBytes)
{
    // Opened without blocking, so a FIFO cannot hold the reader up; the type
    // is then checked on the open file itself.
    const posix::FileHandle file(
        ::open(QFile::encodeName(diskPath).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.fd() < 0)
        return readFailure(diskPath, errno);
    struct stat status {};
    if (::fstat(file.fd(), &status) != 0)
        return readFailure(diskPath, errno);
    if (!S_ISREG(status.st_mode))
        return Status::failure(QStringLiteral("%1 is not a regular file.").arg(displayName(diskPath)));
    if (status.st_size > maxBytes)
        return tooLarge(diskPath, maxBytes);
    // The reported size is only a first guess (files under /proc report 0 and
    // never end): the reading stops at the limit whatever it says.
    // One byte past the limit tells a larger file; rounded up to whole pages,
    // since some of them (/proc/self/pagemap) take only reads of whole records.
    constexpr qint64 kPage = 4096;
    const qint64 ceiling = (maxBytes + kPage) / kPage * kPage;
    constexpr qint64 kFirstChunk = 16 * kPage;
    QByteArray data(qMin(ceiling, status.st_size > 0 ? status.st_size + 1 : kFirstChunk), Qt::Uninitialized);
    qint64 filled = 0;
    while (filled < ceiling) {
        if (filled == data.size())
            data.resize(qMin(ceiling, 2 * filled));
        const ssize_t got = ::read(file.fd(), data.data() + filled, std::size_t(data.size() - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return readFailure(diskPath, errno);
        if (got == 0)
            break;
        filled += got;
    }
    if (filled > maxBytes)
        return tooLarge(diskPath, maxBytes);
    data.truncate(filled);
    return data;
}

namespace {

// Whether fd is the folder at path, which has no link in it: a folder moved
// or replaced by a link between the check of its path and its opening is not.
bool isFolderAt(int fd, const QString &path)
{
    QByteArray opened(4096, Qt::Uninitialized);
    const QByteArray proc = "/proc/self/fd/" + QByteArray::number(fd);
    const ssize_t length = ::readlink(proc.constData(), opened.data(), std::size_t(opened.size()));
    if (length >= 0)
        return QFile::decodeName(opened.left(length)) == path;
    struct stat atFd {
    }, atPath{};
    return ::fstat(fd, &atFd) == 0 && ::lstat(QFile::encodeName(path).constData(), &atPath) == 0 &&
           atFd.st_dev == atPath.st_dev && atFd.st_ino == atPath.st_ino;
}

// A new file beside a target that takes the target's place once written. The
// target's folder is found once, links resolved and checked (write_place.h),
// and opened; everything after works by name in that open folder, so a link
// put in the way meanwhile is never followed. A replaced file keeps its mode,
// and its owner where the process may give files away (root).
class PendingFile {
public:
    explicit PendingFile(QString target)
        : m_target(std::move(target))
    {
    }
    ~PendingFile()
    {
        if (m_created && !m_placed)
            ::unlinkat(m_folder.fd(), m_part.constData(), 0);
    }
    PendingFile(const PendingFile &) = delete;
    PendingFile &operator=(const PendingFile &) = delete;

    bool targetExisted() const { return m_existing.has_value(); }

    // Finds the target's place and opens its folder; refuses a target that
    // is a folder or read-only, in a folder that does not exist, or one that
    // a link leads out of the game folder.
    Status prepare(LinkAtTarget link)
    {
        const Result<WritePlace> place = writePlace(m_target, link);
        if (!place)
            return place.status();
        m_name = QFile::encodeName(place->name);
        m_folder = posix::FileHandle(
            posix::openIn(AT_FDCWD, QFile::encodeName(place->folder), O_RDONLY | O_DIRECTORY | O_NOFOLLOW));
        if (!m_folder.isOpen())
            return Status::failure(QStringLiteral("The folder of %1 does not exist.").arg(displayName(m_target)));
        if (!isFolderAt(m_folder.fd(), place->folder))
            return Status::failure(QStringLiteral("%1 was not written: its folder was moved while it was being "
                                                  "saved.")
                                       .arg(displayName(m_target)));
        struct stat status {};
        if (::fstatat(m_folder.fd(), m_name.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0)
            return errno == ENOENT ? Status::success() : writeFailure(m_target, errno, posix::systemError(errno));
        if (S_ISLNK(status.st_mode)) // replaced, not followed
            return Status::success();
        if (!S_ISREG(status.st_mode))
            return Status::failure(QStringLiteral("%1 is not a file.").arg(displayName(m_target)));
        // Checked on the mode bits too: a privileged user could write through them.
        if ((status.st_mode & 0222) == 0 || ::faccessat(m_folder.fd(), m_name.constData(), W_OK, AT_EACCESS) != 0)
            return Status::failure(QStringLiteral("%1 is read-only.").arg(displayName(m_target)));
        m_existing = status;
        return Status::success();
    }

    // Writes data to a fresh temporary file beside the target, flushed to
    // the disk, with the mode and owner of the file it replaces.
    Status write(const QByteArray &data)
    {
        int fd = -1;
        for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
            m_part = posix::temporaryName(m_name);
            fd = posix::openIn(m_folder.fd(), m_part, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW,
                               m_existing ? 0600 : 0666);
            if (fd < 0 && errno != EEXIST)
                break;
        }
        if (fd < 0)
            return failed(errno);
        m_created = true;
        posix::FileHandle file(fd);
        errno = 0;
        if (!posix::writeFully(fd, data) || ::fsync(fd) != 0)
            return failed(errno);
        if (m_existing) {
            // Giving a file away fails for anyone but root, and is not tried then.
            if (m_existing->st_uid != ::geteuid() || m_existing->st_gid != ::getegid())
                (void)::fchown(fd, m_existing->st_uid, m_existing->st_gid);
            if (::fchmod(fd, m_existing->st_mode & 07777) != 0)
                return failed(errno);
        }
        if (!file.close())
            return failed(errno);
        return Status::success();
    }

    // Puts the written file in the target's place, in one step.
    Status place()
    {
        if (::renameat(m_folder.fd(), m_part.constData(), m_folder.fd(), m_name.constData()) != 0)
            return Status::failure(
                QStringLiteral("%1 could not be replaced: %2").arg(displayName(m_target), posix::systemError(errno)));
        m_placed = true;
        return Status::success();
    }

private:
    Status failed(int error) const { return writeFailure(m_target, error, posix::systemError(error), targetExisted()); }

    QString m_target;
    posix::FileHandle m_folder;
    QByteArray m_name;
    QByteArray m_part;
    std::optional<struct stat> m_existing; // the file replaced
    bool m_created = false;
    bool m_placed = false;
};

QString namesOf(const QList<FileToWrite> &files)
{
    QStringList names;
    for (const FileToWrite &file : files)
        names.append(displayName(file.diskPath));
    return names.join(QStringLiteral(" and "));
}

} // namespace

Status writeFileAtomically(const QString &diskPath, const QByteArray &data, LinkAtTarget link)
{
    PendingFile file(diskPath);
    if (Status ready = file.prepare(link); !ready)
        return ready;
    if (Status written = file.write(data); !written)
        return written;
    return file.place();
}

Status writeFilesTogether(const QList<FileToWrite> &files)
{
    const QString unchanged = QStringLiteral(" Nothing was replaced: %1 stay as they were.").arg(namesOf(files));
    std::vector<std::unique_ptr<PendingFile>> pending;
    for (const FileToWrite &file : files) {
        pending.push_back(std::make_unique<PendingFile>(file.diskPath));
        if (const Status ready = pending.back()->prepare(LinkAtTarget::Follow); !ready)
            return Status::failure(ready.error() + unchanged);
    }
    for (std::size_t i = 0; i < pending.size(); ++i)
        if (const Status written = pending[i]->write(files[qsizetype(i)].data); !written)
            return Status::failure(written.error() + unchanged);
    // Every new file is whole on the disk; the renames follow one another.
    for (std::size_t i = 0; i < pending.size(); ++i) {
        if (const Status placed = pending[i]->place(); !placed) {
            const QString state = i == 0 ? unchanged
                                         : QStringLiteral(" %1 was replaced already.")
                                               .arg(namesOf(files.mid(0, qsizetype(i))));
            return Status::failure(placed.error() + state);
        }
    }
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
