#include "ui/platform/please_wait.h"
#include "ui/savegame/goal_map_frame.h"
#include "ui/savegame/savegame_editor.h"
#include "ui/savegame/up_down_spinner.h"

#include "support/scripted_platform.h"
#include "support/temp_game_folder.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace tav;
using tav::test::ScriptedPlatform;
using tav::test::TempGameFolder;

namespace {

struct GoalMapFrameTest : ::testing::Test {
    ScriptedPlatform platform;
    TempGameFolder tmp;
    std::unique_ptr<Form6> editor;

    void SetUp() override
    {
        tmp.write("GAMEDATA/SLOTS.INI", "Alpha\r\nBeta\r\n<unused>\r\n<unused>\r\n<unused>\r\n 1 \r\n");
        tmp.write("GAMEDATA/GOALS.DAT", "Talk to the elder\r\nFind the key\r\nCross the marsh\r\n");
        tmp.write("AUTOMAP.CHT", "uncovered");
        tmp.write("GAMEDATA/MAPS/AUTOMAP.STS", "default automap");
        tmp.write("GAMEDATA/MAPS/03-04-00.MAP", "default 3/4/0");
        tmp.write("GAMEDATA/MAPS/12-08-01.MAP", "default 12/8/1");
        tmp.write("GAMEDATA/SAVE2/AUTOMAP.STS", "slot automap");
        tmp.write("GAMEDATA/SAVE2/03-04-00.MAP", "slot 3/4/0");
    }

    GoalMapFrame &open()
    {
        editor = std::make_unique<Form6>(tmp.folder());
        return *editor->goalMapFrame();
    }
    void selectDataSet(int index) const
    {
        editor->findChild<QComboBox *>("Combo1")->setCurrentIndex(index);
        editor->Combo1_Click();
    }
    QLineEdit *box(const char *name) const { return editor->goalMapFrame()->findChild<QLineEdit *>(name); }
    void type(const char *name, const QString &text) const { box(name)->setText(text); }
    void leave(const char *name) const
    {
        QFocusEvent out(QEvent::FocusOut);
        QApplication::sendEvent(box(name), &out);
    }
    QColor circle() const
    {
        auto *found = editor->goalMapFrame()->findChild<QLabel *>("Found");
        return found->pixmap().toImage().pixelColor(8, 8);
    }
    void setPosition(const QString &x, const QString &y, const QString &z) const
    {
        type("MAPX", x);
        type("MAPY", y);
        type("MAPZ", z);
    }
};

const QColor kGreen(0, 255, 0);
const QColor kRed(255, 0, 0);

} // namespace

TEST_F(GoalMapFrameTest, PositionBoxesKeepAWholeNumberInRangeAndLeaveZeroAsOne)
{
    open();
    const std::tuple<const char *, const char *, const char *> cases[] = {
        {"MAPX", "07", "7"}, {"MAPX", "25", "20"}, {"MAPX", "", "0"},     {"MAPY", "16", "15"},
        {"MAPY", "-2", "0"}, {"MAPZ", "12", "9"},  {"GOALX", "21", "20"}, {"GOALY", "015", "15"}};
    for (const auto &[name, typed, shown] : cases) {
        type(name, typed);
        EXPECT_EQ(box(name)->text(), shown) << name << " " << typed;
        EXPECT_EQ(box(name)->cursorPosition(), box(name)->text().size()) << name;
    }
    for (const char *name : {"MAPX", "MAPY", "GOALX", "GOALY", "MAPZ"}) {
        type(name, "abc");
        leave(name);
        EXPECT_EQ(box(name)->text(), QString::fromLatin1(name) == "MAPZ" ? "0" : "1") << name;
    }
}

TEST_F(GoalMapFrameTest, GoalNumberShowsItsGoalAndFollowsTheSpinner)
{
    GoalMapFrame &frame = open();
    auto *upDown = frame.findChild<UpDownSpinner *>("UpDown");
    EXPECT_EQ(box("Goal")->text(), "Talk to the elder");
    type("GOALNr", "7");
    EXPECT_EQ(box("GOALNr")->text(), "2");
    EXPECT_EQ(box("Goal")->text(), "Cross the marsh");
    EXPECT_EQ(box("Goal")->toolTip(), "Cross the marsh");
    EXPECT_EQ(upDown->value(), 2);
    upDown->stepDown();
    EXPECT_EQ(box("GOALNr")->text(), "1");
    EXPECT_EQ(box("Goal")->toolTip(), "Find the key");

    // Without a goal list the number stays 0 and no goal is shown.
    QFile::remove(tmp.disk("GAMEDATA/GOALS.DAT"));
    open();
    type("GOALNr", "3");
    EXPECT_EQ(box("GOALNr")->text(), "0");
    EXPECT_EQ(box("Goal")->text(), "");
    EXPECT_EQ(platform.dialogs.count(), 0);
}

