// Speed of the sprite editor: painting one cell, loading a 40 x 40 sprite
// into the editor, and the load dialog listing a folder of 5,000 sprites.
// Drives the real windows offscreen.
#include "ui/sprite/sprite_editor.h"
#include "core/sprite/sprite_file.h"
#include "ui/platform/dialogs.h"
#include "ui/sprite/sprite_file_dialog.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tav;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray palette()
{
    QByteArray text;
    for (int i = 0; i < 256; ++i)
        text += QByteArray::number(i % 64) + "," + QByteArray::number((i / 4) % 64) + ",10\r\n";
    return text;
}

QByteArray fullSprite()
{
    QByteArray pixels(1600, '\0');
    for (int i = 0; i < 1600; ++i)
        pixels[i] = char((i * 37) % 256);
    return spriteFileBytes(40, 40, pixels);
}

struct GameFixture {
    QTemporaryDir dir;
    GameFolder folder{dir.path()};
    GameFixture()
    {
        writeFile(dir.path() + "/GAMEDATA/MASTER.PAL", palette());
        writeFile(dir.path() + "/GRAFIK/UNITS/FULL.SPR", fullSprite());
    }
};

// Dragging with the left button held in "pixel" mode: every move enters a new
// cell, which is painted and asked to repaint on the canvas and the preview.
void BM_PaintOneCell(benchmark::State &state)
{
    GameFixture game;
    Form12 editor(game.folder);
    editor.paletteWindow();
    editor.show();
    QApplication::processEvents();
    editor.tools().setLeftColour(201);
    auto *canvas = editor.findChild<QWidget *>("Picture1");
    int step = 0;
    for (auto _ : state) {
        const QPointF at((step % 40) * 12 + 6, ((step / 40) % 40) * 12 + 6);
        QMouseEvent move(QEvent::MouseMove, at, canvas->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(canvas, &move);
        ++step;
        if (step % 1600 == 0) {
            state.PauseTiming();
            QApplication::processEvents();
            state.ResumeTiming();
        }
    }
    benchmark::DoNotOptimize(editor.document().cell(0, 0));
}
BENCHMARK(BM_PaintOneCell);

// "OK" in the load dialog: read the file and put it into the editor's cells,
// size and preview.
void BM_LoadSpriteIntoEditor(benchmark::State &state)
{
    GameFixture game;
    Form12 editor(game.folder);
    editor.paletteWindow();
    editor.show();
    QApplication::processEvents();
    const QString path = game.folder.resolve("GRAFIK\\UNITS\\FULL.SPR");
    for (auto _ : state) {
        const Result<SpriteFileContents> sprite = readSpriteFile(path);
        editor.document().loadSprite(QStringLiteral("\\UNITS\\FULL"), sprite.value());
    }
    benchmark::DoNotOptimize(editor.document().cell(39, 39));
}
BENCHMARK(BM_LoadSpriteIntoEditor)->Unit(benchmark::kMicrosecond);

// Opening the load dialog on a sprite in a folder of 5,000: the folder list,
// the 5,000 names, the selection and the preview.
void BM_DialogListsFolderOf5000(benchmark::State &state)
{
    GameFixture game;
    const QByteArray sprite = fullSprite();
    for (int i = 0; i < 5000; ++i)
        writeFile(game.dir.path() + QStringLiteral("/GRAFIK/BIG/S%1.SPR").arg(i, 4, 10, QLatin1Char('0')), sprite);
    Form12 editor(game.folder);
    editor.paletteWindow();
    for (auto _ : state) {
        Form13 dialog(game.folder, editor.screenPalette(), editor.document());
        dialog.setName(QStringLiteral("\\big\\s4999"));
        if (dialog.findChild<QListWidget *>("List2")->count() != 5000)
            state.SkipWithError("the folder was not listed");
    }
}
BENCHMARK(BM_DialogListsFolderOf5000)->Unit(benchmark::kMillisecond);

} // namespace
