#include "core/definitions/goal_list.h"

#include "support/temp_game_folder.h"

#include <gtest/gtest.h>

using namespace tav;
using tav::test::TempGameFolder;

namespace {

GoalList twoGoals()
{
    return GoalList({QStringLiteral("Meet the elder"), QStringLiteral("Cross the marsh")});
}

} // namespace

TEST(GoalList, AddRenameAndDeleteFollowTheSelection)
{
    GoalList goals = twoGoals();
    EXPECT_EQ(goals.add("Find the key", 1), 1);
    EXPECT_EQ(goals.add("Go home", -1), 3);
    EXPECT_EQ(goals.add(QString(), 0), -1);
    EXPECT_EQ(goals.descriptions(), QStringList({"Meet the elder", "Find the key", "Cross the marsh", "Go home"}));

    EXPECT_FALSE(goals.rename(1, QString()));
    EXPECT_FALSE(goals.rename(4, "no such goal"));
    EXPECT_TRUE(goals.rename(1, " "));
    EXPECT_EQ(goals.descriptions()[1], " ");

    EXPECT_FALSE(goals.remove(-1));
    while (goals.size() > 1)
        EXPECT_TRUE(goals.remove(0));
    EXPECT_FALSE(goals.remove(0));
    EXPECT_EQ(goals.descriptions(), QStringList({"Go home"}));
}

TEST(GoalFile, LinesAreGoalsInFileOrder)
{
    TempGameFolder tmp;
    tmp.write("gamedata/goals.dat", "zero\r\none\ntwo");
    const Result<GoalList> goals = readGoalList(tmp.folder());
    ASSERT_TRUE(goals.ok());
    EXPECT_EQ(goals->descriptions(), QStringList({"zero", "one", "two"}));

    tmp.write("gamedata/goals.dat", "");
    EXPECT_EQ(readGoalList(tmp.folder())->size(), 0);
}

TEST(GoalFile, RewritingKeepsEveryOtherLineByteForByte)
{
    TempGameFolder tmp;
    const QByteArray original = test::fixture("definitions/goals_1252.DAT");
    tmp.write("GAMEDATA/GOALS.DAT", original);
    Result<GoalList> goals = readGoalList(tmp.folder());
    ASSERT_TRUE(goals.ok());
    EXPECT_EQ(goals->descriptions()[0], QString::fromUtf8("Find the Café of Lanterns"));
    EXPECT_EQ(goals->descriptions()[1], QString());

    ASSERT_TRUE(writeGoalList(tmp.folder(), goals.value()));
    EXPECT_EQ(tmp.read("GAMEDATA/GOALS.DAT"), original);

    goals->add(QString::fromUtf8("Ask Zoë"), 1);
    ASSERT_TRUE(writeGoalList(tmp.folder(), goals.value()));
    QByteArray expected = original;
    expected.insert(original.indexOf("\r\n") + 2, "Ask Zo\xeb\r\n");
    EXPECT_EQ(tmp.read("GAMEDATA/GOALS.DAT"), expected);
}

TEST(GoalFile, FailuresAreReportedAndLeaveTheOldFile)
{
    TempGameFolder tmp;
    EXPECT_FALSE(readGoalList(tmp.folder()).ok());
    EXPECT_FALSE(writeGoalList(tmp.folder(), twoGoals()).ok()) << "GAMEDATA does not exist";

    tmp.write("GAMEDATA/GOALS.DAT", "old\r\n");
    tmp.makeReadOnly("GAMEDATA/GOALS.DAT");
    const Status written = writeGoalList(tmp.folder(), twoGoals());
    EXPECT_FALSE(written.ok());
    EXPECT_TRUE(written.error().contains("GOALS.DAT"));
    EXPECT_EQ(tmp.read("GAMEDATA/GOALS.DAT"), "old\r\n");
}
