#include "run_tavtool.h"

#include "core/sprite/palette_file.h"
#include "core/sprite/sprite_file.h"
#include "support/temp_game_folder.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

namespace tav::test {
namespace {

// The bundled sample's palette and one of its sprites in a fresh game folder.
struct SampleCopy {
    TempGameFolder temp;
    SampleCopy()
    {
        for (const char *file : {"GAMEDATA/MASTER.PAL", "GRAFIK/UNITS/BATU1.SPR"}) {
            QFile sample(QStringLiteral(TAV_SOURCE_DIR "/sample/") + QLatin1String(file));
            EXPECT_TRUE(sample.open(QIODevice::ReadOnly));
            temp.write(QLatin1String(file), sample.readAll());
        }
    }
    ToolRun run(const QStringList &arguments) const { return runTavtool(arguments, temp.root()); }
};

TEST(TavtoolSprite, ADrawnImageIsImportedWithOneCommandAndReplacedOnlyWithForce)
{
    SampleCopy game;
    const PaletteFile palette = readPaletteFile(game.temp.disk("GAMEDATA/MASTER.PAL"));
    QImage drawn(12, 7, QImage::Format_ARGB32);
    drawn.fill(qRgba(0, 0, 0, 0));
    for (int x = 0; x < 12; ++x)
        drawn.setPixel(x, 3, palette.colours[static_cast<std::size_t>(100 + x)]);
    drawn.setPixel(0, 0, qRgb(255, 0, 0)); // not a palette colour
    ASSERT_TRUE(drawn.save(game.temp.disk("walk.png")));

    const QStringList import{"sprite", "import", "walk.png", "\\UNITS\\WALKU1"};
    const ToolRun first = game.run(import);
    EXPECT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_TRUE(first.out.contains("GRAFIK\\UNITS\\WALKU1.SPR written (12 x 7): 84 pixels, 83 of them exactly"))
        << first.out.toStdString();
    const SpriteFileContents walk = parseSpriteFile(game.temp.read("GRAFIK/UNITS/WALKU1.SPR"));
    EXPECT_EQ(walk.width, 12);
    EXPECT_EQ(walk.pixels.at(5, 3), 105);
    EXPECT_EQ(walk.pixels.at(5, 2), 0);

    const ToolRun again = game.run(import);
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.err.contains("exists already; give --force")) << again.err.toStdString();
    EXPECT_EQ(game.run(import + QStringList{"--force"}).exitCode, 0);
}

TEST(TavtoolSprite, ExportSheetAndTheirRefusals)
{
    SampleCopy game;
    const ToolRun exported = game.run({"sprite", "export", "UNITS/BATU1", "bat.png", "--scale", "2"});
    EXPECT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    EXPECT_EQ(QImage(game.temp.disk("bat.png")).size(), QSize(40, 24));

    const ToolRun sheet = game.run({"sprite", "sheet", "\\UNITS", "sheet.png"});
    EXPECT_EQ(sheet.exitCode, 0) << sheet.err.toStdString();
    EXPECT_TRUE(game.temp.exists("sheet.json"));

    EXPECT_EQ(game.run({"sprite", "export", "\\UNITS\\BATU1", "bat.png"}).exitCode, 1); // exists
    EXPECT_EQ(game.run({"sprite", "export", "\\UNITS\\NONE", "none.png"}).exitCode, 1);
    EXPECT_EQ(game.run({"sprite", "sheet", "\\UNITS", "s.png", "--scale", "0"}).exitCode, 2);
    EXPECT_EQ(game.run({"sprite", "paint", "a", "b"}).exitCode, 2);

    QFile::remove(game.temp.disk("GAMEDATA/MASTER.PAL"));
    const ToolRun grey = game.run({"sprite", "sheet", "\\", "grey.png"});
    EXPECT_EQ(grey.exitCode, 1); // GRAFIK itself holds no sprites
    EXPECT_EQ(grey.err.count("grey palette"), 1) << grey.err.toStdString();
    QDir(game.temp.root()).rename("GRAFIK", "ELSEWHERE");
    const ToolRun notGame = game.run({"sprite", "sheet", "\\UNITS", "x.png"});
    EXPECT_EQ(notGame.exitCode, 2);
    EXPECT_TRUE(notGame.err.contains("not a game folder"));
}

} // namespace
} // namespace tav::test
