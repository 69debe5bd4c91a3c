// Speed of the MAP scan, the "MAP exists" test and the re-set of all MAPs
// of a slot, on data sets of realistic size, beside the system's cp.
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

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

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

// The slot already holds the default MAPs (as after any earlier re-set):
// nothing is written, and repeated runs stay as quick as the first.
void BM_ResetAllMapsAlreadyMatching(benchmark::State &state)
{
    World world(int(state.range(0)));
    const QString slot = QStringLiteral("GAMEDATA\\SAVE1");
    resetAllSlotMaps(world.folder, slot);
    for (auto _ : state) {
        const Result<MapsReset> done = resetAllSlotMaps(world.folder, slot);
        if (!done.ok() || done->unchanged != state.range(0))
            state.SkipWithError("re-set failed");
    }
}
BENCHMARK(BM_ResetAllMapsAlreadyMatching)->Arg(300)->Unit(benchmark::kMillisecond);

// Every slot MAP differs from the default one (changed in place between
// iterations, outside the timing).
struct DifferingSlot {
    World world;
    QString slotDisk = world.dir.path() + QStringLiteral("/GAMEDATA/SAVE1");
    explicit DifferingSlot(int maps)
        : world(maps)
    {
        writeMaps(slotDisk, maps, 8192);
    }

    void changeSlotMaps(benchmark::State &state, int round)
    {
        state.PauseTiming();
        const QByteArray played(8192, char('a' + round % 20));
        for (const QString &name : QDir(slotDisk).entryList({QStringLiteral("*.MAP")}, QDir::Files)) {
            QFile file(slotDisk + QLatin1Char('/') + name);
            file.open(QIODevice::ReadWrite);
            file.write(played);
        }
        state.ResumeTiming();
    }
};

void BM_ResetAllMapsAllDiffer(benchmark::State &state)
{
    DifferingSlot slot(int(state.range(0)));
    int round = 0;
    for (auto _ : state) {
        slot.changeSlotMaps(state, round++);
        const Result<MapsReset> done = resetAllSlotMaps(slot.world.folder, QStringLiteral("GAMEDATA\\SAVE1"));
        if (!done.ok() || done->copied != state.range(0))
            state.SkipWithError("re-set failed");
    }
}
BENCHMARK(BM_ResetAllMapsAllDiffer)->Arg(300)->Unit(benchmark::kMillisecond);

// The baseline: the system's cp copying the default MAPs over the existing
// slot files (one process for all files).
void BM_CpOverExistingMaps(benchmark::State &state)
{
    DifferingSlot slot(int(state.range(0)));
    const QString defaults = slot.world.dir.path() + QStringLiteral("/GAMEDATA/MAPS");
    std::vector<QByteArray> args{"cp"};
    for (const QString &name : QDir(defaults).entryList({QStringLiteral("*.MAP")}, QDir::Files))
        args.push_back(QFile::encodeName(defaults + QLatin1Char('/') + name));
    args.push_back(QFile::encodeName(slot.slotDisk));
    std::vector<char *> argv;
    for (QByteArray &arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    int round = 0;
    for (auto _ : state) {
        slot.changeSlotMaps(state, round++);
        pid_t pid = 0;
        int status = 0;
        if (posix_spawnp(&pid, "cp", nullptr, nullptr, argv.data(), environ) != 0 || waitpid(pid, &status, 0) != pid ||
            status != 0)
            state.SkipWithError("cp failed");
    }
}
BENCHMARK(BM_CpOverExistingMaps)->Arg(300)->Unit(benchmark::kMillisecond);

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
