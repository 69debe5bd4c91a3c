// Speed of the sprite editor's operations and the scrapboard's animation:
// the blur filter, a flip and a colour replacement of the whole grid with
// the preview repainted, and one frame of the animation viewer. Drives the
// real windows offscreen.
#include "core/common/program_tables.h"
#include "ui/platform/dialogs.h"
#include "ui/sprite/scrapboard_window.h"
#include "ui/sprite/sprite_editor.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSlider>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tav;

namespace {

QByteArray palette()
{
    QByteArray text;
    for (int i = 0; i < 256; ++i)
        text += QByteArray::number(i % 64) + "," + QByteArray::number((i / 4) % 64) + "," +
                QByteArray::number((i * 7) % 64) + "\r\n";
    return text;
}

// Every cell coloured, so the blur computes all 1600 of them.
CellGrid colourfulCells()
{
    CellGrid cells;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            cells.set(x, y, std::uint8_t(1 + (x * 37 + y * 11) % 255));
    return cells;
}

struct EditorFixture {
    QTemporaryDir dir;
    GameFolder folder{dir.path()};
    std::unique_ptr<Form12> editor;
    QWidget *preview = nullptr;

    EditorFixture()
    {
        QDir().mkpath(dir.path() + "/GAMEDATA");
        QFile file(dir.path() + "/GAMEDATA/MASTER.PAL");
        if (file.open(QIODevice::WriteOnly))
            file.write(palette());
        file.close();
        editor = std::make_unique<Form12>(folder);
        editor->paletteWindow();
        editor->show();
        editor->document().setCells(colourfulCells());
        preview = editor->findChild<QWidget *>("Picture2");
        QApplication::processEvents();
    }
    QAbstractButton *button(const char *name) { return editor->findChild<QAbstractButton *>(name); }
};

// The blur filter itself on the whole grid, with its undo step and the
// repaint requests.
void BM_BlurWholeGrid(benchmark::State &state)
{
    EditorFixture fixture;
    SpriteOperations ops(fixture.editor->document(), fixture.editor->tools());
    for (auto _ : state) {
        state.PauseTiming();
        fixture.editor->document().setCells(colourfulCells());
        state.ResumeTiming();
        ops.blur(programTables().PalRGB);
    }
}
BENCHMARK(BM_BlurWholeGrid)->Unit(benchmark::kMicrosecond);

// The "blur filter" button as the user clicks it: the "Please wait..."
// window comes and goes around the filter.
void BM_BlurButton(benchmark::State &state)
{
    EditorFixture fixture;
    QAbstractButton *blur = fixture.button("Command13");
    for (auto _ : state) {
        state.PauseTiming();
        fixture.editor->document().setCells(colourfulCells());
        state.ResumeTiming();
        blur->click();
    }
}
BENCHMARK(BM_BlurButton)->Unit(benchmark::kMicrosecond);

// A button on the whole grid followed by repainting the preview at once.
void clickAndRepaintPreview(benchmark::State &state, const char *name)
{
    EditorFixture fixture;
    fixture.editor->tools().setLeftColour(1 + 37 % 255);
    fixture.editor->tools().setRightColour(200);
    QAbstractButton *command = fixture.button(name);
    for (auto _ : state) {
        command->click();
        fixture.preview->repaint();
    }
}

void BM_FlipWholeGridWithPreview(benchmark::State &state)
{
    clickAndRepaintPreview(state, "Command9");
}
BENCHMARK(BM_FlipWholeGridWithPreview)->Unit(benchmark::kMicrosecond);

void BM_ReplaceColourWholeGridWithPreview(benchmark::State &state)
{
    clickAndRepaintPreview(state, "Command12");
}
BENCHMARK(BM_ReplaceColourWholeGridWithPreview)->Unit(benchmark::kMicrosecond);

// One tick of the animation timer with the viewer folded out: the next
// frame is drawn into the viewer.
void BM_AnimationFrame(benchmark::State &state)
{
    EditorFixture fixture;
    Form14 *board = fixture.editor->scrapboardWindow();
    board->show();
    for (int frame = 0; frame < 12; ++frame)
        board->Picture2_DragDrop(frame, QStringLiteral("form"));
    board->findChild<QAbstractButton *>("Command1")->click();
    board->findChild<QSlider *>("Slider1")->setValue(12);
    QWidget *viewer = board->findChild<QWidget *>("Preview");
    QApplication::processEvents();
    for (auto _ : state) {
        board->Anim_Timer();
        viewer->repaint();
    }
}
BENCHMARK(BM_AnimationFrame)->Unit(benchmark::kMicrosecond);

} // namespace
