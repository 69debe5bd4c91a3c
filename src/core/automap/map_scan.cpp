#include "core/automap/map_scan.h"

#include <QDir>
#include <QFileInfo>

namespace tav {

QList<MapFileEntry> listMapFiles(const GameFolder &folder, const QString &folderGamePath)
{
    QList<MapFileEntry> entries;
    const QDir dir(folder.resolve(folderGamePath));
    if (!dir.exists())
        return entries;
    const QFileInfoList infos = dir.entryInfoList({QStringLiteral("*.MAP")},
                                                  QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
    entries.reserve(infos.size());
    for (const QFileInfo &info : infos) {
        const std::optional<MapPosition> position = parseMapFileName(info.fileName());
        if (!position)
            continue;
        entries.append({*position, info.fileName(), info.size(), info.isReadable()});
    }
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
    for (const MapFileEntry &entry : listMapFiles(folder, folderGamePath)) {
        const MapPosition &p = entry.position;
        if (p.z >= 0 && p.z < kLevels && entry.readable && entry.size > 0)
            squares.mark(p.x, p.y);
    }
    return squares;
}

} // namespace tav
