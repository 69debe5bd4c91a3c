#include "core/common/file_identity.h"

#include "core/common/file_io.h"

#include <QCryptographicHash>
#include <QFile>

#include <sys/stat.h>

namespace tav {
namespace {

struct Stat {
    bool exists = false;
    bool regular = false;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    quint64 inode = 0;
};

Stat statOf(const QString &diskPath)
{
    struct stat status {};
    Stat result;
    if (::stat(QFile::encodeName(diskPath).constData(), &status) != 0)
        return result;
    result.exists = true;
    result.regular = S_ISREG(status.st_mode);
    result.size = status.st_size;
    result.modifiedNs = qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
    result.inode = quint64(status.st_ino);
    return result;
}

QByteArray hashOf(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

// The hash of a file that could not be read: no file's bytes hash to it.
const QByteArray kUnreadable = QByteArrayLiteral("unreadable");

} // namespace

FileIdentity fileIdentity(const QString &diskPath)
{
    const Stat stat = statOf(diskPath);
    FileIdentity identity{stat.exists, stat.size, stat.modifiedNs, stat.inode, {}};
    if (!stat.exists)
        return identity;
    const Result<QByteArray> bytes = stat.regular ? readWholeFile(diskPath) : Result<QByteArray>::failure({});
    identity.hash = bytes ? hashOf(bytes.value()) : kUnreadable;
    return identity;
}

FileIdentity writtenIdentity(const QString &diskPath, const QByteArray &bytes)
{
    const Stat stat = statOf(diskPath);
    return {stat.exists, stat.size, stat.modifiedNs, stat.inode, stat.exists ? hashOf(bytes) : QByteArray()};
}

bool isSameFile(const FileIdentity &known, const QString &diskPath)
{
    const Stat stat = statOf(diskPath);
    if (stat.exists != known.exists)
        return false;
    if (!stat.exists)
        return true;
    if (known.hash == kUnreadable)
        return false;
    if (stat.size == known.size && stat.modifiedNs == known.modifiedNs && stat.inode == known.inode)
        return true;
    if (!stat.regular || stat.size != known.size)
        return false;
    const Result<QByteArray> bytes = readWholeFile(diskPath);
    return bytes && hashOf(bytes.value()) == known.hash;
}

} // namespace tav
