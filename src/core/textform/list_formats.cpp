// The list files of GAMEDATA as JSON: goals, idle sounds, persons, item
// names, slot names, a slot's skill and the automap table.
#include "core/automap/automap_table.h"
#include "core/common/number_field.h"
#include "core/common/text_file.h"
#include "core/definitions/goal_list.h"
#include "core/definitions/idle_sounds.h"
#include "core/definitions/people_file.h"
#include "core/savegame/slot_list.h"
#include "core/textform/formats.h"
#include "core/textform/json_fields.h"

#include <QJsonArray>

#include <functional>
#include <limits>

namespace tav::textform {
namespace {

constexpr long long kLowest = std::numeric_limits<int>::min();
constexpr long long kHighest = std::numeric_limits<int>::max();

QByteArray textBytes(const QStringList &lines)
{
    TextFile file;
    file.lines = lines;
    return file.toBytes();
}

// A file of records of a fixed number of lines under one list member.
class RecordFormat : public NamedTextFormat {
public:
    using ReadRecords = std::function<Result<QJsonArray>(const QStringList &lines)>;
    // Names what it refuses relative to the record (see atElement).
    using WriteRecord = std::function<QStringList(const QJsonValue &record)>;

    RecordFormat(QString id, QString fileName, QString list, ReadRecords read, WriteRecord write)
        : NamedTextFormat(std::move(id), {fileName}, QStringLiteral("GAMEDATA\\") + fileName)
        , m_list(std::move(list))
        , m_read(std::move(read))
        , m_write(std::move(write))
    {
    }

    Result<QJsonObject> read(const QByteArray &bytes) const override
    {
        const Result<QJsonArray> records = m_read(TextFile::fromBytes(bytes).lines);
        if (!records)
            return records.status();
        return QJsonObject{{m_list, records.value()}};
    }

