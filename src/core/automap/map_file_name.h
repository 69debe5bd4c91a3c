#pragma once

#include <QString>

#include <optional>

namespace tav {

// The world is a grid of squares; each square has up to ten levels, and each
// square and level is one MAP file of a data set folder.
inline constexpr int kWorldColumns = 20; // X = 1..20
inline constexpr int kWorldRows = 15;    // Y = 1..15
inline constexpr int kScannedRows = 20;  // the overview scan looks at Y = 1..20
inline constexpr int kLevels = 10;       // Z = 0..9

struct MapPosition {
    int x = 0;
    int y = 0;
    int z = 0;
    friend bool operator==(const MapPosition &, const MapPosition &) = default;
};

// Whether a position lies on the world: X 1 to 20, Y 1 to 15, level 0 to 9.
constexpr bool isWorldPosition(const MapPosition &p)
{
    return p.x >= 1 && p.x <= kWorldColumns && p.y >= 1 && p.y <= kWorldRows && p.z >= 0 && p.z < kLevels;
}

// "12-08-01.MAP": X, Y and level as two digits each, joined by '-'.
QString mapFileName(int x, int y, int z);
inline QString mapFileName(const MapPosition &p)
{
    return mapFileName(p.x, p.y, p.z);
}

// The position a MAP file name stands for, in any letter case; nullopt for
// any other name (exactly two digits per coordinate, as the game opens them).
std::optional<MapPosition> parseMapFileName(const QString &name);

// The default data set's folder; a slot's folder is "GAMEDATA\SAVE1" etc.
inline const QString kDefaultDataSetPath = QStringLiteral("GAMEDATA\\MAPS");

// The game path of a MAP file in a data set folder given as a game path:
// "GAMEDATA\SAVE1\03-04-00.MAP".
QString mapFilePath(const QString &dataSetPath, const MapPosition &p);

} // namespace tav
