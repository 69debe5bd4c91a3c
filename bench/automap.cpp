// Speed of the MAP scan, the "MAP exists" test and the re-set of all MAPs
// of a slot, on data sets of realistic size.
#include "core/automap/goal_map_rules.h"
#include "core/automap/map_file_name.h"
#include "core/automap/map_scan.h"
#include "core/automap/slot_map_tools.h"
#include "ui/automap/map_overview.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tav;

namespace {

// Writes `count` MAP files of `bytes` bytes each into folder, spread over
// the world's squares and levels.
void writeMaps(const QString &folder, int count, int bytes)
{
    QDir().mkpath(folder);
    const QByteArray content(bytes, 'm');
    int written = 0;
    for (int z = 0; z < kLevels && written < count; ++z)
        for (int x = 1; x <= kWorldColumns && written < count; ++x)
            for (int y = 1; y <= kWorldRows && written < count; ++y, ++written) {
                QFile file(folder + QLatin1Char('/') + mapFileName(x, y, z));
                file.open(QIODevice::WriteOnly);
                file.write(content);
            }
}

struct World {
    QTemporaryDir dir;
    GameFolder folder{dir.path()};
    explicit World(int defaultMaps, int bytes = 8192)
    {
        writeMaps(dir.path() + QStringLiteral("/GAMEDATA/MAPS"), defaultMaps, bytes);
        QDir().mkpath(dir.path() + QStringLiteral("/GAMEDATA/SAVE1"));
    }
};

void BM_ScanForExistingMaps(benchmark::State &state)
{
    World world(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(scanForExistingMaps(world.folder).count());
}
BENCHMARK(BM_ScanForExistingMaps)->Arg(500)->Unit(benchmark::kMillisecond);

void BM_FinderInAFullFolder(benchmark::State &state)
{
    World world(0);
    writeMaps(world.dir.path() + QStringLiteral("/GAMEDATA/SAVE1"), int(state.range(0)), 64);
    const QString slot = QStringLiteral("GAMEDATA\\SAVE1");
    int x = 0;
    for (auto _ : state) {
        // Alternately a file that exists and one that does not.
        benchmark::DoNotOptimize(mapFileOpens(world.folder, slot, {1 + x % 20, 1 + x % 15, (x % 2) ? 9 : 0}));
        ++x;
    }
}
BENCHMARK(BM_FinderInAFullFolder)->Arg(500)->Unit(benchmark::kMicrosecond);

void BM_ResetAllMaps(benchmark::State &state)
{
    World world(int(state.range(0)));
    const QString slot = QStringLiteral("GAMEDATA\\SAVE1");
    for (auto _ : state) {
        const Result<MapsReset> done = resetAllSlotMaps(world.folder, slot);
        if (!done.ok() || done->copied != state.range(0))
            state.SkipWithError("re-set failed");
    }
}
BENCHMARK(BM_ResetAllMaps)->Arg(300)->Unit(benchmark::kMillisecond);

void BM_OverviewCheckButton(benchmark::State &state)
{
    World world(int(state.range(0)));
    Form4 form(world.folder);
    auto *check = form.findChild<QPushButton *>(QStringLiteral("Command3"));
    for (auto _ : state)
        check->click();
}
BENCHMARK(BM_OverviewCheckButton)->Arg(500)->Unit(benchmark::kMillisecond);

} // namespace
