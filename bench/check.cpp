// Speed of `tavtool check` on a generated game folder: at scale 1 it holds
// 5,000 sprites, 3,000 MAP files, 500 units, 1,000 macros and 5 slots; scale
// 10 holds ten times as much, to show how the time grows.
//
// The floor it is measured against, in the same run: listing the same folder
// with the system's own directory reading and reading every file whole with
// plain open/read. BM_CheckGameFolder's "ratio" is its time over that floor's
// at the same scale; "us_per_file" is the time per file of each.
#include "core/automap/map_file_name.h"
#include "core/check/game_check.h"
#include "core/refs/reference_index.h"
#include "core/savegame/player_file.h"
#include "core/sprite/sprite_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <map>
#include <memory>

#include <dirent.h>
#include <time.h>
#include <fcntl.h>
#include <unistd.h>

using namespace tav;

namespace {

void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

QByteArray lines(const QStringList &texts)
{
    return (texts.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
}

QString numbered(const char *prefix, int n, int digits)
{
    return QLatin1String(prefix) + QStringLiteral("%1").arg(n, digits, 10, QLatin1Char('0'));
}

class GeneratedGame {
public:
    explicit GeneratedGame(int scale)
    {
        const QString root = m_dir.path();
        for (const char *folder : {"GAMEDATA/UNITS", "GAMEDATA/MAKRO", "GAMEDATA/MAPS", "GRAFIK/UNITS", "SOUNDS"})
            QDir().mkpath(root + QLatin1Char('/') + QLatin1String(folder));
        writeSprites(root, 5000 * scale);
        writeMaps(root, 3000 * scale);
        writeUnits(root, 500 * scale);
        writeMacros(root, 1000 * scale);
        QStringList palette;
        for (int i = 0; i < 256; ++i)
            palette.append(QStringLiteral("%1,%1,%1").arg(i / 4));
        put(root + "/GAMEDATA/MASTER.PAL", lines(palette));
        put(root + "/GAMEDATA/SLOTS.INI", lines({"A", "B", "C", "D", "E", " 1 "}));
        put(root + "/GAMEDATA/GOALS.DAT", lines({"Find the key", "Open the door"}));
        put(root + "/GAMEDATA/ITMNAMES.DAT", lines({" 1 ", "Key", " 2 ", "Potion"}));
        put(root + "/AUTOMAP.CHT", "cheat");
    }

    QString root() const { return m_dir.path(); }

private:
    static void writeSprites(const QString &root, int count)
    {
        const QByteArray sprite = spriteFileBytes(16, 16, QByteArray(256, '\x07'));
        const int perFolder = count / 10;
        for (int i = 0; i < count; ++i) {
            const QString folder = root + QStringLiteral("/GRAFIK/") + numbered("SET", i / perFolder, 2);
            if (i % perFolder == 0)
                QDir().mkpath(folder);
            put(folder + QLatin1Char('/') + numbered("SP", i, 6) + QStringLiteral(".SPR"), sprite);
        }
        put(root + "/GRAFIK/UNITS/GOBU1.SPR", sprite);
    }

    // MAP files over the default set and the five slots; past the 3,000
    // names of a data set the names are not MAP names and get a finding.
    static void writeMaps(const QString &root, int count)
    {
        for (int set = 0, written = 0; set < 6; ++set) {
            const QString folder =
                root + (set == 0 ? QStringLiteral("/GAMEDATA/MAPS") : QStringLiteral("/GAMEDATA/SAVE%1").arg(set));
            QDir().mkpath(folder);
            put(folder + "/PLAYER.STS", lines(playerFileLines(PlayerState())));
            put(folder + "/AUTOMAP.STS", "automap");
            for (int i = 0; i < count / 6 + 1 && written < count; ++i, ++written) {
                const QString name = i < 3000 ? mapFileName(i % 20 + 1, i / 20 % 15 + 1, i / 300)
                                              : numbered("X", i, 7) + QStringLiteral(".MAP");
                put(folder + QLatin1Char('/') + name, "MAP");
            }
        }
        put(root + "/GAMEDATA/SAVE1/SKILL.STS", " 1 \r\n");
    }

    static void writeUnits(const QString &root, int count)
    {
        const QByteArray unit =
            lines({"Goblin", "GOB", " 1 ", " 2 ", " 0 ", " 0 ", " 5 ", " 1 ", " 0 ", " 0 ", " 0 ", " 0 "});
        for (int i = 0; i < count; ++i)
            put(root + QStringLiteral("/GAMEDATA/UNITS/") + numbered("U", i, 7) + QStringLiteral(".UNI"), unit);
    }

    static void writeMacros(const QString &root, int count)
    {
        QStringList body{"'!A generated macro"};
        for (int i = 0; i < 20; ++i)
            body.append(QStringLiteral("MSG 1 Line %1 of the talk").arg(i));
        // Lines that name items, sounds, goals and units, for the index.
        body << "ITM ? 1" << "ITM + 2" << "WAV chime" << "XXX 01 01 1" << "KIL U0000001";
        const QByteArray macro = lines(body);
        for (int i = 0; i < count; ++i)
            put(root + QStringLiteral("/GAMEDATA/MAKRO/") + numbered("M", i, 7) + QStringLiteral(".cmd"), macro);
    }

    QTemporaryDir m_dir;
};

const GeneratedGame &generatedGame(int scale)
{
    static std::map<int, std::unique_ptr<GeneratedGame>> games;
    auto &game = games[scale];
    if (!game)
        game = std::make_unique<GeneratedGame>(scale);
    return *game;
}

// Lists a folder tree and reads every file in it whole; gives the files read.
int readEveryFile(const QByteArray &folder, QByteArray &buffer)
{
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return 0;
    int files = 0;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArrayView name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        const QByteArray path = folder + '/' + name.toByteArray();
        if (entry->d_type == DT_DIR) {
            files += readEveryFile(path, buffer);
            continue;
        }
        const int fd = ::open(path.constData(), O_RDONLY);
        if (fd < 0)
            continue;
        while (::read(fd, buffer.data(), std::size_t(buffer.size())) > 0) {
        }
        ::close(fd);
        ++files;
    }
    ::closedir(dir);
    return files;
}

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The floor's seconds per run, by scale, for the check's ratio.
std::map<int, double> &floorSeconds()
{
    static std::map<int, double> seconds;
    return seconds;
}

void BM_ReadEveryFileFloor(benchmark::State &state)
{
    const int scale = int(state.range(0));
    const QByteArray root = QFile::encodeName(generatedGame(scale).root());
    QByteArray buffer(64 * 1024, Qt::Uninitialized);
    int files = 0;
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        files = readEveryFile(root, buffer);
        seconds += secondsSince(start);
    }
    floorSeconds()[scale] = seconds / double(state.iterations());
    state.counters["files"] = files;
    state.counters["us_per_file"] = 1e6 * floorSeconds()[scale] / files;
    state.SetItemsProcessed(state.iterations() * files);
}

