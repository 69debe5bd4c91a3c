#pragma once
// The system calls under the kit's file readers and writers, wrapped once:
// an open file or folder closed when it goes out of scope, whole reads and
// writes that go on after a signal, and names for temporary files.

#include <QByteArray>
#include <QString>

#include <utility>

namespace tav::posix {

// A file descriptor, closed when it goes out of scope.
class FileHandle {
public:
    explicit FileHandle(int fd = -1)
        : m_fd(fd)
    {
    }
    ~FileHandle();
    FileHandle(FileHandle &&other) noexcept
        : m_fd(std::exchange(other.m_fd, -1))
    {
    }
    FileHandle &operator=(FileHandle &&other) noexcept
    {
        std::swap(m_fd, other.m_fd);
        return *this;
    }
    FileHandle(const FileHandle &) = delete;
    FileHandle &operator=(const FileHandle &) = delete;

    int fd() const { return m_fd; }
    bool isOpen() const { return m_fd >= 0; }
    // Closes now; false when the system reports a failure (a late write error).
    bool close();

private:
    int m_fd;
};

// openat() that goes on after a signal; the descriptor is closed on exec.
int openIn(int folder, const QByteArray &name, int flags, unsigned mode = 0);

// Reads until the buffer is full or the file ends: the bytes read, or -1.
qint64 readFully(int fd, char *buffer, qint64 size);
bool writeFully(int fd, const QByteArray &data);

// The system's text for an errno value.
QString systemError(int error);

// A name for a temporary file beside `name` in its folder, new on each call
// within this program: ".NAME.PID-N.part".
QByteArray temporaryName(const QByteArray &name);

} // namespace tav::posix
