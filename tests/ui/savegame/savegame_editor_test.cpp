#include "ui/savegame/savegame_editor.h"

#include "modal.h"
#include "support/scripted_platform.h"
#include "support/temp_game_folder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace tav;
using tav::test::ScriptedPlatform;
using tav::test::TempGameFolder;

namespace {

QStringList entries(const Form6 &editor)
{
    auto *combo = editor.findChild<QComboBox *>("Combo1");
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items.append(combo->itemText(i));
    return items;
}

void selectDataSet(Form6 &editor, int index)
{
    editor.findChild<QComboBox *>("Combo1")->setCurrentIndex(index);
    editor.Combo1_Click();
}

QString text(const Form6 &editor, const char *name)
{
    return editor.findChild<QLineEdit *>(name)->text();
}

bool enabled(const Form6 &editor, const char *name)
{
    return editor.findChild<QPushButton *>(name)->isEnabled();
}

struct SlotFolder : TempGameFolder {
    SlotFolder()
    {
        write("GAMEDATA/SLOTS.INI", "Alpha\r\n<unused>\r\nBeta\r\n<unused>\r\n<unused>\r\n 1 \r\n");
        QByteArray goals;
        for (int i = 0; i < 10; ++i)
            goals += "Goal " + QByteArray::number(i) + "\r\n";
        write("GAMEDATA/GOALS.DAT", goals);
        mkdir("GAMEDATA/MAPS");
    }
};

} // namespace

TEST(SaveGameEditor, StartsOnTheDefaultSetWithTheSlotNames)
{
    SlotFolder tmp;
    Form6 editor(tmp.folder());
    EXPECT_EQ(editor.windowTitle(), "SaveGame Editor");
    EXPECT_EQ(entries(editor),
              (QStringList{"DEF (Default)", "1. Alpha", "2. <unused>", "3. Beta", "4. <unused>", "5. <unused>"}));
    EXPECT_EQ(text(editor, "Text1"), "DEF");
    EXPECT_EQ(text(editor, "MAPDir"), "MAPS");
    for (const char *name : {"Command3", "Command4", "Command5", "Command6", "Command7"})
        EXPECT_FALSE(enabled(editor, name)) << name;

    selectDataSet(editor, 3);
    EXPECT_EQ(text(editor, "Text1"), "3");
    EXPECT_EQ(text(editor, "MAPDir"), "SAVE3");
    for (const char *name : {"Command3", "Command4", "Command5", "Command6", "Command7"})
        EXPECT_TRUE(enabled(editor, name)) << name;
    EXPECT_GT(editor.findChild<QComboBox *>("Combo1")->width(), 150);

    selectDataSet(editor, 0);
    EXPECT_EQ(text(editor, "MAPDir"), "MAPS");
    EXPECT_FALSE(enabled(editor, "Command3"));
}

TEST(SaveGameEditor, TrainingFileOnlyForTheDefaultSet)
{
    SlotFolder tmp;
    Form6 editor(tmp.folder());
    editor.findChild<QCheckBox *>("Train")->setChecked(true);
    EXPECT_EQ(editor.playerFilePath(), "GAMEDATA\\MAPS\\TRAIN.STS");
    selectDataSet(editor, 2);
    EXPECT_EQ(editor.playerFilePath(), "GAMEDATA\\SAVE2\\PLAYER.STS");
}

TEST(SaveGameEditor, AFreshWindowSavesTheDesignState)
{
    ScriptedPlatform platform;
    SlotFolder tmp;
    Form6 editor(tmp.folder());
    editor.findChild<QPushButton *>("Command2")->click();
    ASSERT_EQ(platform.dialogs.count(), 1);
    EXPECT_EQ(platform.dialogs.lastMessage().text,
              "Nothing was loaded yet. Save the fields as 'DEF (Default)'? Its PLAYER.STS will be replaced.");
    const QList<QByteArray> lines = tmp.read("GAMEDATA/MAPS/PLAYER.STS").split('\n');
    ASSERT_EQ(lines.size(), 139);
    EXPECT_EQ(lines[2], " 0 \r");
    EXPECT_EQ(lines[114], "12\r");
    EXPECT_EQ(lines[115], "8\r");
    EXPECT_EQ(lines[116], "1\r");
    EXPECT_EQ(lines[129], "0\r");
}

TEST(SaveGameEditor, LoadAndSaveKeepAFullFileByteForByte)
{
    ScriptedPlatform platform;
    SlotFolder tmp;
    const QByteArray original = tav::test::fixture("savegame/full_player.sts");
    tmp.write("GAMEDATA/SAVE1/PLAYER.STS", original);
    Form6 editor(tmp.folder());
    selectDataSet(editor, 1);
    editor.findChild<QPushButton *>("Command1")->click();
    EXPECT_EQ(text(editor, "Text4"), "2480");
    EXPECT_EQ(text(editor, "MAPX"), "5");
    EXPECT_EQ(text(editor, "GOALNr"), "5");

    // Emptied by another program: replaced only after a yes.
    tmp.write("GAMEDATA/SAVE1/PLAYER.STS", "");
    platform.dialogs.answerNext(platform::Answer::Yes);
    editor.findChild<QPushButton *>("Command2")->click();
    EXPECT_EQ(tmp.read("GAMEDATA/SAVE1/PLAYER.STS"), original);
    ASSERT_EQ(platform.dialogs.count(), 1);
    EXPECT_EQ(platform.dialogs.lastMessage().text, "GAMEDATA\\SAVE1\\PLAYER.STS was changed by another program since "
                                                   "you loaded it. Replace it with your version?");
}

