#include "core/check/rules.h"

#include "core/common/number_field.h"
#include "core/definitions/animation_frames.h"
#include "core/definitions/goal_list.h"
#include "core/definitions/idle_sounds.h"
#include "core/definitions/people_file.h"
#include "core/refs/file_uses.h"

#include <QSet>

namespace tav::check {
namespace {

constexpr int kRecordLines = 3;

// The file name of a path in GAMEDATA.
QString nameIn(const QString &gameDataPath)
{
    return gameDataPath.section(QLatin1Char('\\'), 1);
}

// A file of three-line records whose last record is cut short.
void checkRecords(CheckContext &context, const ListedEntry &entry, const QStringList &lines, const char *code,
                  const QString &consequence)
{
    const qsizetype rest = lines.size() % kRecordLines;
    if (rest != 0)
        context.findings.error(
            entry.gamePath, int(lines.size() - rest) + 1, code,
            QStringLiteral("the last record has only %1 of its three lines; %2").arg(rest).arg(consequence));
}

// The person keys of PEOPLE.DAT in upper case, when it could be read.
std::optional<QSet<QString>> checkPeople(CheckContext &context)
{
    const std::optional<ListedText> people = context.readGameDataText(nameIn(kPeoplePath));
    if (!people)
        return std::nullopt;
    checkRecords(context, *people->entry, people->file.lines, "people-incomplete",
                 QStringLiteral("the game reads it wrongly"));
    QSet<QString> keys;
    for (const Person &person : parsePeople(people->file.lines))
        keys.insert(storedName(person.key));
    return keys;
}

} // namespace

std::optional<int> checkGoals(CheckContext &context)
{
    const std::optional<ListedText> file = context.readGameDataText(nameIn(kGoalsPath));
    if (!file)
        return std::nullopt;
    const GoalList goals(file->file.lines);
    for (int n = 0; n < goals.size(); ++n)
        if (goals.descriptions()[n].trimmed().isEmpty())
            context.findings.warning(file->entry->gamePath, n + 1, "goal-empty",
                                     QStringLiteral("goal %1 has an empty description").arg(n));
    return goals.size();
}

void checkIdleSounds(CheckContext &context)
{
    const std::optional<QSet<QString>> people = checkPeople(context);
    const std::optional<ListedText> file = context.readGameDataText(nameIn(kIdleSoundsPath));
    if (!file)
        return;
    const ListedEntry *entry = file->entry;
    const QStringList &lines = file->file.lines;
    checkRecords(context, *entry, lines, "idle-incomplete", QStringLiteral("the kit drops it"));
    const QList<IdleSound> sounds = parseIdleSounds(lines);
    if (context.index)
        refs::indexIdleSounds(*context.index, entry->gamePath, lines);
    Findings &findings = context.findings;
    for (qsizetype i = 0; i < sounds.size(); ++i) {
        const IdleSound &sound = sounds[i];
        const int line = int(i) * kRecordLines + 1;
        if (people && !people->contains(storedName(sound.person)))
            findings.error(entry->gamePath, line, "idle-person",
                           QStringLiteral("person %1 is not in PEOPLE.DAT").arg(quoted(sound.person)));
        const std::optional<long long> frame = parseNumberField(lines[line]);
        if (!frame || *frame < kFirstAnimationFrame || *frame > kLastAnimationFrame)
            findings.error(entry->gamePath, line + 1, "idle-frame",
                           QStringLiteral("frame %1 is not 0 to 12").arg(quoted(lines[line].trimmed())));
        const QString wav = sound.sound + QStringLiteral(".wav");
        if (context.listing.sounds.lacksFile(wav))
            findings.error(entry->gamePath, line + 2, "idle-sound",
                           QStringLiteral("sound %1 has no %2 in %3").arg(quoted(sound.sound), wav, kSoundsFolder));
    }
}

} // namespace tav::check
