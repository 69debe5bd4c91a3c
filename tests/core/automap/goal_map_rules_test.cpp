#include "core/automap/goal_map_rules.h"

#include "support/temp_game_folder.h"

#include <gtest/gtest.h>

using namespace tav;
using tav::test::TempGameFolder;

TEST(PositionBoxes, TakeOnlyTheWholeNumberOfAnyText)
{
    EXPECT_EQ(clampedNumberText("3x", kGoalXMax), "3");
    EXPECT_EQ(clampedNumberText("4.7", kGoalYMax), "4");
    EXPECT_EQ(clampedNumberText("99999999999999999999", kGoalYMax), "15");
    EXPECT_EQ(clampedNumberText("-99999999999999999999", kGoalYMax), "0");
}

TEST(Finder, OpensTheMapFileOfTheDataSetInAnyLetterCase)
{
    TempGameFolder tmp;
    const QString slot2 = QStringLiteral("GAMEDATA\\SAVE2");
    EXPECT_FALSE(mapFileOpens(tmp.folder(), slot2, {12, 8, 1}));
    tmp.write("GAMEDATA/save2/12-08-01.map", "");
    EXPECT_TRUE(mapFileOpens(tmp.folder(), slot2, {12, 8, 1}));
    tmp.mkdir("GAMEDATA/save2/01-01-01.MAP");
    EXPECT_FALSE(mapFileOpens(tmp.folder(), slot2, {1, 1, 1}));
}
