#include "core/enemy/unit_file.h"

#include "core/common/number_field.h"
#include "core/common/text_file.h"
#include "core/common/user_name.h"
#include "core/enemy/unit_codes.h"

#include <QFile>
#include <QFileInfo>

#include <optional>

namespace tav::enemy {
namespace {

// A number field ends at a comma or the line end; blanks around it do not count.
std::optional<long long> readNumberField(const QString &line)
{
    const qsizetype comma = line.indexOf(QLatin1Char(','));
    return parseNumberField(comma < 0 ? QStringView(line) : QStringView(line).left(comma));
}

QString lineFailure(UnitLine line, const char *what)
{
    return QStringLiteral("Line %1 of the unit file %2.").arg(int(line)).arg(QLatin1String(what));
}

} // namespace

QString unitFilePath(const QString &unitName)
{
    return gamePath({QStringLiteral("GAMEDATA"), QStringLiteral("UNITS"), unitName + QStringLiteral(".UNI")});
}

Status checkUnitName(const QString &unitName)
{
    return checkFileName(unitName);
}

QStringList unitFileLines(const Unit &unit)
{
    const int behaviour = 1 + (unit.behaviour >= 0 && unit.behaviour < kBehaviourCount ? unit.behaviour : 0);
    const int shooting = unit.shooting >= 0 && unit.shooting < shootingNames().size() ? unit.shooting : 0;
    FieldWriter out;
    out.text(unit.description)
        .text(unit.sprite)
        .number(unit.boss ? -behaviour : behaviour)
        .number(kSpeedRange.clamp(unit.speed))
        .number(codeForEntry(afraidOfEntries(), unit.afraidOf))
        .number(codeForEntry(cannotBeHurtWithEntries(), unit.cannotBeHurtWith))
        .number(kHealthRange.clamp(unit.health))
        .number(kAttackRange.clamp(unit.attack))
        .number(unit.heavyBody ? 1 : 0)
        .number(unit.zombieLike ? 1 : 0)
        .number(shooting)
        .number(codeForEntry(teleportingEntries(), unit.teleporting));
    return out.lines();
}

UnitReading parseUnitFile(const QStringList &lines)
{
    UnitReading reading;
    Unit &unit = reading.unit;
    auto fail = [&](UnitLine line, const char *what) {
        reading.error = lineFailure(line, what);
        return reading;
    };
    auto number = [&](UnitLine line) -> std::optional<long long> {
        const qsizetype index = int(line) - 1;
        return index < lines.size() ? readNumberField(lines[index]) : std::nullopt;
    };
    auto missing = [&](UnitLine line) { return int(line) > lines.size(); };
    for (int n = int(UnitLine::Behaviour); n <= kUnitFileLines && n <= lines.size(); ++n)
        reading.stored[std::size_t(n)] = readNumberField(lines[n - 1]);

    if (missing(UnitLine::Description))
        return fail(UnitLine::Description, "is missing");
    unit.description = lines[0];
    reading.linesRead = 1;
    if (missing(UnitLine::Sprite))
        return fail(UnitLine::Sprite, "is missing");
    unit.sprite = lines[1];
    reading.linesRead = 2;

    const std::optional<long long> behaviour = number(UnitLine::Behaviour);
    if (!behaviour)
        return fail(UnitLine::Behaviour, "is not a number");
    if (*behaviour == 0 || *behaviour > kBehaviourCount || *behaviour < -kBehaviourCount)
        return fail(UnitLine::Behaviour, "is no behaviour");
    unit.behaviour = int(*behaviour < 0 ? -*behaviour : *behaviour) - 1;
    unit.boss = *behaviour < 0;
    reading.linesRead = 3;

    // The remaining lines are numbers, each turned into what the editor shows.
    for (int lineNumber = int(UnitLine::Speed); lineNumber <= kUnitFileLines; ++lineNumber) {
        const auto line = UnitLine(lineNumber);
        const std::optional<long long> value = number(line);
        if (!value)
            return fail(line, missing(line) ? "is missing" : "is not a number");
        const long long v = *value;
        switch (line) {
        case UnitLine::Speed: unit.speed = kSpeedRange.clamp(v); break;
        case UnitLine::AfraidOf: unit.afraidOf = entryForCode(afraidOfEntries(), v); break;
        case UnitLine::CannotBeHurtWith: unit.cannotBeHurtWith = entryForCode(cannotBeHurtWithEntries(), v); break;
        case UnitLine::Health: unit.health = kHealthRange.clamp(v); break;
        case UnitLine::Attack: unit.attack = kAttackRange.clamp(v); break;
        case UnitLine::HeavyBody: unit.heavyBody = v != 0; break;
        case UnitLine::ZombieLike: unit.zombieLike = v != 0; break;
        case UnitLine::Shooting: unit.shooting = v >= 0 && v < shootingNames().size() ? int(v) : 0; break;
        case UnitLine::Teleporting: {
            const std::optional<int> entry = teleportingEntryFor(v);
            reading.teleportingKept = !entry;
            unit.teleporting = entry.value_or(0);
            break;
        }
        default: break;
        }
        reading.linesRead = lineNumber;
    }
    return reading;
}

UnitReading readUnitFile(const GameFolder &folder, const QString &unitName)
{
    UnitReading reading;
    if (const Status name = checkUnitName(unitName); !name) {
        reading.error = name.error();
        return reading;
    }
    const Result<TextFile> file = readTextFile(folder.resolve(unitFilePath(unitName)));
    if (!file) {
        reading.error = file.error();
        return reading;
    }
    return parseUnitFile(file->lines);
}

Status writeUnitFile(const GameFolder &folder, const QString &unitName, const Unit &unit)
{
    if (const Status name = checkUnitName(unitName); !name)
        return name;
    return writeTextFile(folder.resolve(unitFilePath(unitName)), unitFileLines(unit));
}

Status deleteUnitFile(const GameFolder &folder, const QString &unitName)
{
    if (const Status name = checkUnitName(unitName); !name)
        return name;
    const QString path = folder.resolve(unitFilePath(unitName));
    if (!QFileInfo(path).isFile())
        return Status::success();
    QFile file(path);
    if (!file.remove())
        return Status::failure(QStringLiteral("%1 could not be deleted: %2").arg(unitName, file.errorString()));
    return Status::success();
}

} // namespace tav::enemy
