#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QString>

#include <memory>
#include <optional>

#include <utility>

namespace tav::check {

// A file or folder found by listing a folder of the game folder.
struct ListedEntry {
    QString name;     // as spelled on disk
    QString gamePath; // as the game writes it: "GAMEDATA\UNITS\ORC.UNI"
    QString diskPath;
    bool isFolder = false;

    // The file's size, asked of the disk on first use: the rules that only
    // look at a listing (MAP files) need it, the files that are read do not.
    qint64 size() const;
    mutable qint64 knownSize = -1; // -1 until size() asked
    // The bytes of a file given in memory (see GameListing::ofFiles), read
    // instead of the disk.
    std::optional<QByteArray> contents = std::nullopt;
};

// Files given in memory by their game paths ("GAMEDATA\UNITS\ORC.UNI").
using FilesInMemory = QMap<QString, QByteArray>;

// One folder of the game folder, listed once; every rule looks names up here
// instead of asking the disk again. Names match without regard to letter case,
// as on the game's file system.
class ListedFolder {
public:
    // A folder that does not exist (or is not a folder) lists as empty; so
    // does one that cannot be read, which keeps the reason.
    // shellPath is its path below the game folder as the disk spells it,
    // '/'-separated ("GAMEDATA/UNITS"; empty for the game folder itself).
    static ListedFolder list(const QString &diskPath, const QString &gamePath, const QString &shellPath);
    // The folder of that game path among files given in memory; it exists
    // when a file lies below it.
    static ListedFolder ofFiles(std::shared_ptr<const FilesInMemory> files, const QString &gamePath,
                                const QString &shellPath);

    const QString &gamePath() const { return m_gamePath; }
    const QString &shellPath() const { return m_shellPath; }
    bool exists() const { return m_exists; }
    // Why the folder could not be read ("permission denied"); empty when it
    // was read or does not exist.
    const QString &readError() const { return m_readError; }
    // Sorted without regard to letter case.
    const QList<ListedEntry> &entries() const { return m_entries; }
    // Names that are not valid text, escaped ("\xff.UNI"): the kit cannot
    // open them, so they are not among the entries.
    const QList<ListedEntry> &namesNotText() const { return m_namesNotText; }

    // The entry of a name in any letter case (the first of a clash), or nullptr.
    const ListedEntry *find(const QString &name) const;
    bool hasFile(const QString &name) const;
    // Whether the folder was read and holds no file of that name: what a
    // folder that could not be read holds is not known.
    bool lacksFile(const QString &name) const { return m_readError.isEmpty() && !hasFile(name); }

    // Pairs of names that differ only in letter case: the entry listed later
    // and the one it clashes with.
    QList<std::pair<const ListedEntry *, const ListedEntry *>> caseClashes() const;

    // Lists the subfolder of that name (any letter case); its game path uses
    // the name as given here.
    ListedFolder subfolder(const QString &name) const;

    // The game path of a name in this folder.
    QString gamePathOf(const QString &name) const;
    // The path of a name in this folder as the disk spells it ("GAMEDATA/UNITS/ORC.UNI").
    QString shellPathOf(const QString &name) const;

private:
    QString m_gamePath;
    QString m_shellPath;
    bool m_exists = false;
    QString m_readError;
    QList<ListedEntry> m_entries;
    QList<ListedEntry> m_namesNotText;
    QHash<QString, qsizetype> m_byName; // upper-cased name -> first entry
    std::shared_ptr<const FilesInMemory> m_files; // the files, for a folder listed from memory

    void index();
};

// The folders a check looks at, each listed once.
struct GameListing {
    ListedFolder root;
    ListedFolder gamedata;
    ListedFolder units;
    ListedFolder macros;
    ListedFolder grafik;
    QList<ListedFolder> spriteFolders; // the subfolders of GRAFIK
    ListedFolder sounds;
    // GAMEDATA\MAPS first, then the slot folders SAVE1 to SAVE5 that exist.
    QList<ListedFolder> dataSets;
    // Slot folders that are there but could not be read.
    QList<ListedFolder> unreadableDataSets;

    static GameListing list(const QString &rootOnDisk);
    // The same folders among files given in memory: a game folder of just
    // those files, which the rules check without the disk.
    static GameListing ofFiles(const FilesInMemory &files);

    // The subfolder of GRAFIK of that name (any letter case), or nullptr.
    const ListedFolder *spriteFolder(const QString &name) const;
    // Whether GRAFIK and its subfolder of that name were read and hold no
    // file of that name (a missing subfolder holds none).
    bool spriteFolderLacks(const QString &folder, const QString &file) const;
    // The folders that could not be read, each once.
    QList<const ListedFolder *> unreadable() const;
    // Every listed folder, for the rules that hold in each.
    QList<const ListedFolder *> all() const;

    // The path below the game folder as the disk spells it, '/'-separated, of
    // a game path the rules reported ("GAMEDATA\UNITS\ORC.UNI" gives
    // "GAMEDATA/UNITS/orc.uni" when so spelt); a name not on disk keeps its
    // spelling.
    QString shellPathOf(const QString &gamePath) const;

private:
    // The folders the checks look at, below a listed game folder.
    static GameListing below(ListedFolder root);
};

} // namespace tav::check
