#include "core/sprite/handoff_file.h"
#include "core/sprite/sprite_name.h"

#include "core/common/text_file.h"

#include <gtest/gtest.h>

using namespace tav;

TEST(Handoff, WritesWidthHeightThenIndicesRowByRow)
{
    CellGrid cells;
    cells.set(0, 0, 7);
    EXPECT_EQ((TextFile{handoffLines(1, 1, cells), true}.toBytes()), QByteArray("1\r\n1\r\n7\r\n"));

    cells.set(1, 0, 1);
    cells.set(2, 0, 2);
    cells.set(0, 1, 10);
    cells.set(1, 1, 11);
    cells.set(2, 1, 255);
    cells.set(3, 0, 99);
    EXPECT_EQ(handoffLines(3, 2, cells), QStringList({"3", "2", "7", "1", "2", "10", "11", "255"}));
}

TEST(Handoff, ParsingTakesBackWhatWasWritten)
{
    const Result<HandoffSprite> sprite = parseHandoff("3\r\n2\r\n7\r\n1\r\n2\r\n10\r\n11\r\n255\r\n\r\n");
    ASSERT_TRUE(sprite) << sprite.error().toStdString();
    EXPECT_EQ(sprite->width, 3);
    EXPECT_EQ(sprite->height, 2);
    EXPECT_EQ(sprite->rowPixels, QByteArray("\x07\x01\x02\x0A\x0B\xFF", 6));
    EXPECT_TRUE(parseHandoff("1\n1\n0")); // bare line ends, last line unended
}

TEST(Handoff, MalformedFilesAreRefusedWithTheLineAtFault)
{
    const struct {
        const char *bytes;
        const char *reason;
    } cases[] = {
        {"", "line 1 is missing"},
        {"2\r\n", "line 2 is missing"},
        {"x\r\n1\r\n0\r\n", "line 1 holds \"x\""},
        {"0\r\n1\r\n", "not a width 1-40"},
        {"41\r\n1\r\n", "not a width 1-40"},
        {"1\r\n-1\r\n0\r\n", "not a height 1-40"},
        {"2\r\n1\r\n5\r\n", "line 4 is missing"},
        {"1\r\n1\r\n256\r\n", "line 3 holds \"256\", not a colour index 0-255"},
        {"1\r\n1\r\n1 2\r\n", "line 3 holds"},
        {"1\r\n1\r\n5\r\n6\r\n", "line 4 follows the last pixel"},
    };
    for (const auto &c : cases) {
        const Result<HandoffSprite> sprite = parseHandoff(QByteArray(c.bytes));
        ASSERT_FALSE(sprite) << c.bytes;
        EXPECT_TRUE(sprite.error().contains(QLatin1String(c.reason))) << sprite.error().toStdString();
    }
}

TEST(SpriteName, TheDosCheckLooksForABackslashInTheLastNineCharacters)
{
    EXPECT_TRUE(isDosSpriteName("\\UNITS\\ORC"));
    EXPECT_TRUE(isDosSpriteName("\\ABCDEFGH"));
    EXPECT_TRUE(isDosSpriteName("\\UNITS\\ABCDEFGH"));
    EXPECT_FALSE(isDosSpriteName("\\ABCDEFGHI"));
    EXPECT_FALSE(isDosSpriteName("\\UNITS\\ABCDEFGHI"));
    EXPECT_FALSE(isDosSpriteName("ORC"));
}

TEST(SpriteName, PathsCommandLinesAndNamesThatLeaveGrafik)
{
    EXPECT_EQ(spriteFileGamePath("\\UNITS\\ORC"), "GRAFIK\\UNITS\\ORC.SPR");
    EXPECT_EQ(saverCommandLine("\\UNITS\\ORC"), "SPRSVR GRAFIK\\UNITS\\ORC.SPR");
    EXPECT_TRUE(checkSpriteFileName("\\ORC"));
    EXPECT_TRUE(checkSpriteFileName("\\UNITS\\ORC"));
    for (const char *bad : {"ORC", "UNITS\\ORC", "\\", "\\UNITS\\", "\\A\\B\\C", "\\..\\ORC", "\\UNITS\\..",
                            "\\C:\\ORC", "\\UNITS/../../ORC"})
        EXPECT_FALSE(checkSpriteFileName(QString::fromLatin1(bad))) << bad;
}

TEST(SpriteName, SplitsIntoTheDialogsFolderAndFileEntries)
{
    const auto split = [](const char *name) {
        const SpriteNameParts p = splitSpriteName(QString::fromLatin1(name));
        return (p.folder + QLatin1Char('|') + p.file).toStdString();
    };
    EXPECT_EQ(split("\\ORC"), "|ORC");
    EXPECT_EQ(split("\\UNITS\\ORC"), "\\UNITS|ORC");
    EXPECT_EQ(split("\\UNITS\\"), "\\UNITS|");
    EXPECT_EQ(split("\\"), "|");
    EXPECT_EQ(split("\\A\\B\\C"), "\\A|B\\C");
}
