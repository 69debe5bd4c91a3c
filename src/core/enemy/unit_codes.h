#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <span>

namespace tav::enemy {

// A list entry of the enemy editor and the number the unit file stores for it.
struct CodedEntry {
    const char *text;
    int code;
};

// Behaviour kinds, stored 1 to 4 (negated for a boss).
inline constexpr int kBehaviourCount = 4;
QStringList behaviourNames();

// "Afraid of" (line 5) and "Cannot be hurt with" (line 6): the entries in list
// order, each with its weapon code. The codes are not list positions.
std::span<const CodedEntry> afraidOfEntries();
std::span<const CodedEntry> cannotBeHurtWithEntries();

// "Shooting" (line 11) stores the list position itself.
QStringList shootingNames();

// "Teleporting" (line 12) stores the chance denominator of the entry.
std::span<const CodedEntry> teleportingEntries();

QStringList entryTexts(std::span<const CodedEntry> entries);

// The list position of a code; the first entry ("nothing") for an unknown code.
int entryForCode(std::span<const CodedEntry> entries, long long code);
// The code of a list position; the first entry's code when out of range.
int codeForEntry(std::span<const CodedEntry> entries, int entry);

// The teleporting entry a stored value falls into: 0 is "none", 1-15 "very
// often", 16-30 "often", 31-60 "normal", above 60 "seldom". A negative value
// selects nothing (the current choice stays).
std::optional<int> teleportingEntryFor(long long value);

struct ValueRange {
    int minimum;
    int maximum;
    int clamp(long long value) const
    {
        return value < minimum ? minimum : value > maximum ? maximum : int(value);
    }
};

inline constexpr ValueRange kSpeedRange{0, 8};
inline constexpr ValueRange kHealthRange{0, 400};
inline constexpr ValueRange kAttackRange{0, 10};

// The health box after the user typed into it: the decimal form of the text's
// leading number (0 when there is none), kept within the health range.
QString normalizedHealthText(const QString &typed);

} // namespace tav::enemy
