#include "core/check/rules.h"

#include "core/automap/automap_table.h"
#include "core/automap/goal_map_rules.h"
#include "core/automap/map_scan.h"
#include "core/refs/file_uses.h"

#include <QHash>

namespace tav::check {
namespace {

std::optional<MapPosition> mapPositionOf(const ListedEntry &entry)
{
    const std::optional<MapPosition> p = parseMapFileName(entry.name);
    return p && isWorldPosition(*p) ? p : std::nullopt;
}

bool isMapFile(const ListedEntry &entry)
{
    return entry.name.endsWith(QStringLiteral(".MAP"), Qt::CaseInsensitive);
}

void checkDataSetMaps(CheckContext &context, const ListedFolder &dataSet)
{
    for (const ListedEntry &entry : dataSet.entries()) {
        if (!isMapFile(entry))
            continue;
        context.count();
        if (!context.isFile(entry))
            continue;
        if (!mapPositionOf(entry))
            context.findings.error(entry.gamePath, 0, "map-name",
                                   QStringLiteral("is not named XX-YY-ZZ.MAP for X 01 to 20, Y 01 to 15 and level 00 "
                                                  "to 09; the game never opens it"));
        else if (entry.size() == 0)
            context.findings.warning(entry.gamePath, 0, "map-empty",
                                     QStringLiteral("is empty; the MAP overview does not count it"));
    }
    context.require(dataSet, QStringLiteral("AUTOMAP.STS"), Severity::Warning, "automap-sts-missing");
}

// The squares with a MAP file that is not empty, as the MAP overview marks them.
MarkedSquares squaresWithMaps(const ListedFolder &dataSet)
{
    MarkedSquares squares;
    for (const ListedEntry &entry : dataSet.entries())
        if (const auto p = mapPositionOf(entry); p && !entry.isFolder && entry.size() > 0)
            squares.mark(p->x, p->y);
    return squares;
}

} // namespace

void checkMapFiles(CheckContext &context)
{
    for (const ListedFolder &dataSet : context.listing.dataSets)
        if (dataSet.exists())
            checkDataSetMaps(context, dataSet);
    context.require(context.listing.root, QStringLiteral("AUTOMAP.CHT"), Severity::Warning, "automap-cht-missing");
}

void checkAutomapTable(CheckContext &context)
{
    const std::optional<ListedText> table = context.readGameDataText(QStringLiteral("AUTOMAP.DAT"));
    if (!table)
        return;
    const QStringList &lines = table->file.lines;
    const QString &path = table->entry->gamePath;
    if (context.index)
        refs::indexAutomapTable(*context.index, path, lines);
    Findings &findings = context.findings;
    if (lines.size() % 2 != 0)
        findings.error(path, int(lines.size()), "automap-odd-lines",
                       QStringLiteral("the last key line has no automap string after it"));

    QHash<QString, MapPosition> squares;
    for (int x = 1; x <= kMapXMax; ++x)
        for (int y = 1; y <= kMapYMax; ++y)
            squares.insert(automapKey(x, y), {x, y, 0});
    const MarkedSquares withMaps = squaresWithMaps(context.listing.dataSets.first());
    QHash<QString, int> seen; // key -> line of its first entry
    for (qsizetype i = 0; i < lines.size(); i += 2) {
        const int line = int(i) + 1;
        const auto square = squares.constFind(lines[i]);
        if (square == squares.constEnd()) {
            findings.error(path, line, "automap-key",
                           QStringLiteral("%1 is not a key line ' X, Y' for X 1 to 20 and Y 1 to 15").arg(quoted(lines[i])));
        } else if (const auto first = seen.constFind(lines[i]); first != seen.constEnd()) {
            findings.warning(path, line, "automap-duplicate-key",
                             QStringLiteral("key %1 was already on line %2; only the last entry is read")
                                 .arg(quoted(lines[i]))
                                 .arg(*first));
        } else {
            seen.insert(lines[i], line);
            if (!withMaps.isMarked(square->x, square->y))
                findings.warning(
                    path, line, "automap-no-map",
                    QStringLiteral("square %1, %2 has no MAP file in GAMEDATA\\MAPS").arg(square->x).arg(square->y));
        }
    }
}

} // namespace tav::check
