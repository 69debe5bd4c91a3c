#include "core/macro/macro_format.h"
#include "ui/macro/load_macro_dialog.h"
#include "ui/macro/macro_body_edit.h"
#include "ui/macro/macro_editor.h"

#include "../../core/macro/print_text.h"
#include "support/scripted_platform.h"
#include "support/temp_game_folder.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tav;
using tav::test::ScriptedPlatform;
using tav::test::TempGameFolder;

namespace {

struct LoadDialogFixture : ::testing::Test {
    ScriptedPlatform platform;
    TempGameFolder tmp;
    Form2 editor{tmp.folder()};
    std::unique_ptr<Form3> dialog;

    void open() { dialog = std::make_unique<Form3>(tmp.folder(), editor); }
    QListWidget *list() { return dialog->findChild<QListWidget *>("List1"); }
    QString type() { return dialog->findChild<QLineEdit *>("MType")->text(); }
    QString info() { return dialog->findChild<QPlainTextEdit *>("REMs")->toPlainText(); }
    QPushButton *ok() { return dialog->findChild<QPushButton *>("Command1_0"); }
    void click(const QString &name)
    {
        const QList<QListWidgetItem *> items = list()->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        list()->setCurrentItem(items.first());
    }
};

} // namespace

TEST_F(LoadDialogFixture, ListsTheMacrosWithTypeAndDescription)
{
    open(); // no GAMEDATA\MAKRO
    EXPECT_EQ(list()->count(), 0);
    EXPECT_FALSE(ok()->isEnabled());

    tmp.write("GAMEDATA/MAKRO/TOWN.CMD", "%TOWN\r\n'!first\r\nPOS iKey\r\n'!Gives the key\r\n");
    tmp.write("GAMEDATA/MAKRO/Plain.cmd", "MSG C Hello");
    tmp.write("GAMEDATA/MAKRO/NOTHING.CMD", "");
    tmp.write("GAMEDATA/MAKRO/readme.txt", "");
    open();
    ASSERT_EQ(list()->count(), 3);
    EXPECT_EQ(list()->item(0)->text(), "NOTHING");
    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(list(), &focus);
    EXPECT_FALSE(ok()->isEnabled());
    EXPECT_EQ(info(), "Use comments with '!comment syntax to make them appear in this box!");

    click("TOWN");
    EXPECT_TRUE(ok()->isEnabled());
    EXPECT_EQ(type(), "ITEMS.CMD");
    EXPECT_EQ(info(), "Gives the key");
    click("NOTHING");
    EXPECT_EQ(type(), "empty file");
    EXPECT_EQ(info(), "no '!info tag available");
    click("Plain");
    EXPECT_EQ(type(), "standard CMD");
}

TEST_F(LoadDialogFixture, LoadsTheMacroLineByLineIntoTheEditor)
{
    tmp.write("GAMEDATA/MAKRO/Gate.cmd", "  %gate\r\n  pos vOpen\r\narm ?\r\n'!keep \xe4\xff\r\nmsg c 5%\r\nend");
    editor.body().assign("old text");
    open();
    click("Gate");
    ok()->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    // The "%" behind blanks is no longer the first character of the body.
    EXPECT_EQ(editor.body().bodyText(), "gate\r\nPOS vOpen\r\nARM ?\r\n'!keep \u00e4\u00ff\r\nMSG c 5\r\nend\r\n");
    EXPECT_EQ(editor.body().toPlainText(), "gate\nPOS vOpen\nARM ?\n'!keep \u00e4\u00ff\nMSG c 5\nend\n");
    EXPECT_EQ(platform.dialogs.messageTexts(), (QStringList{kPercentWarning, kPercentWarning}));
    EXPECT_EQ(editor.macroName(), "Gate");
    EXPECT_EQ(editor.windowTitle(), "Gate - Tav Macro editor");
    EXPECT_EQ(editor.body().caret(), TextPos{});
}

TEST_F(LoadDialogFixture, ALongNameIsKeptWhole)
{
    tmp.write("GAMEDATA/MAKRO/LONGNAME1.CMD", "END");
    open();
    click("LONGNAME1");
    ok()->click();
    EXPECT_EQ(editor.macroName(), "LONGNAME1");
    EXPECT_EQ(editor.windowTitle(), "LONGNAME1 - Tav Macro editor");
}

TEST_F(LoadDialogFixture, AFileThatCannotBeReadLeavesTheEditorAlone)
{
    tmp.write("GAMEDATA/MAKRO/GONE.CMD", "END");
    editor.body().assign("mine");
    open();
    click("GONE");
    QFile::remove(tmp.disk("GAMEDATA/MAKRO/GONE.CMD"));
    ok()->click();
    EXPECT_FALSE(dialog->isVisible());
    ASSERT_EQ(platform.dialogs.count(), 1);
    EXPECT_EQ(platform.dialogs.lastMessage().icon, platform::Icon::Critical);
    EXPECT_EQ(editor.body().bodyText(), "mine");
    EXPECT_EQ(editor.windowTitle(), "NoName - Tav Macro editor (unsaved)");
}

TEST_F(LoadDialogFixture, TheEditorsLoadButtonOpensTheDialogModally)
{
    tmp.write("GAMEDATA/MAKRO/ONE.CMD", "END\r\n");
    bool sawDialog = false;
    QTimer::singleShot(0, [&] {
        auto *shown = qobject_cast<Form3 *>(QApplication::activeModalWidget());
        sawDialog = shown != nullptr;
        if (!shown)
            return;
        auto *names = shown->findChild<QListWidget *>("List1");
        names->setCurrentRow(0);
        shown->findChild<QPushButton *>("Command1_0")->click();
    });
    editor.findChild<QPushButton *>("Command1")->click();
    EXPECT_TRUE(sawDialog);
    EXPECT_EQ(editor.body().bodyText(), "END\r\n");
    EXPECT_EQ(editor.windowTitle(), "ONE - Tav Macro editor");
}
