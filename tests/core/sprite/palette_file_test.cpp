#include "core/sprite/palette_file.h"

#include "support/temp_game_folder.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

QByteArray fullPalette(const QByteArray &firstLine)
{
    QByteArray text = firstLine + "\r\n";
    for (int i = 1; i < 256; ++i)
        text += QByteArray::number(i % 64) + ", " + QByteArray::number((i * 2) % 64) + ",0\r\n";
    return text;
}

} // namespace

TEST(PaletteFile, ReadsSixBitTriplesAsFourTimesTheirValue)
{
    const PaletteFile palette = parsePaletteFile(fullPalette("63,63,63"));
    EXPECT_TRUE(palette.complete());
    EXPECT_EQ(palette.coloursRead, 256);
    EXPECT_EQ(palette.colours[0], qRgb(252, 252, 252));
    EXPECT_EQ(palette.colours[5], qRgb(20, 40, 0));
    EXPECT_EQ(palette.entries[5], (PalEntry{20, 40, 0}));
}

TEST(PaletteFile, NumbersMaySpreadOverCommasBlanksAndLines)
{
    QByteArray text = "1 2\n3,4\t5\r\n6";
    for (int i = 2; i < 256; ++i)
        text += " 0 0 0";
    const PaletteFile palette = parsePaletteFile(text);
    EXPECT_TRUE(palette.complete());
    EXPECT_EQ(palette.colours[0], qRgb(4, 8, 12));
    EXPECT_EQ(palette.colours[1], qRgb(16, 20, 24));
}

TEST(PaletteFile, ValuesOutside0To63AreClampedOnScreen)
{
    const PaletteFile palette = parsePaletteFile(fullPalette("64,3000000000000000000,-3000000000000000000"));
    EXPECT_EQ(palette.colours[0], qRgb(255, 255, 0));
}

TEST(PaletteFile, AShortMissingOrGarbledFileLeavesEveryIndexAColour)
{
    PaletteFile palette = parsePaletteFile("10,20,30\r\n1,1,1\r\n2,2");
    EXPECT_FALSE(palette.complete());
    EXPECT_EQ(palette.coloursRead, 2);
    EXPECT_EQ(palette.colours[1], qRgb(4, 4, 4));
    EXPECT_EQ(palette.colours[2], fallbackGrey(2));
    EXPECT_EQ(palette.colours[255], fallbackGrey(255));
    EXPECT_EQ(palette.entries[200], (PalEntry{200, 200, 200}));
    EXPECT_TRUE(palette.problem.contains("only 2 of its 256 colours"));

    palette = parsePaletteFile("1,2,3,abc,4,5");
    EXPECT_EQ(palette.coloursRead, 1);
    EXPECT_TRUE(palette.problem.contains("not a number"));

    test::TempGameFolder tmp;
    palette = readPaletteFile(tmp.disk("GAMEDATA/MASTER.PAL"));
    EXPECT_EQ(palette.coloursRead, 0);
    EXPECT_TRUE(palette.problem.contains("could not be read"));
    EXPECT_EQ(palette.colours[128], fallbackGrey(128));
}