    QByteArray write(const QJsonObject &fields) const override
    {
        const QJsonArray records = arrayAt(fields, m_list);
        QStringList lines;
        for (qsizetype i = 0; i < records.size(); ++i)
            lines += atElement(m_list, i, [&] { return m_write(records[i]); });
        return textBytes(lines);
    }

private:
    QString m_list;
    ReadRecords m_read;
    WriteRecord m_write;
};

// Records of `size` lines; an incomplete last record is left out.
QList<QStringList> records(const QStringList &lines, int size)
{
    QList<QStringList> result;
    for (qsizetype i = 0; i + size <= lines.size(); i += size)
        result.append(lines.mid(i, size));
    return result;
}

Result<QJsonArray> readGoals(const QStringList &lines)
{
    return QJsonArray::fromStringList(lines);
}

Result<QJsonArray> readIdleSounds(const QStringList &lines)
{
    QJsonArray array;
    for (const IdleSound &sound : parseIdleSounds(lines))
        array.append(QJsonObject{{QStringLiteral("person"), sound.person},
                                 {QStringLiteral("frame"), sound.frame},
                                 {QStringLiteral("sound"), sound.sound}});
    return array;
}

QStringList writeIdleSound(const QJsonValue &value)
{
    const QJsonObject record = objectValue(value, QString());
    const QString person = QStringLiteral("person");
    const QString frame = QStringLiteral("frame");
    const QString sound = QStringLiteral("sound");
    return idleSoundLines({IdleSound{lineValue(record.value(person), person),
                                     int(integerValue(record.value(frame), frame, kLowest, kHighest)),
                                     lineValue(record.value(sound), sound)}});
}

// PEOPLE.DAT: key, display name and a third line the kit does not use; a
// last record without its third line gets an empty one.
Result<QJsonArray> readPeople(const QStringList &lines)
{
    QJsonArray array;
    for (qsizetype i = 0; i + 2 <= lines.size(); i += 3)
        array.append(QJsonObject{{QStringLiteral("key"), lines[i]},
                                 {QStringLiteral("name"), lines[i + 1]},
                                 {QStringLiteral("extra"), lines.value(i + 2)}});
    return array;
}

QStringList writePerson(const QJsonValue &value)
{
    const QJsonObject record = objectValue(value, QString());
    QStringList lines;
    for (const QString &member : {QStringLiteral("key"), QStringLiteral("name"), QStringLiteral("extra")})
        lines.append(lineValue(record.value(member), member));
    return lines;
}

// ITMNAMES.DAT: pairs of a line the kit does not use (the game writes the
// item number there) and the item's name.
Result<QJsonArray> readItemNames(const QStringList &lines)
{
    QJsonArray array;
    for (const QStringList &pair : records(lines, 2)) {
        const std::optional<long long> number = parseNumberField(pair[0]);
        array.append(QJsonObject{{QStringLiteral("number"), number ? QJsonValue(double(*number)) : QJsonValue(pair[0])},
                                 {QStringLiteral("name"), pair[1]}});
    }
    return array;
}

QStringList writeItemName(const QJsonValue &value)
{
    const QJsonObject record = objectValue(value, QString());
    const QString numberPath = QStringLiteral("number");
    const QString namePath = QStringLiteral("name");
    const QJsonValue number = record.value(numberPath);
    const QString first = number.isString() ? lineValue(number, numberPath)
                                            : numberField(integerValue(number, numberPath, kLowest, kHighest));
    return {first, lineValue(record.value(namePath), namePath)};
}

// The coordinates of a key line, " 5, 12", with the blanks ignored.
std::optional<std::pair<int, int>> automapCoordinates(const QString &key)
{
    const QStringList parts = key.split(QLatin1Char(','));
    if (parts.size() != 2)
        return std::nullopt;
    const std::optional<long long> x = parseNumberField(parts[0]);
    const std::optional<long long> y = parseNumberField(parts[1]);
    const auto fits = [](const std::optional<long long> &v) { return v && *v >= kLowest && *v <= kHighest; };
    if (!fits(x) || !fits(y))
        return std::nullopt;
    return std::pair{int(x.value()), int(y.value())};
}

Result<QJsonArray> readAutomap(const QStringList &lines)
{
    QJsonArray array;
    for (qsizetype i = 0; i + 2 <= lines.size(); i += 2) {
        const auto square = automapCoordinates(lines[i]);
        if (!square)
            return Result<QJsonArray>::failure(
                QStringLiteral("line %1: '%2' is not a key line such as ' 5, 12'").arg(i + 1).arg(lines[i].left(40)));
        array.append(QJsonObject{{QStringLiteral("X"), square->first},
                                 {QStringLiteral("Y"), square->second},
                                 {QStringLiteral("text"), lines[i + 1]}});
    }
    return array;
}

QStringList writeAutomapEntry(const QJsonValue &value)
{
    const QJsonObject entry = objectValue(value, QString());
    const auto coordinate = [&](const QString &name) {
        return int(integerValue(entry.value(name), name, kLowest, kHighest));
    };
    const int x = coordinate(QStringLiteral("X"));
    const int y = coordinate(QStringLiteral("Y"));
    const QString text = QStringLiteral("text");
    return {automapKey(x, y), lineValue(entry.value(text), text)};
}

// SLOTS.INI: five names; the sixth line is always " 1 ".
class SlotsFormat : public NamedTextFormat {
public:
    SlotsFormat()
        : NamedTextFormat(QStringLiteral("slots"), {QStringLiteral("SLOTS.INI")}, QStringLiteral("GAMEDATA\\SLOTS.INI"))
    {
    }
    Result<QJsonObject> read(const QByteArray &bytes) const override
    {
        return QJsonObject{{QStringLiteral("names"),
                            QJsonArray::fromStringList(slotNamesFromLines(TextFile::fromBytes(bytes).lines))}};
    }
    QByteArray write(const QJsonObject &fields) const override
    {
        const QJsonArray array = arrayAt(fields, QStringLiteral("names"), 5, 5);
        QStringList names;
        for (qsizetype i = 0; i < array.size(); ++i)
            names.append(atElement(QStringLiteral("names"), i, [&] { return lineValue(array[i], QString()); }));
        return textBytes(slotFileLines(names));
    }
};

// SKILL.STS: 1 (normal) or 2 (hard); a file without a number counts as normal.
class SkillFormat : public NamedTextFormat {
public:
    SkillFormat()
        : NamedTextFormat(QStringLiteral("skill"), {QStringLiteral("SKILL.STS")},
                          QStringLiteral("GAMEDATA\\SAVE1\\SKILL.STS"))
    {
    }
    Result<QJsonObject> read(const QByteArray &bytes) const override
    {
        const QStringList lines = TextFile::fromBytes(bytes).lines;
        const std::optional<long long> skill = lines.isEmpty() ? std::nullopt : parseNumberField(lines.first());
        const bool fits = skill && *skill >= kLowest && *skill <= kHighest;
        return QJsonObject{{QStringLiteral("skill"), fits ? double(*skill) : 1.0}};
    }
    QByteArray write(const QJsonObject &fields) const override
    {
        return textBytes({numberField(integerAt(fields, QStringLiteral("skill"), kLowest, kHighest))});
    }
};

} // namespace

const TextFormat &goalsFormat()
{
    static const RecordFormat format(QStringLiteral("goals"), QStringLiteral("GOALS.DAT"), QStringLiteral("goals"),
                                     readGoals,
                                     [](const QJsonValue &value) { return QStringList{lineValue(value, QString())}; });
    return format;
}

const TextFormat &idleSoundsFormat()
{
    static const RecordFormat format(QStringLiteral("idle-sounds"), QStringLiteral("DEF_PIDL.DAT"),
                                     QStringLiteral("sounds"), readIdleSounds, writeIdleSound);
    return format;
}

const TextFormat &peopleFormat()
{
    static const RecordFormat format(QStringLiteral("people"), QStringLiteral("PEOPLE.DAT"), QStringLiteral("people"),
                                     readPeople, writePerson);
    return format;
}

const TextFormat &itemNamesFormat()
{
    static const RecordFormat format(QStringLiteral("item-names"), QStringLiteral("ITMNAMES.DAT"),
                                     QStringLiteral("items"), readItemNames, writeItemName);
    return format;
}

const TextFormat &automapFormat()
{
    static const RecordFormat format(QStringLiteral("automap"), QStringLiteral("AUTOMAP.DAT"),
                                     QStringLiteral("entries"), readAutomap, writeAutomapEntry);
    return format;
}

const TextFormat &slotsFormat()
{
    static const SlotsFormat format;
    return format;
}

const TextFormat &skillFormat()
{
    static const SkillFormat format;
    return format;
}

} // namespace tav::textform
