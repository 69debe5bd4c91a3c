#include "core/check/folder_listing.h"

#include "core/common/game_folder.h"
#include "core/savegame/data_set.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace tav::check {

ListedFolder ListedFolder::list(const QString &diskPath, const QString &gamePath)
{
    ListedFolder folder;
    folder.m_gamePath = gamePath;
    const QDir dir(diskPath);
    folder.m_exists = !diskPath.isEmpty() && QFileInfo(diskPath).isDir();
    if (!folder.m_exists)
        return folder;
    QFileInfoList infos =
        dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Unsorted);
    std::sort(infos.begin(), infos.end(), [](const QFileInfo &a, const QFileInfo &b) {
        const int c = a.fileName().compare(b.fileName(), Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a.fileName() < b.fileName();
    });
    folder.m_entries.reserve(infos.size());
    for (const QFileInfo &info : infos) {
        const QString name = info.fileName();
        const bool isFolder = info.isDir();
        folder.m_entries.append(
            ListedEntry{name, folder.gamePathOf(name), info.filePath(), isFolder ? 0 : info.size(), isFolder});
    }
    // The first entry of each name is the one found.
    for (qsizetype i = folder.m_entries.size() - 1; i >= 0; --i)
        folder.m_byName.insert(folder.m_entries[i].name.toUpper(), i);
    return folder;
}

const ListedEntry *ListedFolder::find(const QString &name) const
{
    const auto it = m_byName.constFind(name.toUpper());
    return it == m_byName.constEnd() ? nullptr : &m_entries[*it];
}

bool ListedFolder::hasFile(const QString &name) const
{
    const ListedEntry *entry = find(name);
    return entry && !entry->isFolder;
}

QList<std::pair<const ListedEntry *, const ListedEntry *>> ListedFolder::caseClashes() const
{
    QList<std::pair<const ListedEntry *, const ListedEntry *>> clashes;
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        const ListedEntry *first = find(m_entries[i].name);
        if (first != &m_entries[i])
            clashes.append(std::pair(&m_entries[i], first));
    }
    return clashes;
}

ListedFolder ListedFolder::subfolder(const QString &name) const
{
    const ListedEntry *entry = find(name);
    return list(entry && entry->isFolder ? entry->diskPath : QString(), gamePathOf(name));
}

QString ListedFolder::gamePathOf(const QString &name) const
{
    return tav::gamePath({m_gamePath, name});
}

GameListing GameListing::list(const QString &rootOnDisk)
{
    GameListing listing;
    listing.root = ListedFolder::list(GameFolder(rootOnDisk).root(), QString());
    listing.gamedata = listing.root.subfolder(QStringLiteral("GAMEDATA"));
    listing.units = listing.gamedata.subfolder(QStringLiteral("UNITS"));
    listing.macros = listing.gamedata.subfolder(QStringLiteral("MAKRO"));
    listing.grafik = listing.root.subfolder(QStringLiteral("GRAFIK"));
    for (const ListedEntry &entry : listing.grafik.entries())
        if (entry.isFolder)
            listing.spriteFolders.append(listing.grafik.subfolder(entry.name));
    listing.sounds = listing.root.subfolder(QStringLiteral("SOUNDS"));
    listing.dataSets.append(listing.gamedata.subfolder(dataSetFolderName(0)));
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        ListedFolder set = listing.gamedata.subfolder(dataSetFolderName(slot));
        if (set.exists())
            listing.dataSets.append(std::move(set));
    }
    return listing;
}

const ListedFolder *GameListing::spriteFolder(const QString &name) const
{
    const ListedEntry *entry = grafik.find(name);
    if (!entry)
        return nullptr;
    for (const ListedFolder &folder : spriteFolders)
        if (folder.gamePath() == entry->gamePath)
            return &folder;
    return nullptr;
}

QList<const ListedFolder *> GameListing::all() const
{
    QList<const ListedFolder *> folders{&root, &gamedata, &units, &macros, &grafik, &sounds};
    for (const ListedFolder &folder : spriteFolders)
        folders.append(&folder);
    for (const ListedFolder &folder : dataSets)
        folders.append(&folder);
    return folders;
}

} // namespace tav::check
