// The list files on any bytes: GOALS.DAT, DEF_PIDL.DAT, PEOPLE.DAT,
// SLOTS.INI and ITMNAMES.DAT. Idle sounds and slot names written and read
// back stay the same; goal numbers stay in their list.
#include "core/automap/goal_map_rules.h"
#include "core/definitions/goal_list.h"
#include "core/definitions/idle_sounds.h"
#include "core/definitions/people_file.h"
#include "core/savegame/data_set.h"
#include "core/savegame/inventory.h"
#include "core/savegame/slot_list.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace tav;
    const QStringList lines = fuzz::lines(data, size);

    GoalList goals(lines);
    const int last = highestGoalNumber(goals.descriptions());
    FUZZ_CHECK(last >= 0 && last <= std::max(0, goals.size() - 1));
    for (const QString &line : lines) {
        const int number = wholeValue(clampedNumberText(line, last));
        FUZZ_CHECK(number >= 0 && number <= last);
        goalText(goals.descriptions(), number);
    }
    if (!lines.isEmpty()) {
        goals.add(lines.first(), int(size % 7) - 1);
        goals.rename(int(size % 5), lines.last());
        if (goals.canRemove(0))
            FUZZ_CHECK(goals.remove(0));
    }

    const QList<IdleSound> sounds = parseIdleSounds(lines);
    QList<IdleSound> stored = parseIdleSounds(idleSoundLines(sounds));
    FUZZ_CHECK(parseIdleSounds(idleSoundLines(stored)) == stored);
    for (const IdleSound &sound : sounds) {
        const bool plain = !sound.person.contains(QLatin1Char('\'')) && !sound.sound.contains(QLatin1Char('\''))
                           && !sound.person.isEmpty() && sound.person == sound.person.trimmed() && sound.frame >= 0 && sound.frame <= 99;
        const std::optional<IdleSound> entry = parseIdleSoundEntry(idleSoundEntryText(sound));
        FUZZ_CHECK(!plain || entry == sound);
    }
    for (const QString &line : lines)
        parseIdleSoundEntry(line);

    parsePeople(lines);

    const QStringList slotNames = slotNamesFromLines(lines);
    FUZZ_CHECK(slotNames.size() == kSlotCount);
    const QStringList written = slotFileLines(slotNames);
    FUZZ_CHECK(written.size() == kSlotCount + 1);
    const QStringList reread = slotNamesFromLines(TextFile::fromBytes(TextFile{written, true}.toBytes()).lines);
    for (int i = 0; i < kSlotCount; ++i)
        FUZZ_CHECK(reread[i] == withoutLineBreaks(slotNames[i]));
    dataSetEntries(slotNames);
    for (const QString &name : slotNames)
        replaceUmlauts(name);

    const QStringList items = itemNamesFromLines(lines);
    FUZZ_CHECK(items.size() == lines.size() / 2);
    for (int item = -1; item <= items.size() + 1; ++item)
        itemName(items, item);
    return 0;
}
