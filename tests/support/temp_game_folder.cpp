#include "temp_game_folder.h"

#include <QBuffer>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <gtest/gtest.h>
#include <unistd.h>

namespace tav::test {

TempGameFolder::TempGameFolder()
    : m_folder(m_dir.path())
{
}

QString TempGameFolder::disk(const QString &relative) const
{
    return m_dir.path() + QLatin1Char('/') + relative;
}

void TempGameFolder::mkdir(const QString &relative) const
{
    QDir().mkpath(disk(relative));
}

void TempGameFolder::write(const QString &relative, const QByteArray &bytes) const
{
    const QString path = disk(relative);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        ADD_FAILURE() << "cannot write fixture " << path.toStdString();
    file.write(bytes);
}

QByteArray TempGameFolder::read(const QString &relative) const
{
    QFile file(disk(relative));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

bool TempGameFolder::exists(const QString &relative) const
{
    return QFileInfo::exists(disk(relative));
}

void TempGameFolder::makeReadOnly(const QString &relative) const
{
    QFile::setPermissions(disk(relative), QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
}

QByteArray redPngBytes(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(QColor(252, 0, 0));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray fixture(const QString &relative)
{
    QFile file(QStringLiteral(TAV_TEST_DATA_DIR) + QLatin1Char('/') + relative);
    if (!file.open(QIODevice::ReadOnly))
        ADD_FAILURE() << "missing fixture " << relative.toStdString();
    return file.readAll();
}

bool runningAsRoot()
{
    return ::geteuid() == 0;
}

} // namespace tav::test
