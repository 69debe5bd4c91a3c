// Speed of a rename that touches 200 files (198 units naming one sprite and
// its two sprite files) against writing those 200 files atomically with the
// kit's writer, in turns in the same run: "ratio" is the rename's time over
// the writes'. The rename is all of it: the checker's pass that finds the
// uses, the plan, and making it.
#include "core/check/game_check.h"
#include "core/common/file_io.h"
#include "core/refs/rename_plan.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>

using namespace tav;

namespace {

constexpr int kUnits = 198;

const QByteArray kUnit = "Goblin\r\nGOB\r\n 1 \r\n 2 \r\n 0 \r\n 0 \r\n 5 \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n";

void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_RenameTouching200Files(benchmark::State &state)
{
    QTemporaryDir game;
    QTemporaryDir scratch;
    for (const char *folder : {"GAMEDATA/UNITS", "GRAFIK/UNITS"})
        QDir().mkpath(game.path() + QLatin1Char('/') + QLatin1String(folder));
    for (int i = 0; i < kUnits; ++i)
        put(game.path() + QStringLiteral("/GAMEDATA/UNITS/U%1.UNI").arg(i, 7, 10, QLatin1Char('0')), kUnit);
    put(game.path() + "/GRAFIK/UNITS/GOBU1.SPR", "sprite");
    put(game.path() + "/GRAFIK/UNITS/GOBZ1.SPR", "sprite");
    const GameFolder folder(game.path());

    double writing = 0;
    double renaming = 0;
    bool forth = true;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < kUnits + 2; ++i)
            benchmark::DoNotOptimize(writeFileAtomically(scratch.filePath(QStringLiteral("F%1").arg(i)), kUnit).ok());
        writing += secondsSince(start);

        start = std::chrono::steady_clock::now();
        refs::ReferenceIndex index;
        check::checkGameFolder(game.path(), &index);
        const Result<refs::ChangePlan> plan =
            refs::planRename(folder, index, refs::ReferenceKind::Sprite, forth ? "GOB" : "ORC", forth ? "ORC" : "GOB");
        const bool done = plan && plan->changes.size() == kUnits + 2 && refs::applyPlan(folder, plan.value());
        renaming += secondsSince(start);
        if (!done) {
            state.SkipWithError("the rename failed");
            break;
        }
        forth = !forth;
    }
    const double runs = double(state.iterations());
    state.counters["write_ms"] = 1e3 * writing / runs;
    state.counters["rename_ms"] = 1e3 * renaming / runs;
    state.counters["ratio"] = renaming / writing;
}

} // namespace

BENCHMARK(BM_RenameTouching200Files)->Unit(benchmark::kMillisecond)->Iterations(2);
