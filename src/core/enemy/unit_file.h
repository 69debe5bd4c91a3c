#pragma once

#include "core/common/game_folder.h"
#include "core/common/result.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace tav::enemy {

inline constexpr int kUnitFileLines = 12;
inline constexpr int kDescriptionLength = 12;

// The lines of a unit file, numbered as in the file.
enum class UnitLine {
    Description = 1,
    Sprite,
    Behaviour,
    Speed,
    AfraidOf,
    CannotBeHurtWith,
    Health,
    Attack,
    HeavyBody,
    ZombieLike,
    Shooting,
    Teleporting,
};

// One enemy unit as the editor holds it: list entries rather than the codes
// the file stores. The defaults are those of a new unit.
struct Unit {
    QString description;
    QString sprite;            // sprite base name B (drawn from B + "U1.SPR")
    int behaviour = 0;         // entry of behaviourNames(); -1 when none is chosen
    bool boss = false;
    int speed = 1;
    int afraidOf = 0;          // entry of afraidOfEntries()
    int cannotBeHurtWith = 0;  // entry of cannotBeHurtWithEntries()
    int health = 5;
    int attack = 1;
    bool heavyBody = false;
    bool zombieLike = false;
    int shooting = 0;          // entry of shootingNames()
    int teleporting = 0;       // entry of teleportingEntries()

    friend bool operator==(const Unit &, const Unit &) = default;
};

// What reading a unit file produced. Reading stops at the first line that is
// missing or unusable; the fields of the lines before it are valid (mapped to
// list entries and clamped to their ranges), the others keep their defaults.
struct UnitReading {
    Unit unit;
    int linesRead = 0;
    // A negative teleporting value names no entry: the current choice stays.
    bool teleportingKept = false;
    QString error;
    // The number stored on each number line (3 to 12) that holds one, as it
    // stands in the file, whether or not reading got that far; indexed by line.
    std::array<std::optional<long long>, kUnitFileLines + 1> stored{};

    bool complete() const { return linesRead == kUnitFileLines; }
    bool has(UnitLine line) const { return linesRead >= int(line); }
};

// "GAMEDATA\UNITS\" + name + ".UNI".
QString unitFilePath(const QString &unitName);

// A unit name must name a file inside GAMEDATA\UNITS.
Status checkUnitName(const QString &unitName);

QStringList unitFileLines(const Unit &unit);
UnitReading parseUnitFile(const QStringList &lines);

UnitReading readUnitFile(const GameFolder &folder, const QString &unitName);
// Creates or replaces the unit file in one step.
Status writeUnitFile(const GameFolder &folder, const QString &unitName, const Unit &unit);
// Deletes the unit file; a missing file is no failure.
Status deleteUnitFile(const GameFolder &folder, const QString &unitName);

} // namespace tav::enemy
