#include "core/automap/map_scan.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace tav {

namespace {

// Calls visit(position, iterator) for every file directly in the folder whose
// name is a MAP file name; the folder is read once.
template <typename Visit> void forEachMapFile(const GameFolder &folder, const QString &folderGamePath, Visit visit)
{
    QDirIterator it(folder.resolve(folderGamePath), QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        if (const std::optional<MapPosition> position = parseMapFileName(it.fileName()))
            visit(*position, it);
    }
}

} // namespace

QList<MapFileEntry> listMapFiles(const GameFolder &folder, const QString &folderGamePath)
{
    QList<MapFileEntry> entries;
    forEachMapFile(folder, folderGamePath, [&](const MapPosition &position, const QDirIterator &it) {
        entries.append({position, it.fileName()});
    });
    return entries;
}

bool MarkedSquares::isMarked(int x, int y) const
{
    if (x < 1 || x > kWorldColumns || y < 1 || y > kScannedRows)
        return false;
    return m_marked[y * kSide + x];
}

void MarkedSquares::mark(int x, int y)
{
    if (x >= 1 && x <= kWorldColumns && y >= 1 && y <= kScannedRows)
        m_marked[y * kSide + x] = true;
}

int MarkedSquares::count() const
{
    int n = 0;
    for (bool marked : m_marked)
        n += marked ? 1 : 0;
    return n;
}

MarkedSquares scanForExistingMaps(const GameFolder &folder, const QString &folderGamePath)
{
    MarkedSquares squares;
    forEachMapFile(folder, folderGamePath, [&](const MapPosition &p, const QDirIterator &it) {
        if (p.z < 0 || p.z >= kLevels || squares.isMarked(p.x, p.y))
            return;
        // Only a file that can be read and holds something counts.
        const QFileInfo info = it.fileInfo();
        if (info.size() > 0 && info.isReadable())
            squares.mark(p.x, p.y);
    });
    return squares;
}

} // namespace tav
