// Speed of the sprite editor: painting one cell, a fast stroke across the
// canvas, filling all of it, loading a 40 x 40 sprite into the editor, and the
// load dialog listing a folder of 5,000 sprites.
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
#include <QRadioButton>
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

void sendMouse(QWidget *canvas, QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, at, canvas->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(canvas, &event);
}

// A press, one far move across the row and the release, painting 40 cells as
// one undo step, then the repaint of the canvas and the preview.
void BM_StrokeAcross40Cells(benchmark::State &state)
{
    GameFixture game;
    Form12 editor(game.folder);
    editor.paletteWindow();
    editor.show();
    QApplication::processEvents();
    auto *canvas = editor.findChild<QWidget *>("Picture1");
    int step = 0;
    for (auto _ : state) {
        editor.tools().setLeftColour(step % 2 ? 201 : 17);
        const double y = (step % 40) * 12 + 6;
        sendMouse(canvas, QEvent::MouseButtonPress, QPointF(6, y), Qt::LeftButton, Qt::LeftButton);
        sendMouse(canvas, QEvent::MouseMove, QPointF(39 * 12 + 6, y), Qt::NoButton, Qt::LeftButton);
        sendMouse(canvas, QEvent::MouseButtonRelease, QPointF(39 * 12 + 6, y), Qt::LeftButton, Qt::NoButton);
        QApplication::processEvents();
        ++step;
    }
    benchmark::DoNotOptimize(editor.document().cell(39, 0));
}
BENCHMARK(BM_StrokeAcross40Cells)->Unit(benchmark::kMicrosecond);

// A click in the "fill" mode on an empty canvas: all 1,600 cells change,
// then the canvas and the preview repaint.
void BM_FillAll1600Cells(benchmark::State &state)
{
    GameFixture game;
    Form12 editor(game.folder);
    editor.paletteWindow();
    editor.show();
    QApplication::processEvents();
    editor.findChild<QRadioButton *>("Tool_4")->click();
    auto *canvas = editor.findChild<QWidget *>("Picture1");
    int step = 0;
    for (auto _ : state) {
        editor.tools().setLeftColour(step % 2 ? 201 : 17);
        sendMouse(canvas, QEvent::MouseButtonPress, QPointF(6, 6), Qt::LeftButton, Qt::LeftButton);
        sendMouse(canvas, QEvent::MouseButtonRelease, QPointF(6, 6), Qt::LeftButton, Qt::NoButton);
        QApplication::processEvents();
        ++step;
    }
    if (editor.document().cell(39, 39) == 0)
        state.SkipWithError("nothing was filled");
}
BENCHMARK(BM_FillAll1600Cells)->Unit(benchmark::kMicrosecond);

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
