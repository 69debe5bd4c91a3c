// Speed of tavtool's text forms on long macros: dump, load and show must
// grow linearly with a macro's lines (a line of a 200,000-line macro costs
// about what one of a 20,000-line macro does), and a dump must cost no more
// than a few times the kit's own loading of the same macro into its editor.
//
// Each measure keeps its fastest run so far; "us_per_line" is the time per
// line, "per_line_vs_20000" its ratio to the same measure's fastest run at
// 20,000 lines, and BM_DumpMacro's "ratio_to_kit_load" its time over
// BM_KitLoadsMacro's fastest at the same size, in the same run. Run with
// --benchmark_repetitions=10 and read the medians.
#include "core/textform/text_form.h"
#include "support/macro_text.h"
#include "ui/macro/load_macro_dialog.h"
#include "ui/macro/macro_editor.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <map>

using namespace tav;

namespace {

const QByteArray &macro(int lines)
{
    static std::map<int, QByteArray> macros;
    QByteArray &text = macros[lines];
    if (text.isEmpty())
        text = bench::macroText(lines);
    return text;
}

const textform::TextFormat &macroTextForm()
{
    return *textform::formatById(QStringLiteral("macro"));
}

// The fastest seconds per run of each measure by its name and the macro's
// lines: on a shared machine the fastest is the least disturbed.
std::map<std::pair<std::string, int>, double> &secondsPerRun()
{
    static std::map<std::pair<std::string, int>, double> seconds;
    return seconds;
}

// Runs `work` once per iteration, timing it, and sets the counters.
template <typename Work> void measure(benchmark::State &state, const std::string &name, Work work)
{
    const int lines = int(state.range(0));
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        work(lines);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    const double perRun = seconds / double(state.iterations());
    const auto known = secondsPerRun().find({name, lines});
    if (known == secondsPerRun().end() || perRun < known->second)
        secondsPerRun()[{name, lines}] = perRun;
    state.counters["lines"] = lines;
    state.counters["us_per_line"] = 1e6 * perRun / lines;
    if (const auto small = secondsPerRun().find({name, 20000}); small != secondsPerRun().end() && lines != 20000)
        state.counters["per_line_vs_20000"] = (perRun / lines) / (small->second / 20000);
    if (const auto kit = secondsPerRun().find({"kit", lines}); kit != secondsPerRun().end() && name == "dump")
        state.counters["ratio_to_kit_load"] = perRun / kit->second;
}

// The kit's own load: the load dialog puts the macro into the editor.
void BM_KitLoadsMacro(benchmark::State &state)
{
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(QStringLiteral("GAMEDATA/MAKRO")));
    QFile file(dir.filePath(QStringLiteral("GAMEDATA/MAKRO/LONG.CMD")));
    file.open(QIODevice::WriteOnly);
    file.write(macro(int(state.range(0))));
    file.close();
    const GameFolder folder(dir.path());
    Form2 editor(folder);
    editor.show();
    measure(state, "kit", [&](int) {
        Form3 dialog(folder, editor, &editor);
        auto *list = dialog.findChild<QListWidget *>(QStringLiteral("List1"));
        list->setCurrentItem(list->findItems(QStringLiteral("LONG"), Qt::MatchExactly).first());
        dialog.findChild<QPushButton *>(QStringLiteral("Command1_0"))->click();
        QApplication::processEvents();
    });
}

// tavtool dump: the JSON text of the macro.
void BM_DumpMacro(benchmark::State &state)
{
    measure(state, "dump", [](int lines) {
        const Result<QJsonObject> dump = textform::dumpBytes(macroTextForm(), macro(lines));
        benchmark::DoNotOptimize(QJsonDocument(dump.value()).toJson(QJsonDocument::Indented).size());
    });
}

// tavtool load: the JSON back to bytes, refused or checked as load does.
void BM_LoadMacro(benchmark::State &state)
{
    const int lines = int(state.range(0));
    const QByteArray json =
        QJsonDocument(textform::dumpBytes(macroTextForm(), macro(lines)).value()).toJson(QJsonDocument::Indented);
    measure(state, "load", [&json](int) {
        const Result<QByteArray> bytes = textform::bytesFromDump(textform::parseDump(json).value());
        benchmark::DoNotOptimize(textform::checkerErrors(macroTextForm(), bytes.value()).size());
    });
}

// tavtool show: one value a line.
void BM_ShowMacro(benchmark::State &state)
{
    measure(state, "show", [](int lines) {
        const Result<QJsonObject> dump = textform::dumpBytes(macroTextForm(), macro(lines));
        benchmark::DoNotOptimize(macroTextForm().showLines(dump.value()).join(QLatin1Char('\n')).size());
    });
}

} // namespace

// The kit's load first, and each measure at 20,000 lines before 200,000:
// the ratios need them.
BENCHMARK(BM_KitLoadsMacro)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_DumpMacro)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_LoadMacro)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ShowMacro)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond)->Iterations(1);
