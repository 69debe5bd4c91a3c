#include "core/definitions/idle_sounds.h"

#include "core/common/number_field.h"
#include "core/common/text_file.h"
#include "core/common/windows1252.h"

#include <limits>

namespace tav {
namespace {

const QString kEntryStart = QStringLiteral("Person '");
const QString kEntryMiddle = QStringLiteral("' plays sound '");
const QString kEntryFrame = QStringLiteral("' in frame ");

int frameValue(const QString &field)
{
    constexpr long long limit = std::numeric_limits<int>::max();
    return int(qBound(-limit, rnd(num(field)), limit));
}

} // namespace

QString storedName(const QString &name)
{
    return upperCaseIn1252(name);
}

IdleSound chosenIdleSound(const QString &personKey, const QString &soundFileName, int frame)
{
    return {storedName(personKey), frame, storedName(soundFileName.chopped(qMin<qsizetype>(4, soundFileName.size())))};
}

QString idleSoundEntryText(const IdleSound &sound)
{
    return kEntryStart + sound.person + kEntryMiddle + sound.sound + kEntryFrame + twoDigits(sound.frame);
}

std::optional<IdleSound> parseIdleSoundEntry(const QString &text)
{
    if (!text.startsWith(kEntryStart))
        return std::nullopt;
    const qsizetype personEnd = text.indexOf(QLatin1Char('\''), kEntryStart.size() + 1);
    if (personEnd < 0)
        return std::nullopt;
    const qsizetype soundStart = personEnd + kEntryMiddle.size();
    const qsizetype soundEnd = soundStart <= text.size() ? text.indexOf(QLatin1Char('\''), soundStart) : -1;
    if (soundEnd < 0)
        return std::nullopt;
    IdleSound sound;
    sound.person = text.mid(kEntryStart.size(), personEnd - kEntryStart.size()).trimmed();
    sound.sound = text.mid(soundStart, soundEnd - soundStart);
    sound.frame = frameValue(text.right(2));
    return sound;
}

QList<IdleSound> parseIdleSounds(const QStringList &lines)
{
    QList<IdleSound> sounds;
    for (qsizetype i = 0; i + 2 < lines.size(); i += 3)
        sounds.append({lines[i], frameValue(lines[i + 1]), lines[i + 2]});
    return sounds;
}

QStringList idleSoundLines(const QList<IdleSound> &sounds)
{
    FieldWriter writer;
    for (const IdleSound &sound : sounds)
        writer.text(sound.person.trimmed()).number(sound.frame).text(sound.sound);
    return writer.lines();
}

Result<QList<IdleSound>> readIdleSounds(const GameFolder &folder)
{
    const Result<TextFile> file = readTextFile(folder.resolve(kIdleSoundsPath));
    if (!file)
        return file.status();
    return parseIdleSounds(file->lines);
}

Status writeIdleSounds(const GameFolder &folder, const QList<IdleSound> &sounds)
{
    return writeTextFile(folder.resolve(kIdleSoundsPath), idleSoundLines(sounds));
}

} // namespace tav
