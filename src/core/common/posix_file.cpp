#include "core/common/posix_file.h"

#include <atomic>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace tav::posix {

FileHandle::~FileHandle()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool FileHandle::close()
{
    return ::close(std::exchange(m_fd, -1)) == 0;
}

int openIn(int folder, const QByteArray &name, int flags, unsigned mode)
{
    int fd;
    do
        fd = ::openat(folder, name.constData(), flags | O_CLOEXEC, mode_t(mode));
    while (fd < 0 && errno == EINTR);
    return fd;
}

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
        // A regular file reads short only at its end.
        if (n == 0 || done < size)
            break;
    }
    return done;
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

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QByteArray temporaryName(const QByteArray &name)
{
    static std::atomic<unsigned> counter{0};
    return '.' + name + '.' + QByteArray::number(qint64(::getpid())) + '-' + QByteArray::number(counter.fetch_add(1)) +
           ".part";
}

} // namespace tav::posix
