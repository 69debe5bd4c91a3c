#include "file_size_limit.h"

#include <QByteArray>
#include <QProcess>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tav::test {
namespace {

void limitThisProcess(qint64 limitBytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{rlim_t(limitBytes), rlim_t(limitBytes)};
    setrlimit(RLIMIT_FSIZE, &limit);
}

QByteArray readAll(int fd)
{
    QByteArray bytes;
    char chunk[512];
    for (ssize_t n; (n = ::read(fd, chunk, sizeof chunk)) != 0;) {
        if (n < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        bytes.append(chunk, n);
    }
    return bytes;
}

} // namespace

Status runWithFileSizeLimit(qint64 limitBytes, const std::function<Status()> &work)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return Status::failure(QStringLiteral("test harness: no pipe"));
    const pid_t child = ::fork();
    if (child < 0)
        return Status::failure(QStringLiteral("test harness: fork failed"));
    if (child == 0) {
        ::close(channel[0]);
        limitThisProcess(limitBytes);
        const Status outcome = work();
        // The first byte says whether the work succeeded; the message follows.
        const QByteArray report = (outcome ? "1" : "0") + outcome.error().toUtf8();
        // The limit covers files only; the pipe takes the whole report.
        for (qsizetype sent = 0; sent < report.size();) {
            const ssize_t n = ::write(channel[1], report.constData() + sent, size_t(report.size() - sent));
            if (n <= 0)
                break;
            sent += n;
        }
        ::_exit(0);
    }
    ::close(channel[1]);
    const QByteArray report = readAll(channel[0]);
    ::close(channel[0]);
    int childStatus = 0;
    ::waitpid(child, &childStatus, 0);
    if (report.isEmpty())
        return Status::failure(QStringLiteral("test harness: the child reported nothing (status %1)").arg(childStatus));
    if (report[0] == '1')
        return Status::success();
    return Status::failure(QString::fromUtf8(report.mid(1)));
}

void limitFileSizeOf(QProcess &process, qint64 limitBytes)
{
    process.setChildProcessModifier([limitBytes] { limitThisProcess(limitBytes); });
}

} // namespace tav::test
