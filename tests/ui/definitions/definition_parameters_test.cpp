#include "ui/definitions/add_idle_sound_dialog.h"
#include "ui/definitions/definition_parameters.h"

#include "support/scripted_platform.h"
#include "support/temp_game_folder.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace tav;
using tav::test::ScriptedPlatform;
using tav::test::TempGameFolder;

namespace {

QStringList entries(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

struct DefinitionsWindow : ::testing::Test {
    ScriptedPlatform platform;
    TempGameFolder tmp;
    std::unique_ptr<Form9> form;

    void SetUp() override
    {
        tmp.write("GAMEDATA/GOALS.DAT", "Meet the elder\r\nCross the marsh\r\nLight the beacon\r\n");
        tmp.write("GAMEDATA/DEF_PIDL.DAT", "ELDER\r\n 4 \r\nCOUGH\r\n");
        tmp.write("GAMEDATA/PEOPLE.DAT", "ELDER\r\nElder Maravin\r\nWelcome.\r\nchild\r\nLittle Pell\r\nHi!\r\n");
        tmp.write("SOUNDS/giggle.wav", "RIFF");
        tmp.write("SOUNDS/cough.wav", "RIFF");
        tmp.write("SOUNDS/notes.txt", "not a sound");
    }

    Form9 &open()
    {
        form = std::make_unique<Form9>(tmp.folder());
        return *form;
    }
    QListWidget *goals() { return form->findChild<QListWidget *>("List2"); }
    QListWidget *idleSounds() { return form->findChild<QListWidget *>("List1"); }
    QString goalNr() { return form->findChild<QLineEdit *>("GoalNr")->text(); }
    void click(const char *button) { form->findChild<QPushButton *>(button)->click(); }

    // Works the add dialog once Form9 has opened it; a dialog still open
    // afterwards is closed with its close button.
    void whenDialogOpens(std::function<void(Form10 &)> action)
    {
        QTimer::singleShot(0, [action] {
            auto *dialog = qobject_cast<Form10 *>(QApplication::activeModalWidget());
            if (!dialog) {
                ADD_FAILURE() << "the add dialog is not open";
                return;
            }
            action(*dialog);
            if (dialog->isVisible())
                dialog->close();
        });
    }
};

} // namespace

TEST_F(DefinitionsWindow, LoadsBothListsAndShowsTheClickedGoalNumber)
{
    open();
    EXPECT_EQ(platform.dialogs.count(), 0);
    EXPECT_EQ(entries(idleSounds()), QStringList({"Person 'ELDER' plays sound 'COUGH' in frame 04"}));
    EXPECT_EQ(entries(goals()), QStringList({"Meet the elder", "Cross the marsh", "Light the beacon"}));
    EXPECT_EQ(goalNr(), "");
    goals()->setCurrentRow(2);
    EXPECT_EQ(goalNr(), "2");
    goals()->setCurrentRow(0);
    EXPECT_EQ(goalNr(), "0");
}

TEST_F(DefinitionsWindow, AddInsertsBeforeTheSelectionAndWritesAtOnce)
{
    open();
    goals()->setCurrentRow(1);
    platform.dialogs.inputNext(QStringLiteral("Find the key"));
    click("Command4");
    ASSERT_EQ(platform.dialogs.count(), 1);
    EXPECT_EQ(platform.dialogs.shown()[0].input.prompt, "Enter description");
    EXPECT_EQ(platform.dialogs.shown()[0].input.title, "Add goal");
    EXPECT_EQ(platform.dialogs.shown()[0].input.defaultText, "");
    EXPECT_EQ(tmp.read("GAMEDATA/GOALS.DAT"), "Meet the elder\r\nFind the key\r\nCross the marsh\r\nLight the beacon\r\n");
    EXPECT_EQ(goalNr(), "1") << "the number box changes only on a click";

    goals()->clearSelection();
    platform.dialogs.inputNext(QStringLiteral("Go home"));
    click("Command4");
    EXPECT_EQ(entries(goals()).last(), "Go home");

    platform.dialogs.inputNext(std::nullopt);
    click("Command4");
    EXPECT_EQ(goals()->count(), 5);
    EXPECT_EQ(tmp.read("GAMEDATA/GOALS.DAT"),
              "Meet the elder\r\nFind the key\r\nCross the marsh\r\nLight the beacon\r\nGo home\r\n");
}

TEST_F(DefinitionsWindow, RenameAndDeleteTheSelectedGoal)
{
    open();
    click("Command5");
    EXPECT_EQ(platform.dialogs.count(), 0) << "rename without a selection asks nothing";

    goals()->setCurrentRow(1);
    platform.dialogs.inputNext(QStringLiteral("Swim the marsh"));
    click("Command5");
    EXPECT_EQ(platform.dialogs.shown()[0].input.prompt, "New description:");
    EXPECT_EQ(platform.dialogs.shown()[0].input.title, "Rename goal");
    EXPECT_EQ(platform.dialogs.shown()[0].input.defaultText, "Cross the marsh");
    platform.dialogs.inputNext(QString());
    click("Command5");
    EXPECT_EQ(entries(goals())[1], "Swim the marsh") << "an empty answer keeps the description";

    goals()->setCurrentRow(0);
    click("Command3");
    EXPECT_EQ(tmp.read("GAMEDATA/GOALS.DAT"), "Swim the marsh\r\nLight the beacon\r\n");
    click("Command3");
    EXPECT_EQ(goals()->count(), 2) << "nothing is selected after a delete";

    goals()->setCurrentRow(1);
    click("Command3");
    goals()->setCurrentRow(0);
    click("Command3");
    EXPECT_EQ(entries(goals()), QStringList({"Swim the marsh"})) << "the last goal stays";
    EXPECT_EQ(platform.dialogs.count(), 2);
}

TEST_F(DefinitionsWindow, MissingFilesGiveOneMessageAndEmptyListsThatStillWork)
{
    TempGameFolder empty;
    Form9 window(empty.folder());
    ASSERT_EQ(platform.dialogs.count(), 1);
    const QString text = platform.dialogs.lastMessage().text;
    EXPECT_TRUE(text.contains("DEF_PIDL.DAT")) << text.toStdString();
    EXPECT_TRUE(text.contains("GOALS.DAT")) << text.toStdString();
    EXPECT_EQ(platform.dialogs.lastMessage().icon, platform::Icon::Critical);
    EXPECT_EQ(window.findChild<QListWidget *>("List1")->count(), 0);
    EXPECT_EQ(window.findChild<QListWidget *>("List2")->count(), 0);

    empty.mkdir("GAMEDATA");
    platform.dialogs.inputNext(QStringLiteral("First goal"));
    window.findChild<QPushButton *>("Command4")->click();
    EXPECT_EQ(empty.read("GAMEDATA/GOALS.DAT"), "First goal\r\n");
}

TEST_F(DefinitionsWindow, AFailedWriteIsReportedKeepsTheFileAndTheChangeOnScreen)
{
    tmp.makeReadOnly("GAMEDATA/GOALS.DAT");
    tmp.makeReadOnly("GAMEDATA/DEF_PIDL.DAT");
    open();
    platform.dialogs.inputNext(QStringLiteral("Go home"));
    click("Command4");
    ASSERT_EQ(platform.dialogs.count(), 2);
    EXPECT_TRUE(platform.dialogs.lastMessage().text.contains("GOALS.DAT"));
    EXPECT_EQ(platform.dialogs.lastMessage().icon, platform::Icon::Critical);
    EXPECT_EQ(entries(goals()).last(), "Go home");
    EXPECT_EQ(tmp.read("GAMEDATA/GOALS.DAT"), "Meet the elder\r\nCross the marsh\r\nLight the beacon\r\n");

    idleSounds()->setCurrentRow(0);
    click("Command1");
    EXPECT_EQ(idleSounds()->count(), 0);
    EXPECT_TRUE(platform.dialogs.lastMessage().text.contains("DEF_PIDL.DAT"));
    EXPECT_EQ(tmp.read("GAMEDATA/DEF_PIDL.DAT"), "ELDER\r\n 4 \r\nCOUGH\r\n");
}

TEST_F(DefinitionsWindow, AnUnreadableGoalFileIsNeverReplacedByTheEmptyList)
{
    TempGameFolder broken;
    broken.mkdir("GAMEDATA/GOALS.DAT"); // exists, but cannot be read as a file
    Form9 window(broken.folder());
    ASSERT_EQ(platform.dialogs.count(), 1);
    platform.dialogs.inputNext(std::nullopt);
    window.findChild<QPushButton *>("Command4")->click();
    EXPECT_EQ(platform.dialogs.count(), 2) << "a cancelled add writes nothing and says nothing";
    platform.dialogs.inputNext(QStringLiteral("First goal"));
    window.findChild<QPushButton *>("Command4")->click();
    EXPECT_TRUE(platform.dialogs.lastMessage().text.contains("not overwritten"));
    EXPECT_TRUE(broken.exists("GAMEDATA/GOALS.DAT"));
    EXPECT_EQ(window.findChild<QListWidget *>("List2")->count(), 1);
}

TEST_F(DefinitionsWindow, ShortcutsOpenTheFoldersAndTheHelp)
{
    open();
    click("Command6");
    click("Command7");
    click("Command8");
    EXPECT_EQ(platform.launcher.commandLines(),
              QStringList({"Explorer GAMEDATA", "Explorer SOUNDS", "NOTEPAD HELP\\Definitions.txt"}));
    EXPECT_EQ(platform.launcher.started()[0].style, platform::WindowStyle::NormalFocus);
}

TEST_F(DefinitionsWindow, AddsAnIdleSoundChosenInTheDialog)
{
    open();
    whenDialogOpens([](Form10 &dialog) {
        auto *people = dialog.findChild<QListWidget *>("List1");
        auto *sounds = dialog.findChild<QListWidget *>("File1");
        EXPECT_EQ(entries(people), QStringList({"Elder Maravin", "Little Pell"}));
        EXPECT_EQ(entries(dialog.findChild<QListWidget *>("List2")), QStringList({"ELDER", "child"}));
        EXPECT_EQ(entries(sounds), QStringList({"cough.wav", "giggle.wav"}));
        people->setCurrentRow(1);
        sounds->setCurrentRow(1);
        dialog.findChild<QSlider *>("Slider1")->setValue(4);
        EXPECT_EQ(dialog.findChild<QLineEdit *>("Text1")->text(), "idle animation 1 a");
        dialog.findChild<QPushButton *>("Command1")->click();
    });
    click("Command2");
    EXPECT_EQ(entries(idleSounds()).last(), "Person 'CHILD' plays sound 'GIGGLE' in frame 04");
    EXPECT_EQ(tmp.read("GAMEDATA/DEF_PIDL.DAT"), "ELDER\r\n 4 \r\nCOUGH\r\nCHILD\r\n 4 \r\nGIGGLE\r\n");
}

TEST_F(DefinitionsWindow, OkWithoutASoundOrClosingTheDialogAddsNothing)
{
    tmp.write("GAMEDATA/DEF_PIDL.DAT", "ELDER\r\n 4 \r\nCOUGH\r\nMONK\r\n 1 \r\n");
    open();
    bool stayedOpen = false;
    whenDialogOpens([&stayedOpen](Form10 &dialog) {
        dialog.findChild<QListWidget *>("List1")->setCurrentRow(0);
        dialog.findChild<QPushButton *>("Command1")->click();
        stayedOpen = dialog.isVisible();
    });
    click("Command2");
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(idleSounds()->count(), 1);
    EXPECT_EQ(tmp.read("GAMEDATA/DEF_PIDL.DAT"), "ELDER\r\n 4 \r\nCOUGH\r\n")
        << "the file is rewritten after the dialog, without the incomplete record";
}

TEST_F(DefinitionsWindow, RemovingTheOnlyIdleSoundLeavesAnEmptyFile)
{
    open();
    click("Command1");
    EXPECT_EQ(idleSounds()->count(), 1) << "nothing selected, nothing removed";
    idleSounds()->setCurrentRow(0);
    click("Command1");
    EXPECT_EQ(idleSounds()->count(), 0);
    EXPECT_TRUE(tmp.exists("GAMEDATA/DEF_PIDL.DAT"));
    EXPECT_EQ(tmp.read("GAMEDATA/DEF_PIDL.DAT"), "");
    click("Command1");
    EXPECT_EQ(platform.dialogs.count(), 0);
}

TEST(AddIdleSoundDialog, StartsAtFrameZeroAndReportsMissingPeopleAndSounds)
{
    ScriptedPlatform platform;
    TempGameFolder tmp;
    Form10 dialog(tmp.folder());
    EXPECT_EQ(dialog.windowTitle(), "Add person idle sound");
    EXPECT_EQ(dialog.findChild<QSlider *>("Slider1")->value(), 0);
    EXPECT_EQ(dialog.findChild<QSlider *>("Slider1")->maximum(), 12);
    EXPECT_EQ(dialog.findChild<QLineEdit *>("Text1")->text(), "standing around");
    EXPECT_TRUE(dialog.findChild<QPushButton *>("Command1")->isDefault());
    ASSERT_EQ(platform.dialogs.count(), 1);
    EXPECT_TRUE(platform.dialogs.lastMessage().text.contains("PEOPLE.DAT"));
    EXPECT_TRUE(platform.dialogs.lastMessage().text.contains("SOUNDS"));
    EXPECT_EQ(dialog.findChild<QListWidget *>("List1")->count(), 0);
    dialog.Command1_Click();
    EXPECT_FALSE(dialog.chosen().has_value());
}
