#include "core/macro/macro_search.h"
#include "ui/macro/macro_body_edit.h"
#include "ui/macro/macro_completion_popup.h"
#include "ui/macro/macro_editor.h"
#include "ui/macro/macro_find_dialog.h"

#include "../../core/macro/print_text.h"
#include "support/scripted_platform.h"
#include "support/temp_game_folder.h"

#include <QApplication>
#include <QCheckBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QToolTip>

#include <gtest/gtest.h>

using namespace tav;
using tav::test::ScriptedPlatform;
using tav::test::TempGameFolder;

namespace {

struct AssistFixture : ::testing::Test {
    ScriptedPlatform platform;
    TempGameFolder tmp;
    std::unique_ptr<Form2> editor;

    AssistFixture()
    {
        tmp.write("GAMEDATA/ITMNAMES.DAT", " 1 \r\nRusty key\r\n 2 \r\nHealing herb\r\n");
        tmp.write("GAMEDATA/GOALS.DAT", "Talk to the elder\r\nFind the key\r\n");
        tmp.write("SOUNDS/anvil.wav", "RIFF");
        tmp.write("SOUNDS/chime.wav", "RIFF");
        editor = std::make_unique<Form2>(tmp.folder());
        editor->show();
        body()->setFocus();
    }

    MacroBodyEdit *body() { return &editor->body(); }
    QListWidget *list() { return body()->findChild<QListWidget *>("CompletionList"); }
    MacroFindDialog *finder() { return editor->findChild<MacroFindDialog *>("FindDialog"); }
    void type(const QString &text) { QTest::keyClicks(body(), text); }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(body(), key, modifiers); }
    QStringList listed()
    {
        QStringList rows;
        for (int i = 0; list()->isVisible() && i < list()->count(); ++i)
            rows.append(list()->item(i)->text().section(QStringLiteral("  -  "), 0, 0));
        return rows;
    }
};

} // namespace

TEST_F(AssistFixture, CompletesCommandsAndValuesWithTheKeys)
{
    type("w");
    EXPECT_EQ(listed(), (QStringList{"WAV !WavFileHighPriority", "WAV WavFileLowPriority",
                                     "WET WeatherDescriptionNumber", "WET ?"}));
    key(Qt::Key_Down);
    key(Qt::Key_Tab);
    EXPECT_EQ(body()->bodyText(), "WAV ") << "the code and a blank, no placeholder word";
    key(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(listed(), (QStringList{"!", "anvil", "chime"}));
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    EXPECT_EQ(body()->bodyText(), "WAV chime");
    EXPECT_FALSE(list()->isVisible());

    // Return keeps its meaning unless an entry was chosen with the arrows.
    key(Qt::Key_Return);
    type("en");
    EXPECT_EQ(listed(), (QStringList{"END"}));
    key(Qt::Key_Return);
    EXPECT_EQ(body()->bodyText(), "WAV chime\r\nen\r\n");

    type("itm + ");
    key(Qt::Key_J, Qt::ControlModifier);
    EXPECT_EQ(list()->item(1)->text(), "2  -  Healing herb");
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    type("x");
    key(Qt::Key_Escape);
    EXPECT_EQ(body()->bodyText(), "WAV chime\r\nen\r\nITM + 2x");
    EXPECT_FALSE(list()->isVisible());
}

TEST_F(AssistFixture, HoverTellsWhatTheWordUnderTheMouseNames)
{
    body()->assign("XXX 12 08 1\r\nQQQ 1");
    QApplication::processEvents();
    struct Case {
        int line;
        int column;
        QString tip;
    };
    for (const Case &c : {Case{0, 10, "Goal 1: Find the key"}, Case{0, 1, "XXX XX YY GoalPriorityNumber"}}) {
        QTextCursor cursor(body()->document()->findBlockByNumber(c.line));
        cursor.setPosition(cursor.position() + c.column);
        const QPoint at = body()->cursorRect(cursor).center() + QPoint(2, 0);
        QHelpEvent help(QEvent::ToolTip, at, body()->viewport()->mapToGlobal(at));
        QApplication::sendEvent(body()->viewport(), &help);
        EXPECT_EQ(QToolTip::isVisible() ? QToolTip::text() : QString(), c.tip) << c.line << ":" << c.column;
    }
}

TEST_F(AssistFixture, FindsReplacesAndGoesToALine)
{
    body()->assign("ITM + 1\r\nMSG 1 item itm\r\nITM - 2\r\nEND");
    key(Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(finder()->isVisible());
    finder()->findChild<QLineEdit *>("FindText")->setText("itm");
    body()->setFocus();
    struct Step {
        Qt::KeyboardModifiers modifiers;
        int line;
        int column;
    };
    for (const Step &step : {Step{Qt::NoModifier, 0, 0}, Step{Qt::NoModifier, 1, 11}, Step{Qt::NoModifier, 2, 0},
                             Step{Qt::NoModifier, 0, 0}, Step{Qt::ShiftModifier, 2, 0}}) {
        key(Qt::Key_F3, step.modifiers);
        const QTextCursor cursor = body()->textCursor();
        EXPECT_EQ(cursor.block().blockNumber(), step.line);
        EXPECT_EQ(cursor.selectionStart() - cursor.block().position(), step.column);
    }
    finder()->findChild<QCheckBox *>("MatchCase")->setChecked(true);
    finder()->findChild<QLineEdit *>("FindText")->setText("ITM");
    finder()->findChild<QLineEdit *>("ReplaceText")->setText("%M");
    finder()->findChild<QPushButton *>("ReplaceAll")->click();
    EXPECT_EQ(platform.dialogs.lastMessage().text, kPercentReplacementRefused);
    finder()->findChild<QLineEdit *>("ReplaceText")->setText("BUB");
    finder()->findChild<QPushButton *>("ReplaceAll")->click();
    EXPECT_EQ(body()->bodyText(), "BUB + 1\r\nMSG 1 item itm\r\nBUB - 2\r\nEND");
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(body()->bodyText(), "ITM + 1\r\nMSG 1 item itm\r\nITM - 2\r\nEND") << "one step back";

    platform.dialogs.inputNext(QStringLiteral("3"));
    key(Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(body()->textCursor().blockNumber(), 2);
    EXPECT_EQ(body()->textCursor().positionInBlock(), 0);
    platform.dialogs.inputNext(QStringLiteral("9"));
    key(Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(body()->textCursor().blockNumber(), 2);
    EXPECT_TRUE(platform.dialogs.lastMessage().text.contains("lines 1 to 4"));
}
