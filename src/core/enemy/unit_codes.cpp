#include "core/enemy/unit_codes.h"

#include "core/common/number_field.h"

#include <algorithm>
#include <array>

namespace tav::enemy {
namespace {

constexpr std::array<CodedEntry, 6> kAfraidOf{{
    {"nothing", 0},
    {"long sword", 2},
    {"burning axe", 4},
    {"upgraded mace", 5},
    {"chainsaw", 6},
    {"upgraded short sword", 8},
}};

constexpr std::array<CodedEntry, 5> kCannotBeHurtWith{{
    {"nothing", 0},
    {"arrows", 1},
    {"arrows of ice", 2},
    {"fireball", 3},
    {"bomb", 5},
}};

constexpr std::array<CodedEntry, 5> kTeleporting{{
    {"none", 0},
    {"seldom (1:100)", 100},
    {"normal (1:40)", 40},
    {"often (1:20)", 20},
    {"very often (1:10)", 10},
}};

} // namespace

QStringList behaviourNames()
{
    return {QStringLiteral("goblin-like"), QStringLiteral("random"), QStringLiteral("attacking"),
            QStringLiteral("distance fight")};
}

std::span<const CodedEntry> afraidOfEntries()
{
    return kAfraidOf;
}

std::span<const CodedEntry> cannotBeHurtWithEntries()
{
    return kCannotBeHurtWith;
}

QStringList shootingNames()
{
    return {QStringLiteral("none"),         QStringLiteral("small stones"),
            QStringLiteral("fireballs"),    QStringLiteral("arrows"),
            QStringLiteral("arrows of ice"), QStringLiteral("bombs"),
            QStringLiteral("snakes (CMDHelp.txt)"), QStringLiteral("magic energy shot"),
            QStringLiteral("magic fire ray")};
}

std::span<const CodedEntry> teleportingEntries()
{
    return kTeleporting;
}

QStringList entryTexts(std::span<const CodedEntry> entries)
{
    QStringList texts;
    for (const CodedEntry &entry : entries)
        texts.append(QString::fromLatin1(entry.text));
    return texts;
}

int entryForCode(std::span<const CodedEntry> entries, long long code)
{
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].code == code)
            return int(i);
    return 0;
}

int codeForEntry(std::span<const CodedEntry> entries, int entry)
{
    if (entry < 0 || std::size_t(entry) >= entries.size())
        return entries.front().code;
    return entries[std::size_t(entry)].code;
}

std::optional<int> teleportingEntryFor(long long value)
{
    if (value < 0)
        return std::nullopt;
    int denominator = 0;
    if (value == 0)
        denominator = 0;
    else if (value <= 15)
        denominator = 10;
    else if (value <= 30)
        denominator = 20;
    else if (value <= 60)
        denominator = 40;
    else
        denominator = 100;
    return entryForCode(kTeleporting, denominator);
}

QString normalizedHealthText(const QString &typed)
{
    // The leading number may carry a fraction; health is stored whole.
    const double value = std::clamp(num(typed), double(kHealthRange.minimum - 1), double(kHealthRange.maximum + 1));
    return QString::number(kHealthRange.clamp(rnd(value)));
}

} // namespace tav::enemy