TEST(SaveGameEditor, SavingIntoAnotherSetThanTheFieldsCameFromAsksFirst)
{
    ScriptedPlatform platform;
    SlotFolder tmp;
    const QByteArray hero = tav::test::fixture("savegame/full_player.sts");
    tmp.write("GAMEDATA/MAPS/PLAYER.STS", hero);
    tmp.write("GAMEDATA/SAVE1/PLAYER.STS", "Alpha's game");
    Form6 editor(tmp.folder());
    const auto *from = editor.findChild<QLabel *>("FieldsFrom");
    EXPECT_EQ(from->text(), "nothing loaded yet");
    editor.Command1_Click();
    EXPECT_EQ(from->text(), "fields loaded from: DEF");

    selectDataSet(editor, 1);
    platform.dialogs.answerNext(platform::Answer::No);
    editor.Command2_Click();
    ASSERT_EQ(platform.dialogs.count(), 1);
    EXPECT_EQ(platform.dialogs.lastMessage().text,
              "The fields were loaded from DEF. Save them as slot #1 '1. Alpha'? Its PLAYER.STS will be replaced.");
    EXPECT_EQ(platform.dialogs.lastMessage().buttons, platform::Buttons::YesNo);
    EXPECT_EQ(tmp.read("GAMEDATA/SAVE1/PLAYER.STS"), "Alpha's game");

    editor.Command2_Click();
    EXPECT_EQ(tmp.read("GAMEDATA/SAVE1/PLAYER.STS"), hero);
    EXPECT_EQ(from->text(), "fields loaded from: slot #1");
    // The fields are now slot 1's: saving there again asks nothing.
    editor.Command2_Click();
    EXPECT_EQ(platform.dialogs.count(), 2);
}

TEST(SaveGameEditor, LoadAndSaveFailuresAreReported)
{
    ScriptedPlatform platform;
    SlotFolder tmp;
    Form6 editor(tmp.folder());
    selectDataSet(editor, 4);
    editor.findChild<QLineEdit *>("Text4")->setText("123");
    editor.Command1_Click();
    ASSERT_EQ(platform.dialogs.count(), 1);
    EXPECT_EQ(platform.dialogs.lastMessage().text, "The SaveGame file could not be opened!");
    EXPECT_EQ(platform.dialogs.lastMessage().title, "Error");
    EXPECT_EQ(platform.dialogs.lastMessage().icon, platform::Icon::Critical);
    EXPECT_EQ(text(editor, "Text4"), "123");

    editor.Command2_Click();
    EXPECT_EQ(platform.dialogs.lastMessage().text, "The SaveGame file could not be saved!");
    EXPECT_FALSE(tmp.exists("GAMEDATA/SAVE4"));
}

TEST(SaveGameEditor, DeleteEmptiesTheSlotAfterConfirmation)
{
    ScriptedPlatform platform;
    SlotFolder tmp;
    tmp.write("GAMEDATA/SAVE3/PLAYER.STS", "p");
    tmp.write("GAMEDATA/SAVE3/SKILL.STS", " 2 \r\n");
    Form6 editor(tmp.folder());
    selectDataSet(editor, 3);

    platform.dialogs.answerNext(platform::Answer::Cancel);
    editor.Command3_Click();
    EXPECT_EQ(platform.dialogs.lastMessage().text, "Are you sure?");
    EXPECT_EQ(platform.dialogs.lastMessage().title, "Delete SaveGame");
    EXPECT_EQ(platform.dialogs.lastMessage().buttons, platform::Buttons::OkCancel);
    EXPECT_TRUE(tmp.exists("GAMEDATA/SAVE3/PLAYER.STS"));

    editor.Command3_Click();
    EXPECT_TRUE(tmp.exists("GAMEDATA/SAVE3"));
    EXPECT_FALSE(tmp.exists("GAMEDATA/SAVE3/PLAYER.STS"));
    EXPECT_FALSE(tmp.exists("GAMEDATA/SAVE3/SKILL.STS"));
    EXPECT_EQ(entries(editor)[3], "<unused>");
    EXPECT_EQ(tmp.read("GAMEDATA/SLOTS.INI"), "Alpha\r\n<unused>\r\n<unused>\r\n<unused>\r\n<unused>\r\n 1 \r\n");
    EXPECT_EQ(platform.dialogs.count(), 2);
}

TEST(SaveGameEditor, SetupSlotsRebuildsTheListWithTheNewNames)
{
    SlotFolder tmp;
    tmp.mkdir("GAMEDATA/SAVE2");
    tmp.write("GAMEDATA/SAVE2/SKILL.STS", " 1 \r\n");
    Form6 editor(tmp.folder());
    selectDataSet(editor, 2);
    tav::test::whenModalOpens([](QDialog *dialog) {
        auto *name = dialog->findChild<QLineEdit *>("SlotText_1");
        name->setText("Bär");
        dialog->findChild<QPushButton *>("Command1")->click();
    });
    editor.Command8_Click();
    EXPECT_EQ(entries(editor)[2], "2. Baer");
    EXPECT_EQ(text(editor, "MAPDir"), "MAPS") << "the default set is selected again";
}
