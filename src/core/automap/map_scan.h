#pragma once

#include "core/automap/map_file_name.h"
#include "core/common/game_folder.h"

#include <QList>
#include <QString>

#include <array>

namespace tav {

struct MapFileEntry {
    MapPosition position;
    QString diskName; // as spelled on disk
};

// The MAP files lying directly in a folder, found by listing it once. Only
// names of the form XX-YY-ZZ.MAP (any letter case) are taken; subfolders and
// other files are left out. An empty list when the folder is missing.
QList<MapFileEntry> listMapFiles(const GameFolder &folder, const QString &folderGamePath);

// The squares of the world that have at least one MAP file, on any level
// 0..9, that can be read and is not empty.
class MarkedSquares {
public:
    bool isMarked(int x, int y) const;
    void mark(int x, int y);
    int count() const;

private:
    static constexpr int kSide = kWorldColumns + 1;
    std::array<bool, kSide *(kScannedRows + 1)> m_marked{};
};

// The check of the MAP overview: X 1..20, Y 1..20, levels 0..9 of the default
// data set (or of another folder).
MarkedSquares scanForExistingMaps(const GameFolder &folder,
                                  const QString &folderGamePath = QStringLiteral("GAMEDATA\\MAPS"));

} // namespace tav
