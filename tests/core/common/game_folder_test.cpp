#include "core/common/game_folder.h"

#include "support/temp_game_folder.h"

#include <gtest/gtest.h>

using namespace tav;
using tav::test::TempGameFolder;

TEST(GameFolder, MatchesExistingComponentsInAnyCase)
{
    TempGameFolder tmp;
    tmp.write("GameData/Maps/player.sts", "x");
    EXPECT_EQ(tmp.folder().resolve("GAMEDATA\\MAPS\\PLAYER.STS"), tmp.disk("GameData/Maps/player.sts"));
    EXPECT_EQ(tmp.folder().resolve("gamedata/maps/Player.Sts"), tmp.disk("GameData/Maps/player.sts"));
    EXPECT_TRUE(tmp.folder().exists("GAMEDATA\\MAPS\\PLAYER.STS"));
}

TEST(GameFolder, NewComponentsKeepTheirSpellingUnderExistingFolders)
{
    TempGameFolder tmp;
    tmp.mkdir("gamedata/maps");
    EXPECT_EQ(tmp.folder().resolve("GAMEDATA\\MAPS\\NEW.STS"), tmp.disk("gamedata/maps/NEW.STS"));
    EXPECT_EQ(tmp.folder().resolve("GAMEDATA\\SAVE1\\PLAYER.STS"), tmp.disk("gamedata/SAVE1/PLAYER.STS"));
    EXPECT_FALSE(tmp.folder().exists("GAMEDATA\\SAVE1"));
}

TEST(GameFolder, PrefersTheExactSpellingWhenSeveralMatch)
{
    TempGameFolder tmp;
    tmp.write("GRAFIK/orc.SPR", "a");
    tmp.write("GRAFIK/ORC.SPR", "b");
    EXPECT_EQ(tmp.folder().resolve("GRAFIK\\ORC.SPR"), tmp.disk("GRAFIK/ORC.SPR"));
    EXPECT_EQ(tmp.folder().resolve("GRAFIK\\orc.SPR"), tmp.disk("GRAFIK/orc.SPR"));
}

TEST(GameFolder, SkipsEmptyComponentsAndLeadingBackslashes)
{
    TempGameFolder tmp;
    tmp.write("GRAFIK/UNITS/ORCU1.SPR", "x");
    EXPECT_EQ(tmp.folder().resolve(gamePath({"GRAFIK", "\\UNITS\\ORCU1.SPR"})), tmp.disk("GRAFIK/UNITS/ORCU1.SPR"));
    EXPECT_EQ(tmp.folder().resolve(""), tmp.root());
}

TEST(GameFolder, ListsByPatternWithoutRegardToCaseSorted)
{
    TempGameFolder tmp;
    tmp.write("GRAFIK/UNITS/orcU1.spr", "x");
    tmp.write("GRAFIK/UNITS/ORCZ1.SPR", "x");
    tmp.write("GRAFIK/UNITS/BatU1.SPR", "x");
    tmp.write("GRAFIK/UNITS/notes.txt", "x");
    tmp.mkdir("GRAFIK/UNITS/SUB");
    const GameFolder &f = tmp.folder();
    EXPECT_EQ(f.list("grafik\\units", "*u1.SPR"), (QStringList{"BatU1.SPR", "orcU1.spr"}));
    EXPECT_EQ(f.list("GRAFIK\\UNITS", "*.SPR"), (QStringList{"BatU1.SPR", "orcU1.spr", "ORCZ1.SPR"}));
    EXPECT_EQ(f.list("GRAFIK", "*", GameFolder::Entries::Folders), QStringList{"UNITS"});
    EXPECT_TRUE(f.list("MISSING", "*.SPR").isEmpty());
}

TEST(GamePath, JoinsWithBackslashes)
{
    EXPECT_EQ(gamePath({"GAMEDATA", "MAPS", "PLAYER.STS"}), "GAMEDATA\\MAPS\\PLAYER.STS");
    EXPECT_EQ(gamePath({"GRAFIK", "\\UNITS\\ORC", ""}), "GRAFIK\\UNITS\\ORC");
}
