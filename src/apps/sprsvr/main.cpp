// SPRSVR, the sprite saver: turns the sprite editor's hand-off file
// SPREDIT.TMP (in the working folder) into a sprite file.
//
//   sprsvr GRAFIK\UNITS\ORC.SPR
//
// The argument is a game path relative to the working folder, resolved
// without regard to letter case; blanks in it are taken as part of the name.
// It must name a .SPR file in GRAFIK or one subfolder of it, and links below
// GRAFIK must not lead it out of GRAFIK; any other target is refused with
// exit status 2. A missing folder on the way is created, and
// removed again when the save fails. The file is written atomically with the
// leading header "TAVSPR" and the format version byte 0x01. On any problem
// nothing is written, one line goes to stderr and the exit status is not 0.

#include "core/common/file_io.h"
#include "core/common/game_folder.h"
#include "core/common/write_place.h"
#include "core/sprite/handoff_file.h"
#include "core/sprite/sprite_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

namespace {

constexpr int kFailed = 1;
constexpr int kRefused = 2;

int fail(const QString &message, int status = kFailed)
{
    std::fprintf(stderr, "sprsvr: %s\n", message.toLocal8Bit().constData());
    return status;
}

// The saver writes sprites only: GRAFIK\NAME.SPR or GRAFIK\FOLDER\NAME.SPR.
bool isSpriteTarget(const QString &gamePath)
{
    QString path = gamePath;
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    const QStringList parts = path.split(QLatin1Char('\\'));
    if (parts.size() < 2 || parts.size() > 3 || parts.first().compare(QLatin1String("GRAFIK"), Qt::CaseInsensitive) != 0)
        return false;
    for (const QString &part : parts)
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String("..") || part.contains(QLatin1Char(':')))
            return false;
    const QString &file = parts.last();
    return file.size() > 4 && file.endsWith(QLatin1String(".SPR"), Qt::CaseInsensitive);
}

// The folders on the way to a file that do not exist yet, innermost first.
QStringList missingFolders(const QString &diskPath)
{
    QStringList missing;
    for (QDir dir = QFileInfo(diskPath).dir(); !dir.exists(); dir.setPath(QFileInfo(dir.path()).path()))
        missing.append(dir.path());
    return missing;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty())
        return fail(QStringLiteral("usage: sprsvr GRAFIK\\NAME.SPR (reads SPREDIT.TMP from the working folder)"),
                    kRefused);
    const QString target = arguments.join(QLatin1Char(' '));
    if (!isSpriteTarget(target))
        return fail(QStringLiteral("\"%1\" is not a sprite file: the saver writes only GRAFIK\\NAME.SPR or "
                                   "GRAFIK\\FOLDER\\NAME.SPR; nothing written")
                        .arg(target),
                    kRefused);

    const tav::GameFolder folder(QDir::currentPath());
    const tav::Result<QByteArray> handoffBytes = tav::readWholeFile(folder.resolve(tav::kHandoffFileName), 1 << 20);
    if (!handoffBytes)
        return fail(handoffBytes.error());
    const tav::Result<tav::HandoffSprite> sprite = tav::parseHandoff(handoffBytes.value());
    if (!sprite)
        return fail(tav::kHandoffFileName + QStringLiteral(": ") + sprite.error() +
                    QStringLiteral("; nothing written"));

    const QString diskPath = folder.resolve(target);
    // GRAFIK may lead anywhere (a shared art drive); below it, links must
    // not lead the sprite out of it.
    if (const auto out = tav::linkLeaving(folder.resolve(QStringLiteral("GRAFIK")), diskPath))
        return fail(QStringLiteral("\"%1\" leaves GRAFIK: %2 is a link to %3; nothing written")
                        .arg(target, QDir(folder.root()).relativeFilePath(out->link),
                             out->leadsTo.isEmpty() ? QStringLiteral("a loop of links") : out->leadsTo),
                    kRefused);
    const QStringList made = missingFolders(diskPath);
    const auto removeMade = [&made] {
        for (const QString &dir : made)
            QDir().rmdir(dir);
    };
    if (!QDir().mkpath(QFileInfo(diskPath).path())) {
        removeMade();
        return fail(QStringLiteral("the folder of %1 could not be created; nothing written").arg(target));
    }
    const tav::Status written = tav::writeSpriteFile(diskPath, sprite->width, sprite->height, sprite->rowPixels);
    if (!written) {
        removeMade();
        return fail(written.error());
    }
    return 0;
}
