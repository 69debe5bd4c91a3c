#include "core/automap/goal_map_rules.h"

#include "support/temp_game_folder.h"

#include <gtest/gtest.h>

using namespace tav;
using tav::test::TempGameFolder;

TEST(PositionBoxes, ClampTheirTextToAWholeNumberInRange)
{
    EXPECT_EQ(clampedNumberText("07", kMapXMax), "7");
    EXPECT_EQ(clampedNumberText("25", kMapXMax), "20");
    EXPECT_EQ(clampedNumberText("abc", kMapXMax), "0");
    EXPECT_EQ(clampedNumberText("", kMapYMax), "0");
    EXPECT_EQ(clampedNumberText("-4", kMapYMax), "0");
    EXPECT_EQ(clampedNumberText("16", kMapYMax), "15");
    EXPECT_EQ(clampedNumberText("12", kMapZMax), "9");
    EXPECT_EQ(clampedNumberText("0", kMapZMax), "0");
    EXPECT_EQ(clampedNumberText("3x", kGoalXMax), "3");
    EXPECT_EQ(clampedNumberText("4.7", kGoalYMax), "4");
    EXPECT_EQ(clampedNumberText("99999999999999999999", kGoalYMax), "15");
}

TEST(PositionBoxes, LeavingABoxTurnsZeroIntoOne)
{
    EXPECT_EQ(positionTextAfterLeaving("0"), "1");
    EXPECT_EQ(positionTextAfterLeaving("7"), "7");
}

TEST(GoalList, ReadsOneGoalPerLineAndBoundsTheGoalNumber)
{
    TempGameFolder tmp;
    EXPECT_FALSE(readGoalTexts(tmp.folder()).ok());
    EXPECT_EQ(highestGoalNumber({}), 0);
    EXPECT_EQ(clampedNumberText("3", highestGoalNumber({})), "0");

    tmp.write("GAMEDATA/GOALS.DAT", "Find the smith\r\n\r\nOpen the gate\r\n");
    const QStringList goals = readGoalTexts(tmp.folder()).value();
    ASSERT_EQ(goals.size(), 3);
    EXPECT_EQ(highestGoalNumber(goals), 2);
    EXPECT_EQ(clampedNumberText("7", highestGoalNumber(goals)), "2");
    EXPECT_EQ(goalText(goals, 2), "Open the gate");
    EXPECT_EQ(goalText(goals, 1), "");
    EXPECT_EQ(goalText(goals, 3), "");
}

TEST(Finder, TestsTheMapFileOfTheDataSet)
{
    TempGameFolder tmp;
    const QString slot1 = QStringLiteral("GAMEDATA\\SAVE1");
    EXPECT_FALSE(mapFileOpens(tmp.folder(), slot1, {3, 4, 0}));
    tmp.write("GAMEDATA/SAVE1/03-04-00.MAP", ""); // an empty file opens
    EXPECT_TRUE(mapFileOpens(tmp.folder(), slot1, {3, 4, 0}));
    EXPECT_FALSE(mapFileOpens(tmp.folder(), slot1, {3, 4, 1}));
    EXPECT_FALSE(mapFileOpens(tmp.folder(), QStringLiteral("GAMEDATA\\MAPS"), {3, 4, 0}));
    tmp.write("GAMEDATA/save2/12-08-01.map", "m");
    EXPECT_TRUE(mapFileOpens(tmp.folder(), QStringLiteral("GAMEDATA\\SAVE2"), {12, 8, 1}));
    tmp.mkdir("GAMEDATA/SAVE1/01-01-01.MAP");
    EXPECT_FALSE(mapFileOpens(tmp.folder(), slot1, {1, 1, 1}));
}
