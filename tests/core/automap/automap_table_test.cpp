#include "core/automap/automap_table.h"

#include "support/temp_game_folder.h"

#include <gtest/gtest.h>

using namespace tav;
using tav::test::TempGameFolder;

TEST(AutomapKey, HasABlankBeforeEachNonNegativeNumber)
{
    EXPECT_EQ(automapKey(5, 12), QStringLiteral(" 5, 12"));
    EXPECT_EQ(automapKey(20, 1), QStringLiteral(" 20, 1"));
    EXPECT_EQ(automapKey(-3, 0), QStringLiteral("-3, 0"));
}

TEST(AutomapLookup, MatchesWholeKeyLinesAndTheLastEntryWins)
{
    const QStringList lines{" 5, 12", "first", "05,12", "zeros", " 5, 120", "longer key", " 5, 12", "last"};
    EXPECT_EQ(findAutomapString(lines, automapKey(5, 12)), QStringLiteral("last"));
    EXPECT_EQ(findAutomapString(lines, automapKey(5, 120)), QStringLiteral("longer key"));
    EXPECT_EQ(findAutomapString(lines, automapKey(1, 1)), std::nullopt);
}

TEST(AutomapLookup, TakesKeyAndStringAsAPair)
{
    // A string that reads like its own key stays a string, also when it is
    // saved again, and a key on the last line has no string.
    const QStringList lines{" 1, 1", " 1, 1", " 2, 2", "two", " 3, 3"};
    EXPECT_EQ(findAutomapString(lines, automapKey(1, 1)), QStringLiteral(" 1, 1"));
    EXPECT_EQ(findAutomapString(lines, automapKey(3, 3)), std::nullopt);
    EXPECT_EQ(withAutomapString(lines, automapKey(1, 1), " 1, 1"), lines);
    EXPECT_EQ(withAutomapString(lines, automapKey(1, 1), "one"),
              (QStringList{" 1, 1", "one", " 2, 2", "two", " 3, 3"}));
    EXPECT_EQ(withAutomapString(lines, automapKey(3, 3), "new"), lines);
}

TEST(AutomapTableFile, SaveReplacesOnlyTheStringsOfThatSquare)
{
    TempGameFolder tmp;
    const QByteArray original = test::fixture("automap/automap_table.dat");
    tmp.write("GAMEDATA/AUTOMAP.DAT", original);
    ASSERT_TRUE(saveAutomapString(tmp.folder(), 5, 12, QStringLiteral("Ruins \u00e0 l'est")));

    QByteArray expected = original;
    expected.replace("Old text", "Ruins \xe0 l'est");
    expected.replace("Newest text", "Ruins \xe0 l'est");
    EXPECT_EQ(tmp.read("GAMEDATA/AUTOMAP.DAT"), expected);
    EXPECT_FALSE(tmp.exists("GAMEDATA/AUTOMAP.NEW"));
}

TEST(AutomapTableFile, SaveOfAnAbsentKeyRewritesTheTableUnchanged)
{
    TempGameFolder tmp;
    const QByteArray original = test::fixture("automap/automap_table.dat");
    tmp.write("GAMEDATA/AUTOMAP.DAT", original);
    tmp.write("GAMEDATA/AUTOMAP.NEW", "left over from an earlier run");
    ASSERT_TRUE(saveAutomapString(tmp.folder(), 7, 7, QStringLiteral("nowhere")));
    EXPECT_EQ(tmp.read("GAMEDATA/AUTOMAP.DAT"), original);
    EXPECT_FALSE(tmp.exists("GAMEDATA/AUTOMAP.NEW"));

    // Every line is written back with CR LF.
    tmp.write("GAMEDATA/AUTOMAP.DAT", " 1, 2\nold\n 3, 4\r\nkept");
    ASSERT_TRUE(saveAutomapString(tmp.folder(), 3, 3, QStringLiteral("new")));
    EXPECT_EQ(tmp.read("GAMEDATA/AUTOMAP.DAT"), QByteArray(" 1, 2\r\nold\r\n 3, 4\r\nkept\r\n"));
}

TEST(AutomapTableFile, FailedSaveLeavesEveryFileAsItWas)
{
    TempGameFolder tmp;
    const QByteArray original = test::fixture("automap/automap_table.dat");
    tmp.write("GAMEDATA/AUTOMAP.DAT", original);
    // A string that would split its entry in two is refused.
    EXPECT_FALSE(saveAutomapString(tmp.folder(), 1, 1, QStringLiteral("two\r\nlines")).ok());
    EXPECT_EQ(tmp.read("GAMEDATA/AUTOMAP.DAT"), original);

    tmp.makeReadOnly("GAMEDATA/AUTOMAP.DAT");
    EXPECT_FALSE(saveAutomapString(tmp.folder(), 1, 1, QStringLiteral("x")).ok());
    EXPECT_EQ(tmp.read("GAMEDATA/AUTOMAP.DAT"), original);
    EXPECT_FALSE(tmp.exists("GAMEDATA/AUTOMAP.NEW"));
}
