#include "core/common/write_place.h"

#include "core/common/file_io.h"
#include "core/common/game_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace tav {
namespace {

// Links followed one after another before a chain counts as a loop.
constexpr int kMostLinks = 40;

const char *const kTopLevelFolders[] = {"GAMEDATA", "GRAFIK", "HELP", "SOUNDS"};

QString cleanAbsolute(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

QString parentOf(const QString &cleanPath)
{
    return QFileInfo(cleanPath).path();
}

bool isLink(const QString &path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISLNK(status.st_mode);
}

QString linkText(const QString &path)
{
    QByteArray target(4096, Qt::Uninitialized);
    const ssize_t length = ::readlink(QFile::encodeName(path).constData(), target.data(), std::size_t(target.size()));
    return length < 0 ? QString() : QFile::decodeName(target.left(length));
}

// The path with every link resolved, a link that leads nowhere too: then the
// place it names, with its folder resolved as far as it exists. Empty for a
// loop of links.
QString resolvedPath(QString path)
{
    for (int hops = 0; hops < kMostLinks; ++hops) {
        if (!isLink(path)) {
            const QFileInfo info(path);
            if (info.exists())
                return info.canonicalFilePath();
            const QString folder = QFileInfo(info.path()).canonicalFilePath();
            return folder.isEmpty() ? QDir::cleanPath(path) : folder + QLatin1Char('/') + info.fileName();
        }
        const QString to = linkText(path);
        path = QDir::cleanPath(QDir::isAbsolutePath(to) ? to : parentOf(path) + QLatin1Char('/') + to);
    }
    return QString();
}

bool isInside(const QString &path, const QString &folder)
{
    if (path.isEmpty() || folder.isEmpty())
        return false;
    const QString prefix = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    return path == folder || path.startsWith(prefix);
}

// The parts of a path below a folder it lies in, as written.
QStringList partsBelow(const QString &folder, const QString &path)
{
    if (!isInside(path, folder))
        return {};
    return path.mid(folder.size()).split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

// The nearest folder from `folder` upwards that holds GAMEDATA.
QString gameFolderFrom(QString folder)
{
    for (;;) {
        if (holdsGameData(folder))
            return folder;
        const QString up = parentOf(folder);
        if (up == folder)
            return QString();
        folder = up;
    }
}

// The top-level folder of the game folder that `folder` lies in, or the game
// folder itself.
QString topFolderFor(const QString &gameFolder, const QString &folder)
{
    const QStringList parts = partsBelow(gameFolder, folder);
    if (parts.isEmpty())
        return gameFolder;
    for (const char *top : kTopLevelFolders)
        if (parts.first().compare(QLatin1String(top), Qt::CaseInsensitive) == 0)
            return gameFolder + QLatin1Char('/') + parts.first();
    return gameFolder;
}

// Why a write below `top` of `gameFolder` is refused because of `out`;
// `refused` says what was not written.
Status outside(const QString &refused, const QString &gameFolder, const QString &top, const LinkOutside &out)
{
    const QString within =
        top == gameFolder ? QStringLiteral("the game folder") : partsBelow(gameFolder, top).join(QLatin1Char('/'));
    return Status::failure(QStringLiteral("%1: %2 is a link to %3, which lies outside %4.")
                               .arg(refused, partsBelow(gameFolder, out.link).join(QLatin1Char('/')),
                                    out.leadsTo.isEmpty() ? QStringLiteral("a loop of links") : out.leadsTo, within));
}

Status noFolder(const QString &diskPath)
{
    return Status::failure(QStringLiteral("The folder of %1 does not exist.").arg(displayName(diskPath)));
}

} // namespace

QString gameFolderAround(const QString &diskPath)
{
    return gameFolderFrom(parentOf(cleanAbsolute(diskPath)));
}

std::optional<LinkOutside> linkLeaving(const QString &folder, const QString &diskPath)
{
    const QString from = cleanAbsolute(folder);
    const QString inside = resolvedPath(from);
    QString current = from;
    for (const QString &part : partsBelow(from, cleanAbsolute(diskPath))) {
        current += QLatin1Char('/') + part;
        if (isLink(current)) {
            const QString to = resolvedPath(current);
            if (!isInside(to, inside))
                return LinkOutside{current, to};
        } else if (!QFileInfo::exists(current)) {
            break;
        }
    }
    return std::nullopt;
}

Status staysInside(const QString &diskPath, LinkAtTarget link)
{
    const QString path = cleanAbsolute(diskPath);
    const QString gameFolder = gameFolderFrom(parentOf(path));
    if (gameFolder.isEmpty())
        return Status::success();
    const QString top = topFolderFor(gameFolder, parentOf(path));
    // A link at the target's name that is replaced leads nowhere.
    const auto out = linkLeaving(top, link == LinkAtTarget::Follow ? path : parentOf(path));
    return out ? outside(QStringLiteral("%1 was not written").arg(displayName(diskPath)), gameFolder, top, *out)
               : Status::success();
}

Result<WritePlace> writePlace(const QString &diskPath, LinkAtTarget link)
{
    if (const Status inside = staysInside(diskPath, link); !inside)
        return inside;
    const QString path = cleanAbsolute(diskPath);
    const QFileInfo folder(QFileInfo(parentOf(path)).canonicalFilePath());
    if (folder.filePath().isEmpty() || !folder.isDir())
        return noFolder(diskPath);
    WritePlace place{folder.filePath(), QFileInfo(path).fileName()};
    const QString at = place.folder + QLatin1Char('/') + place.name;
    if (link == LinkAtTarget::Follow && isLink(at)) {
        const QString to = resolvedPath(at);
        if (to.isEmpty())
            return Status::failure(
                QStringLiteral("%1 was not written: it is a link in a loop of links.").arg(displayName(diskPath)));
        const QString toFolder = QFileInfo(parentOf(to)).canonicalFilePath();
        if (toFolder.isEmpty())
            return noFolder(to);
        place = WritePlace{toFolder, QFileInfo(to).fileName()};
    }
    return place;
}

Status mayWriteIn(const QString &folderDiskPath)
{
    const QString path = cleanAbsolute(folderDiskPath);
    const QString gameFolder = gameFolderFrom(path);
    if (gameFolder.isEmpty())
        return Status::success();
    const QString top = topFolderFor(gameFolder, path);
    const auto out = linkLeaving(top, path);
    return out ? outside(QStringLiteral("Nothing was written in %1").arg(displayName(folderDiskPath)), gameFolder, top,
                         *out)
               : Status::success();
}

bool entryExists(const QString &diskPath)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(diskPath).constData(), &status) == 0;
}

} // namespace tav
