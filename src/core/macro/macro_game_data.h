#pragma once

#include "core/common/game_folder.h"
#include "core/macro/command_help.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>

namespace tav {

inline const QString kItemNamesPath = QStringLiteral("GAMEDATA\\ITMNAMES.DAT");

// A sound file of SOUNDS.
struct SoundFile {
    QString name;     // as a macro names it: the file name without ".wav"
    QString fileName; // as it is on disk
};

// What macro parameters name in a game folder: the command help, the items,
// the goals and the sounds. A file that cannot be read gives nothing of it.
struct MacroGameData {
    CommandHelp help;
    QStringList itemNames; // item k is itemNames[k - 1]
    QStringList goals;     // goal n is goals[n]
    QList<SoundFile> sounds;
    bool itemsRead = false;
    bool goalsRead = false;

    // The sound a macro names, found without regard to letter case; null
    // when SOUNDS has no such file.
    const SoundFile *findSound(QStringView name) const;
    // The line of GAMEDATA\ITMNAMES.DAT that holds the name of item `item`,
    // from 0.
    static int itemNameLine(int item) { return 2 * item - 1; }

    static MacroGameData read(const GameFolder &folder);
};

// The game data of each folder, read again only when one of its files, or
// the list of SOUNDS, changed since the last read (by size and time).
class MacroGameDataCache {
public:
    std::shared_ptr<const MacroGameData> dataFor(const GameFolder &folder);

private:
    struct Stamp {
        bool exists = false;
        qint64 size = -1;
        QDateTime modified;
        friend bool operator==(const Stamp &, const Stamp &) = default;
    };
    static QList<Stamp> stampsOf(const GameFolder &folder);

    struct Entry {
        QList<Stamp> stamps;
        std::shared_ptr<const MacroGameData> data;
    };
    QHash<QString, Entry> m_entries;
};

} // namespace tav