void BM_CheckGameFolder(benchmark::State &state)
{
    const int scale = int(state.range(0));
    const GeneratedGame &game = generatedGame(scale);
    int files = 0;
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const check::CheckReport report = check::checkGameFolder(game.root());
        seconds += secondsSince(start);
        files = report.filesChecked;
        benchmark::DoNotOptimize(report.findings.size());
    }
    const double perRun = seconds / double(state.iterations());
    state.counters["files"] = files;
    state.counters["us_per_file"] = 1e6 * perRun / files;
    if (const auto floor = floorSeconds().find(scale); floor != floorSeconds().end())
        state.counters["ratio"] = perRun / floor->second;
    state.SetItemsProcessed(state.iterations() * files);
}

// Wall and processor time of one run of `work`, added to `times`.
struct Times {
    double wall = 0;
    double cpu = 0;
};

template <typename Work>
void timed(Times &times, Work work)
{
    const auto cpu = [] {
        timespec t{};
        ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return double(t.tv_sec) + 1e-9 * double(t.tv_nsec);
    };
    const double cpuStart = cpu();
    const auto start = std::chrono::steady_clock::now();
    work();
    times.wall += secondsSince(start);
    times.cpu += cpu() - cpuStart;
}

void BM_CheckWithIndex(benchmark::State &state)
{
    const GeneratedGame &game = generatedGame(int(state.range(0)));
    Times check;
    Times indexed;
    Times refs;
    qsizetype uses = 0;
    for (auto _ : state) {
        timed(check, [&] { benchmark::DoNotOptimize(check::checkGameFolder(game.root()).filesChecked); });
        timed(indexed, [&] {
            refs::ReferenceIndex index;
            benchmark::DoNotOptimize(check::checkGameFolder(game.root(), &index).filesChecked);
        });
        timed(refs, [&] {
            refs::ReferenceIndex index;
            check::checkGameFolder(game.root(), &index);
            uses = index.usesOf(refs::ReferenceKind::Item, QStringLiteral("2")).size();
        });
    }
    const double runs = double(state.iterations());
    state.counters["check_ms"] = 1e3 * check.wall / runs;
    state.counters["index_ratio"] = indexed.wall / check.wall;
    state.counters["refs_ratio"] = refs.wall / check.wall;
    state.counters["index_cpu_ratio"] = indexed.cpu / check.cpu;
    state.counters["refs_cpu_ratio"] = refs.cpu / check.cpu;
    state.counters["uses"] = double(uses);
}

} // namespace

// The floor first: the check's ratio needs it.
BENCHMARK(BM_ReadEveryFileFloor)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_CheckGameFolder)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_CheckWithIndex)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(1);
