#include "core/macro/macro_file.h"
#include "core/macro/macro_type.h"
#include "print_text.h"

#include "support/temp_game_folder.h"

#include <gtest/gtest.h>

using namespace tav;
using tav::test::TempGameFolder;

TEST(MacroFile, SavesTheBodyByteForByte)
{
    TempGameFolder tmp;
    tmp.mkdir("GAMEDATA/MAKRO");
    ASSERT_TRUE(saveMacro(tmp.folder(), "Intro", "%MAP\r\nARM ?\r\nEND"));
    EXPECT_EQ(tmp.read("GAMEDATA/MAKRO/Intro.cmd"), "%MAP\r\nARM ?\r\nEND");

    // The name is used as typed; a file of that name in another case is
    // the same file.
    tmp.write("GAMEDATA/MAKRO/OLD.CMD", "x");
    ASSERT_TRUE(saveMacro(tmp.folder(), "old", "new"));
    EXPECT_EQ(tmp.read("GAMEDATA/MAKRO/OLD.CMD"), "new");

    ASSERT_TRUE(saveMacro(tmp.folder(), "", ""));
    EXPECT_TRUE(tmp.exists("GAMEDATA/MAKRO/.cmd"));
}

TEST(MacroFile, KeepsEveryHighByteThroughLoadAndSave)
{
    TempGameFolder tmp;
    QByteArray bytes = "'";
    for (int b = 128; b < 256; ++b)
        bytes.append(char(b));
    bytes += "\r\nEND";
    tmp.write("GAMEDATA/MAKRO/HIGH.CMD", bytes);
    const Result<QByteArray> read = readMacroFile(tmp.folder(), "HIGH");
    ASSERT_TRUE(read);
    const QString body = macroLines(read.value()).join("\r\n");
    ASSERT_TRUE(saveMacro(tmp.folder(), "HIGH", body));
    EXPECT_EQ(tmp.read("GAMEDATA/MAKRO/HIGH.CMD"), bytes);
}

TEST(MacroFile, RefusesNamesThatLeaveTheFolderAndReportsFailedWrites)
{
    TempGameFolder tmp;
    tmp.mkdir("GAMEDATA/MAKRO");
    for (const QString name : {"..\\UNITS\\X", "a/b", ".."})
        EXPECT_FALSE(saveMacro(tmp.folder(), name, "END")) << name.toStdString();
    EXPECT_FALSE(tmp.exists("GAMEDATA/UNITS"));

    tmp.write("GAMEDATA/MAKRO/LOCKED.cmd", "old");
    tmp.makeReadOnly("GAMEDATA/MAKRO/LOCKED.cmd");
    EXPECT_FALSE(saveMacro(tmp.folder(), "LOCKED", "new"));
    EXPECT_EQ(tmp.read("GAMEDATA/MAKRO/LOCKED.cmd"), "old");

    TempGameFolder bare;
    EXPECT_FALSE(saveMacro(bare.folder(), "X", "END"));
    EXPECT_FALSE(bare.exists("GAMEDATA"));
}

TEST(MacroType, LastMatchingLineDecidesAndCaseCounts)
{
    EXPECT_EQ(classifyMacro("ARM ?\r\nEND\r\n").type, kStandardMacro);
    EXPECT_EQ(classifyMacro("%MAP\r\nEND").type, kMapMacro);
    EXPECT_EQ(classifyMacro("POS vWave\r\n").type, kMapMacro);
    EXPECT_EQ(classifyMacro("%MAP\r\nPOS iKey").type, kItemsMacro);
    EXPECT_EQ(classifyMacro("POS iKey\r\nPOS sDoor").type, kMapMacro);
    EXPECT_EQ(classifyMacro("POS IKey\r\nPOS Vx\r\npos i\r\n %MAP\r\nPOS USE_MAGIC").type, kStandardMacro);
}

TEST(MacroType, ShowsTheLastInfoCommentAndNoneForAnEmptyFile)
{
    const MacroInfo info = classifyMacro("'!first\r\nEND\r\n'!second one\r\n' plain");
    EXPECT_EQ(info.info.value_or("none"), "second one");
    EXPECT_FALSE(classifyMacro("' plain\r\n '!indented").info);

    const MacroInfo empty = classifyMacro("");
    EXPECT_EQ(empty.type, kEmptyMacro);
    EXPECT_FALSE(empty.info);
    EXPECT_EQ(classifyMacro("\r\n").type, kStandardMacro);
}
