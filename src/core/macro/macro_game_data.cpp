#include "core/macro/macro_game_data.h"

#include "core/common/text_file.h"
#include "core/definitions/goal_list.h"
#include "core/definitions/idle_sounds.h"
#include "core/savegame/inventory.h"

#include <QFileInfo>

namespace tav {

const SoundFile *MacroGameData::findSound(QStringView name) const
{
    for (const SoundFile &sound : sounds)
        if (sound.name.compare(name, Qt::CaseInsensitive) == 0)
            return &sound;
    return nullptr;
}

MacroGameData MacroGameData::read(const GameFolder &folder)
{
    MacroGameData data;
    if (const Result<TextFile> help = readTextFile(folder.resolve(kCommandHelpPath)))
        data.help = CommandHelp::fromLines(help->lines);
    if (const Result<TextFile> items = readTextFile(folder.resolve(kItemNamesPath))) {
        data.itemNames = itemNamesFromLines(items->lines);
        data.itemsRead = true;
    }
    if (const Result<GoalList> goals = readGoalList(folder)) {
        data.goals = goals->descriptions();
        data.goalsRead = true;
    }
    for (const QString &fileName : folder.list(kSoundsFolder, kSoundFilePattern))
        data.sounds.append({fileName.chopped(4), fileName});
    return data;
}

QList<MacroGameDataCache::Stamp> MacroGameDataCache::stampsOf(const GameFolder &folder)
{
    QList<Stamp> stamps;
    for (const QString &path : {kCommandHelpPath, kItemNamesPath, kGoalsPath, kSoundsFolder}) {
        const QFileInfo info(folder.resolve(path));
        stamps.append(info.exists() ? Stamp{true, info.size(), info.lastModified()} : Stamp{});
    }
    return stamps;
}

std::shared_ptr<const MacroGameData> MacroGameDataCache::dataFor(const GameFolder &folder)
{
    QList<Stamp> stamps = stampsOf(folder);
    Entry &entry = m_entries[folder.root()];
    if (!entry.data || entry.stamps != stamps) {
        entry.data = std::make_shared<const MacroGameData>(MacroGameData::read(folder));
        entry.stamps = std::move(stamps);
    }
    return entry.data;
}

} // namespace tav
