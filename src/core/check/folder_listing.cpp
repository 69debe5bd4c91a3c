#include "core/check/folder_listing.h"

#include "core/common/game_folder.h"
#include "core/savegame/data_set.h"

#include "core/common/file_name_text.h"

#include <QFile>

#include <algorithm>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>

namespace tav::check {

namespace {

QString joined(const QString &folder, const QString &name)
{
    return folder.isEmpty() ? name : folder + QLatin1Char('/') + name;
}

// Whether a directory entry is a folder; links and file systems that do not
// give the type are asked once.
bool isFolderEntry(int folderFd, const dirent &entry)
{
    if (entry.d_type == DT_DIR)
        return true;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN)
        return false;
    struct stat status {};
    return ::fstatat(folderFd, entry.d_name, &status, 0) == 0 && S_ISDIR(status.st_mode);
}

} // namespace

qint64 ListedEntry::size() const
{
    if (knownSize < 0) {
        struct stat status {};
        knownSize = !isFolder && ::stat(QFile::encodeName(diskPath).constData(), &status) == 0 ? status.st_size : 0;
    }
    return knownSize;
}

ListedFolder ListedFolder::list(const QString &diskPath, const QString &gamePath, const QString &shellPath)
{
    ListedFolder folder;
    folder.m_gamePath = gamePath;
    folder.m_shellPath = shellPath;
    // The system's own listing: Qt's would turn a name that is not valid
    // text into one it cannot open, or leave it out.
    DIR *dir = diskPath.isEmpty() ? nullptr : ::opendir(QFile::encodeName(diskPath).constData());
    if (!dir) {
        if (!diskPath.isEmpty() && errno != ENOENT && errno != ENOTDIR) {
            folder.m_readError = QString::fromLocal8Bit(std::strerror(errno));
            if (!folder.m_readError.isEmpty())
                folder.m_readError[0] = folder.m_readError[0].toLower();
        }
        return folder;
    }
    folder.m_exists = true;
    const QString prefix = diskPath.endsWith(QLatin1Char('/')) ? diskPath : diskPath + QLatin1Char('/');
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArrayView raw(entry->d_name);
        if (raw == "." || raw == "..")
            continue;
        const bool isFolder = isFolderEntry(::dirfd(dir), *entry);
        if (const std::optional<QString> name = fileNameText(raw)) {
            folder.m_entries.append(ListedEntry{*name, folder.gamePathOf(*name), prefix + *name, isFolder});
        } else {
            const QString escaped = escapedFileName(raw);
            folder.m_namesNotText.append(ListedEntry{escaped, folder.gamePathOf(escaped), QString(), isFolder});
        }
    }
    ::closedir(dir);
    folder.index();
    return folder;
}

ListedFolder ListedFolder::ofFiles(std::shared_ptr<const FilesInMemory> files, const QString &gamePath,
                                   const QString &shellPath)
{
    ListedFolder folder;
    folder.m_gamePath = gamePath;
    folder.m_shellPath = shellPath;
    const QString prefix = gamePath.isEmpty() ? QString() : gamePath + QLatin1Char('\\');
    QStringList subfolders;
    for (auto it = files->constBegin(); it != files->constEnd(); ++it) {
        if (!it.key().startsWith(prefix, Qt::CaseInsensitive))
            continue;
        folder.m_exists = true;
        const QString below = it.key().mid(prefix.size());
        const qsizetype cut = below.indexOf(QLatin1Char('\\'));
        const QString name = below.left(cut);
        if (cut < 0)
            folder.m_entries.append(
                ListedEntry{name, folder.gamePathOf(name), QString(), false, qint64(it.value().size()), it.value()});
        else if (!subfolders.contains(name))
            subfolders.append(name);
    }
    for (const QString &name : subfolders)
        folder.m_entries.append(ListedEntry{name, folder.gamePathOf(name), QString(), true});
    folder.m_files = std::move(files);
    folder.index();
    return folder;
}

void ListedFolder::index()
{
    std::sort(m_entries.begin(), m_entries.end(), [](const ListedEntry &a, const ListedEntry &b) {
        const int c = a.name.compare(b.name, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a.name < b.name;
    });
    // The first entry of each name is the one found.
    for (qsizetype i = m_entries.size() - 1; i >= 0; --i)
        m_byName.insert(m_entries[i].name.toUpper(), i);
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
    if (m_files)
        return ofFiles(m_files, gamePathOf(entry ? entry->name : name),
                       joined(m_shellPath, entry ? entry->name : name));
    return list(entry && entry->isFolder ? entry->diskPath : QString(), gamePathOf(name),
                joined(m_shellPath, entry ? entry->name : name));
}

QString ListedFolder::gamePathOf(const QString &name) const
{
    return tav::gamePath({m_gamePath, name});
}

QString ListedFolder::shellPathOf(const QString &name) const
{
    return joined(m_shellPath, name);
}

GameListing GameListing::list(const QString &rootOnDisk)
{
    return below(ListedFolder::list(GameFolder(rootOnDisk).root(), QString(), QString()));
}

GameListing GameListing::ofFiles(const FilesInMemory &files)
{
    return below(ListedFolder::ofFiles(std::make_shared<const FilesInMemory>(files), QString(), QString()));
}

GameListing GameListing::below(ListedFolder root)
{
    GameListing listing;
    listing.root = std::move(root);
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
        else if (!set.readError().isEmpty())
            listing.unreadableDataSets.append(std::move(set));
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

bool GameListing::spriteFolderLacks(const QString &folderName, const QString &file) const
{
    if (!grafik.readError().isEmpty())
        return false;
    const ListedFolder *folder = spriteFolder(folderName);
    return !folder || folder->lacksFile(file);
}

QList<const ListedFolder *> GameListing::unreadable() const
{
    QList<const ListedFolder *> folders;
    for (const ListedFolder *folder : all())
        if (!folder->readError().isEmpty())
            folders.append(folder);
    for (const ListedFolder &folder : unreadableDataSets)
        folders.append(&folder);
    return folders;
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

QString GameListing::shellPathOf(const QString &gamePath) const
{
    const qsizetype cut = gamePath.lastIndexOf(QLatin1Char('\\'));
    const QString parent = cut < 0 ? QString() : gamePath.left(cut);
    const QString name = gamePath.mid(cut + 1);
    for (const ListedFolder *folder : all()) {
        if (folder->gamePath() == parent) {
            const ListedEntry *entry = folder->find(name);
            return joined(folder->shellPath(), entry ? entry->name : name);
        }
    }
    return joined(parent.isEmpty() ? QString() : shellPathOf(parent), name);
}

} // namespace tav::check