TEST_F(GoalMapFrameTest, CircleShowsWhetherTheSlotHasTheCurrentMap)
{
    GoalMapFrame &frame = open();
    EXPECT_EQ(circle(), kGreen) << "12/8/1 exists in the default set";
    selectDataSet(1);
    EXPECT_EQ(frame.mapDir(), "GAMEDATA\\SAVE1");
    EXPECT_EQ(circle(), kRed) << "slot 1 has no folder";
    tmp.write("GAMEDATA/SAVE1/03-04-00.MAP", "");
    setPosition("3", "4", "0");
    EXPECT_EQ(circle(), kGreen);
    type("MAPZ", "1");
    EXPECT_EQ(circle(), kRed);
}

TEST_F(GoalMapFrameTest, EverySlotButtonAsksFirstAndNoChangesNothing)
{
    open();
    selectDataSet(2);
    setPosition("3", "4", "0");
    const int shownBefore = platform::PleaseWait::timesShown();
    for (const char *name : {"Command4", "Command5", "Command6", "Command7"}) {
        platform.dialogs.clear();
        platform.dialogs.answerNext(platform::Answer::No);
        editor->goalMapFrame()->findChild<QPushButton *>(name)->click();
        ASSERT_EQ(platform.dialogs.count(), 1) << name;
        const platform::MessageRequest &asked = platform.dialogs.lastMessage();
        EXPECT_EQ(asked.text, "This action will affect the currently selected SaveGame slot #2 '2. Beta'. Continue?");
        EXPECT_EQ(asked.title, "Warning!");
        EXPECT_EQ(asked.buttons, platform::Buttons::YesNo);
    }
    EXPECT_EQ(tmp.read("GAMEDATA/SAVE2/AUTOMAP.STS"), "slot automap");
    EXPECT_FALSE(tmp.exists("GAMEDATA/SAVE2/AUTOMAP.OLD"));
    EXPECT_EQ(tmp.read("GAMEDATA/SAVE2/03-04-00.MAP"), "slot 3/4/0");
    EXPECT_EQ(platform::PleaseWait::timesShown(), shownBefore + 1) << "only re-set all MAPs shows Form5";
    EXPECT_EQ(platform::PleaseWait::current(), nullptr);
    EXPECT_TRUE(editor->isEnabled());
}

TEST_F(GoalMapFrameTest, AutomapButtonsKeepABackupAndNeverOverwriteIt)
{
    GoalMapFrame &frame = open();
    selectDataSet(2);
    frame.Command4_Click();
    EXPECT_EQ(tmp.read("GAMEDATA/SAVE2/AUTOMAP.STS"), "uncovered");
    EXPECT_EQ(tmp.read("GAMEDATA/SAVE2/AUTOMAP.OLD"), "slot automap");
    EXPECT_EQ(platform.dialogs.lastMessage().text,
              "The original AUTOMAP.STS file has been saved as AUTOMAP.OLD in the SaveGame folder!");
    EXPECT_EQ(platform.dialogs.lastMessage().title, "Information");

    frame.Command5_Click();
    EXPECT_EQ(platform.dialogs.lastMessage().title, "Error");
    EXPECT_TRUE(platform.dialogs.lastMessage().text.contains("AUTOMAP.OLD"));
    EXPECT_EQ(tmp.read("GAMEDATA/SAVE2/AUTOMAP.STS"), "uncovered");
    EXPECT_EQ(tmp.read("GAMEDATA/SAVE2/AUTOMAP.OLD"), "slot automap");

    // Without an automap to keep, no backup is reported.
    QFile::remove(tmp.disk("GAMEDATA/SAVE2/AUTOMAP.STS"));
    QFile::remove(tmp.disk("GAMEDATA/SAVE2/AUTOMAP.OLD"));
    frame.Command5_Click();
    EXPECT_EQ(tmp.read("GAMEDATA/SAVE2/AUTOMAP.STS"), "default automap");
    EXPECT_FALSE(tmp.exists("GAMEDATA/SAVE2/AUTOMAP.OLD"));
    EXPECT_EQ(platform.dialogs.lastMessage().title, "Information");
    EXPECT_FALSE(platform.dialogs.lastMessage().text.contains("has been saved as AUTOMAP.OLD"));
}

TEST_F(GoalMapFrameTest, MapButtonsCopyFromTheDefaultSet)
{
    GoalMapFrame &frame = open();
    selectDataSet(2);
    setPosition("3", "4", "0");
    frame.Command6_Click();
    EXPECT_EQ(tmp.read("GAMEDATA/SAVE2/03-04-00.MAP"), "default 3/4/0");

    // Not in the default set: the slot's file goes too, and the circle says so.
    tmp.write("GAMEDATA/SAVE2/09-09-09.MAP", "only in the slot");
    setPosition("9", "9", "9");
    frame.Command6_Click();
    EXPECT_FALSE(tmp.exists("GAMEDATA/SAVE2/09-09-09.MAP"));
    EXPECT_EQ(circle(), kRed);

    setPosition("12", "8", "1");
    frame.Command7_Click();
    EXPECT_TRUE(editor->isEnabled());
    EXPECT_EQ(tmp.read("GAMEDATA/SAVE2/12-08-01.MAP"), "default 12/8/1");
    EXPECT_EQ(circle(), kGreen);
    EXPECT_EQ(platform.dialogs.count(), 3) << "only the three questions";
}
