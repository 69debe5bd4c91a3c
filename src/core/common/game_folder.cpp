#include "core/common/game_folder.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

namespace tav {
namespace {

QString matchInFolder(const QString &folder, const QString &component)
{
    const QString exact = folder + QLatin1Char('/') + component;
    if (QFileInfo::exists(exact))
        return component;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        if (name.compare(component, Qt::CaseInsensitive) == 0)
            return name;
    }
    return QString();
}

} // namespace

GameFolder::GameFolder(QString rootOnDisk)
    : m_root(QDir::cleanPath(QDir(rootOnDisk).absolutePath()))
{
}

QString GameFolder::resolve(const QString &path) const
{
    QString current = m_root;
    bool stillOnDisk = true;
    QString normalized = path;
    normalized.replace(QLatin1Char('/'), QLatin1Char('\\'));
    const QStringList parts = normalized.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        if (part == QLatin1String("."))
            continue;
        QString name = part;
        if (stillOnDisk) {
            const QString found = matchInFolder(current, part);
            if (found.isEmpty())
                stillOnDisk = false;
            else
                name = found;
        }
        current += QLatin1Char('/') + name;
    }
    return current;
}

bool GameFolder::exists(const QString &path) const
{
    return QFileInfo::exists(resolve(path));
}

bool GameFolder::isFolder(const QString &path) const
{
    return QFileInfo(resolve(path)).isDir();
}

QStringList GameFolder::list(const QString &folderPath, const QString &pattern, Entries kind) const
{
    QDir dir(resolve(folderPath));
    if (!dir.exists())
        return {};
    const QDir::Filters filters = (kind == Entries::Files ? QDir::Files : QDir::Dirs | QDir::NoDotAndDotDot)
                                  | QDir::Hidden | QDir::System;
    // Without QDir::CaseSensitive the name filter ignores letter case.
    QStringList names = dir.entryList(QStringList{pattern}, filters, QDir::Unsorted);
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

QString gamePath(std::initializer_list<QString> parts)
{
    QString joined;
    for (const QString &part : parts) {
        if (part.isEmpty())
            continue;
        if (!joined.isEmpty() && !joined.endsWith(QLatin1Char('\\')) && !part.startsWith(QLatin1Char('\\')))
            joined += QLatin1Char('\\');
        joined += part;
    }
    return joined;
}

bool holdsGameData(const QString &diskFolder)
{
    return GameFolder(diskFolder).isFolder(QStringLiteral("GAMEDATA"));
}

} // namespace tav
