#include "core/common/file_io.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#include <cerrno>
#include <memory>
#include <vector>
#include <cstring>

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

// Closes a file descriptor when it goes out of scope.
class OpenFile {
public:
    explicit OpenFile(int fd)
        : m_fd(fd)
    {
    }
    ~OpenFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    OpenFile(const OpenFile &) = delete;
    OpenFile &operator=(const OpenFile &) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

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
    const OpenFile file(::open(QFile::encodeName(diskPath).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
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

// Whether a file may be written at diskPath: not a folder, not read-only, in
// a folder that exists.
Status checkWritableTarget(const QString &diskPath)
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
    return Status::success();
}

} // namespace

Status writeFileAtomically(const QString &diskPath, const QByteArray &data)
{
    const bool existed = QFileInfo::exists(diskPath);
    if (const Status writable = checkWritableTarget(diskPath); !writable)
        return writable;

    QSaveFile file(diskPath);
    if (!file.open(QIODevice::WriteOnly))
        return Status::failure(
            QStringLiteral("%1 could not be written: %2").arg(displayName(diskPath), file.errorString()));
    // Small files stay in the buffer until flushed; commit() would rename the
    // temporary file over the target even when its own final flush fails.
    errno = 0;
    if (file.write(data) != data.size() || !file.flush()) {
        const Status failed = writeFailure(diskPath, file, errno, existed);
        file.cancelWriting();
        return failed;
    }
    errno = 0;
    if (!file.commit())
        return writeFailure(diskPath, file, errno, existed);
    return Status::success();
}

namespace {

// A new file beside a target that takes the target's place once written.
class PendingFile {
public:
    explicit PendingFile(const QString &target)
        : m_target(target)
    {
    }
    // A file never placed is removed.
    ~PendingFile()
    {
        // By name: closing a file whose last write failed fails again, and
        // QFile::remove() then leaves the file.
        if (m_created && !m_placed) {
            m_file.close();
            QFile::remove(m_file.fileName());
        }
    }

    // Writes data to a fresh temporary file and flushes it to the disk.
    Status write(const QByteArray &data)
    {
        const QFileInfo target(m_target);
        for (int attempt = 0; !m_file.isOpen() && attempt < 10; ++attempt) {
            m_file.setFileName(target.dir().filePath(QStringLiteral(".%1.%2.part")
                                                         .arg(target.fileName())
                                                         .arg(QRandomGenerator::global()->generate(), 8, 16,
                                                              QLatin1Char('0'))));
            m_created = m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
        }
        errno = 0;
        if (!m_file.isOpen() || m_file.write(data) != data.size() || !m_file.flush() || ::fsync(m_file.handle()) != 0)
            return writeFailure(m_target, m_file, errno, QFileInfo::exists(m_target));
        if (target.exists())
            m_file.setPermissions(target.permissions());
        m_file.close();
        return Status::success();
    }

    // Puts the written file in the target's place, in one step.
    Status place()
    {
        if (::rename(QFile::encodeName(m_file.fileName()).constData(), QFile::encodeName(m_target).constData()) != 0)
            return Status::failure(QStringLiteral("%1 could not be replaced: %2")
                                       .arg(displayName(m_target), QString::fromLocal8Bit(strerror(errno))));
        m_placed = true;
        return Status::success();
    }

private:
    QString m_target;
    QFile m_file;
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

Status writeFilesTogether(const QList<FileToWrite> &files)
{
    const QString unchanged = QStringLiteral(" Nothing was replaced: %1 stay as they were.").arg(namesOf(files));
    for (const FileToWrite &file : files)
        if (const Status writable = checkWritableTarget(file.diskPath); !writable)
            return Status::failure(writable.error() + unchanged);
    std::vector<std::unique_ptr<PendingFile>> pending;
    for (const FileToWrite &file : files) {
        pending.push_back(std::make_unique<PendingFile>(file.diskPath));
        if (const Status written = pending.back()->write(file.data); !written)
            return Status::failure(written.error() + unchanged);
    }
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

bool writeFully(int fd, const QByteArray &data)
{
    qint64 done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.constData() + done, size_t(data.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

} // namespace tav
