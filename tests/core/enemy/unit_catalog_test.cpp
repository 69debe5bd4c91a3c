#include "core/enemy/unit_catalog.h"
#include "core/enemy/unit_codes.h"

#include "support/temp_game_folder.h"

#include <gtest/gtest.h>

using namespace tav;
using namespace tav::enemy;
using tav::test::TempGameFolder;

TEST(UnitCatalog, UnitNamesAreTheUnitFilesInUpperCase)
{
    TempGameFolder tmp;
    tmp.write("gamedata/units/orc.uni", "");
    tmp.write("gamedata/units/GNASHER.UNI", "");
    tmp.write("gamedata/units/notes.txt", "");
    EXPECT_EQ(unitNames(tmp.folder()), (QStringList{"GNASHER", "ORC"}));
    EXPECT_TRUE(unitNames(TempGameFolder().folder()).isEmpty());
}

TEST(UnitCatalog, SpriteNamesComeFromTheUnitOrBossFolder)
{
    TempGameFolder tmp;
    tmp.write("GRAFIK/UNITS/orcu1.spr", "");
    tmp.write("GRAFIK/UNITS/ORCU2.SPR", "");
    tmp.write("GRAFIK/UNITS/ORCZ1.SPR", "");
    tmp.write("GRAFIK/UNITS/BATU1.SPR", "");
    tmp.write("GRAFIK/BOSS/WARDENU1.SPR", "");
    EXPECT_EQ(unitSpriteNames(tmp.folder(), false), (QStringList{"BAT", "ORC"}));
    EXPECT_EQ(unitSpriteNames(tmp.folder(), true), QStringList{"WARDEN"});
}

TEST(UnitCatalog, ZombieSpritesAreLookedUpInTheUnitFolderOnly)
{
    TempGameFolder tmp;
    tmp.write("GRAFIK/UNITS/batz1.spr", "");
    tmp.write("GRAFIK/BOSS/WARDENZ1.SPR", "");
    tmp.write("GRAFIK/UNITS/KINGZ1.SPR", "");
    EXPECT_TRUE(hasZombieSprite(tmp.folder(), "BAT"));
    EXPECT_FALSE(hasZombieSprite(tmp.folder(), "WARDEN"));
    EXPECT_TRUE(hasZombieSprite(tmp.folder(), "KING"));  // a boss named like a zombie unit sprite
    EXPECT_FALSE(hasZombieSprite(tmp.folder(), "ORC"));
    EXPECT_FALSE(hasZombieSprite(tmp.folder(), ""));
    tmp.mkdir("GRAFIK/UNITS/DIRZ1.SPR");
    EXPECT_FALSE(hasZombieSprite(tmp.folder(), "DIR"));
}

TEST(UnitCatalog, TypedUnitNamesStayEightUpperCaseCharacters)
{
    const TypedUnitName ninth = fitTypedUnitName("ABCDEFGHi", 9);
    EXPECT_EQ(ninth.text, "ABCDEFGH");
    EXPECT_EQ(ninth.caret, 8);

    // A character typed in the middle pushes the last one out; the caret stays after it.
    const TypedUnitName middle = fitTypedUnitName("ABCxDEFGH", 4);
    EXPECT_EQ(middle.text, "ABCXDEFG");
    EXPECT_EQ(middle.caret, 4);

    const TypedUnitName lower = fitTypedUnitName(QStringLiteral("go\u00dfb"), 2);
    EXPECT_EQ(lower.text, QStringLiteral("GO\u00dfB"));  // letter by letter: the length never changes
    EXPECT_EQ(lower.caret, 2);
}

TEST(UnitCatalog, TypedHealthBecomesAWholeNumberInRange)
{
    const std::pair<const char *, const char *> cases[] = {
        {"500", "400"}, {"-7", "0"}, {"abc", "0"}, {"", "0"}, {" 12abc", "12"},
        {"400", "400"}, {"0", "0"},  {"37.5", "38"}, {"1e9", "1"},
    };
    for (const auto &[typed, shown] : cases)
        EXPECT_EQ(normalizedHealthText(typed), shown) << typed;
}
