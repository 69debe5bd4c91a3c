#include "full_tmpfs.h"

#include <QFile>

#include <sys/mount.h>

namespace tav::test {

FullTmpfs::FullTmpfs(const QString &folder)
    : m_folder(QFile::encodeName(folder))
{
    m_mounted = ::mount("tmpfs", m_folder.constData(), "tmpfs", 0, "size=64k") == 0;
}

FullTmpfs::~FullTmpfs()
{
    if (m_mounted)
        ::umount(m_folder.constData());
}

void FullTmpfs::fill() const
{
    QFile filler(QFile::decodeName(m_folder) + QStringLiteral("/filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray chunk(512, 'x');
    while (filler.write(chunk) > 0) {
    }
    for (const char byte = 'x'; filler.write(&byte, 1) == 1;) {
    }
}

} // namespace tav::test
