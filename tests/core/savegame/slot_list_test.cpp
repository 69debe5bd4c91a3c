#include "core/savegame/slot_list.h"

#include "support/temp_game_folder.h"

#include <gtest/gtest.h>

using namespace tav;
using tav::test::TempGameFolder;

TEST(SlotList, EntriesNumberTheSlotNamesAfterTheDefaultSet)
{
    TempGameFolder tmp;
    tmp.write("GAMEDATA/SLOTS.INI", "Alpha\r\n<unused>\r\nBeta\r\n<unused>\r\n<unused>\r\n 1 \r\n");
    EXPECT_EQ(dataSetEntries(readSlotNames(tmp.folder())),
              (QStringList{"DEF (Default)", "1. Alpha", "2. <unused>", "3. Beta", "4. <unused>", "5. <unused>"}));
}

TEST(SlotList, ANameWithALineBreakStaysOnItsLine)
{
    TempGameFolder tmp;
    tmp.mkdir("GAMEDATA");
    ASSERT_TRUE(writeSlotNames(tmp.folder(), {"Castle\r\nKeep", "Forest\n", "", "", "Tower"}));
    EXPECT_EQ(tmp.read("GAMEDATA/SLOTS.INI"), "CastleKeep\r\nForest\r\n\r\n\r\nTower\r\n 1 \r\n");
}

TEST(SlotList, MissingOrShortFileGivesEmptyNames)
{
    TempGameFolder tmp;
    EXPECT_EQ(dataSetEntries(readSlotNames(tmp.folder())),
              (QStringList{"DEF (Default)", "1. ", "2. ", "3. ", "4. ", "5. "}));
    tmp.write("gamedata/slots.ini", "Only one");
    EXPECT_EQ(readSlotNames(tmp.folder()), (QStringList{"Only one", "", "", "", ""}));
}

TEST(SlotSkill, ReadsNormalHardAndMissing)
{
    TempGameFolder tmp;
    tmp.write("GAMEDATA/SAVE1/SKILL.STS", " 1 \r\n");
    tmp.write("GAMEDATA/SAVE2/SKILL.STS", " 2 \r\n");
    tmp.write("GAMEDATA/SAVE3/SKILL.STS", "rubbish\r\n");
    tmp.write("GAMEDATA/SAVE4/SKILL.STS", "");
    tmp.mkdir("GAMEDATA/SAVE5");
    EXPECT_EQ(readSlotSkill(tmp.folder(), 1), Skill::Normal);
    EXPECT_EQ(readSlotSkill(tmp.folder(), 2), Skill::Hard);
    EXPECT_EQ(readSlotSkill(tmp.folder(), 3), Skill::Normal);
    EXPECT_EQ(readSlotSkill(tmp.folder(), 4), Skill::Normal);
    EXPECT_FALSE(readSlotSkill(tmp.folder(), 5));
    EXPECT_FALSE(readSlotSkill(tmp.folder(), 0));
}

TEST(SlotDelete, RemovesOnlyTheFilesDirectlyInTheSlotFolder)
{
    TempGameFolder tmp;
    tmp.write("GAMEDATA/SAVE3/PLAYER.STS", "x");
    tmp.write("GAMEDATA/SAVE3/SKILL.STS", " 1 \r\n");
    tmp.write("GAMEDATA/SAVE3/12-08-01.MAP", "m");
    tmp.write("GAMEDATA/SAVE3/KEEP/INNER.TXT", "inner");
    tmp.write("GAMEDATA/SAVE2/PLAYER.STS", "other slot");
    tmp.write("GAMEDATA/MAPS/PLAYER.STS", "default");

    ASSERT_TRUE(deleteSlotFiles(tmp.folder(), 3));
    EXPECT_TRUE(tmp.exists("GAMEDATA/SAVE3"));
    EXPECT_FALSE(tmp.exists("GAMEDATA/SAVE3/PLAYER.STS"));
    EXPECT_FALSE(tmp.exists("GAMEDATA/SAVE3/SKILL.STS"));
    EXPECT_FALSE(tmp.exists("GAMEDATA/SAVE3/12-08-01.MAP"));
    EXPECT_TRUE(tmp.exists("GAMEDATA/SAVE3/KEEP/INNER.TXT"));
    EXPECT_TRUE(tmp.exists("GAMEDATA/SAVE2/PLAYER.STS"));
    EXPECT_TRUE(tmp.exists("GAMEDATA/MAPS/PLAYER.STS"));

    EXPECT_TRUE(deleteSlotFiles(tmp.folder(), 3)) << "an empty folder is no failure";
    EXPECT_TRUE(deleteSlotFiles(tmp.folder(), 4)) << "nor a missing one";
    EXPECT_FALSE(deleteSlotFiles(tmp.folder(), 0)) << "the default set is never deleted";
    EXPECT_TRUE(tmp.exists("GAMEDATA/MAPS/PLAYER.STS"));
}

TEST(SlotNames, UmlautsBecomeTwoLetters)
{
    EXPECT_EQ(replaceUmlauts("Größe"), "Groesse");
    EXPECT_EQ(replaceUmlauts("ÄÖÜäöüß"), "AeOeUeaeoeuess");
    EXPECT_EQ(replaceUmlauts("Café <unused>"), "Café <unused>");
}
