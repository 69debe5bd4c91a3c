#pragma once

#include "core/common/game_folder.h"

#include <QString>
#include <QStringList>

namespace tav::enemy {

inline constexpr int kUnitNameLength = 8;

// The unit names of GAMEDATA\UNITS: every "*.UNI" file without its extension,
// upper-cased, in folder order.
QStringList unitNames(const GameFolder &folder);

// GRAFIK\UNITS for ordinary units, GRAFIK\BOSS for bosses.
QString unitSpriteFolder(bool boss);

// The sprite base names offered for a unit: every "*u1.SPR" file of the
// sprite folder without its last 6 characters, upper-cased, in folder order.
QStringList unitSpriteNames(const GameFolder &folder, bool boss);

// The sprite files of a sprite base name B, as game paths: the unit's
// picture B + "U1.SPR" in the sprite folder, and the zombie variant
// B + "Z1.SPR", always in GRAFIK\UNITS. Empty for a name that would leave
// its folder.
QString unitSpriteFile(const QString &spriteName, bool boss);
QString zombieSpriteFile(const QString &spriteName);

// Whether GRAFIK\UNITS holds the zombie variant (B + "Z1.SPR") of a sprite
// and it can be read. Boss sprites are looked up there too.
bool hasZombieSprite(const GameFolder &folder, const QString &spriteName);

// The unit name box after typing: at most 8 characters, upper case, the
// caret where it was (but not beyond the eighth character).
struct TypedUnitName {
    QString text;
    int caret = 0;
};
TypedUnitName fitTypedUnitName(const QString &typed, int caret);

} // namespace tav::enemy
