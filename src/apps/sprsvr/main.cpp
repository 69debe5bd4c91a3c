// SPRSVR, the sprite saver: turns the sprite editor's hand-off file
// SPREDIT.TMP (in the working folder) into a sprite file.
//
//   sprsvr GRAFIK\UNITS\ORC.SPR
//
// The argument is a game path relative to the working folder, resolved
// without regard to letter case; blanks in it are taken as part of the name.
// A missing folder on the way is created. The file is written atomically
// with the leading header "TAVSPR" and the format version byte 0x01. On any
// problem nothing is written, one line goes to stderr and the exit status is
// not 0.

#include "core/common/file_io.h"
#include "core/common/game_folder.h"
#include "core/sprite/handoff_file.h"
#include "core/sprite/sprite_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "sprsvr: %s\n", message.toLocal8Bit().constData());
    return 1;
}

// The target must stay inside the working folder.
bool staysInside(const QString &gamePath)
{
    QString path = gamePath;
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    const QStringList parts = path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    for (const QString &part : parts)
        if (part == QLatin1String("..") || part.contains(QLatin1Char(':')))
            return false;
    return !parts.isEmpty();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty())
        return fail(QStringLiteral("usage: sprsvr GRAFIK\\NAME.SPR (reads SPREDIT.TMP from the working folder)"));
    const QString target = arguments.join(QLatin1Char(' '));
    if (!staysInside(target))
        return fail(QStringLiteral("\"%1\" is not a path inside the working folder").arg(target));

    const tav::GameFolder folder(QDir::currentPath());
    const tav::Result<QByteArray> handoffBytes = tav::readWholeFile(folder.resolve(tav::kHandoffFileName), 1 << 20);
    if (!handoffBytes)
        return fail(handoffBytes.error());
    const tav::Result<tav::HandoffSprite> sprite = tav::parseHandoff(handoffBytes.value());
    if (!sprite)
        return fail(tav::kHandoffFileName + QStringLiteral(": ") + sprite.error() +
                    QStringLiteral("; nothing written"));

    const QString diskPath = folder.resolve(target);
    const QString parent = QFileInfo(diskPath).path();
    if (!QDir().mkpath(parent))
        return fail(QStringLiteral("the folder of %1 could not be created").arg(target));
    const tav::Status written = tav::writeSpriteFile(diskPath, sprite->width, sprite->height, sprite->rowPixels);
    if (!written)
        return fail(written.error());
    return 0;
}
