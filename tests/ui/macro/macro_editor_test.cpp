#include "core/macro/macro_format.h"
#include "ui/macro/macro_body_edit.h"
#include "ui/macro/macro_editor.h"

#include "../../core/macro/print_text.h"
#include "support/scripted_platform.h"
#include "support/temp_game_folder.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

#include <random>

using namespace tav;
using tav::test::ScriptedPlatform;
using tav::test::TempGameFolder;

namespace {

struct MacroEditorFixture : ::testing::Test {
    ScriptedPlatform platform;
    TempGameFolder tmp;
    Form2 editor{tmp.folder()};

    MacroBodyEdit *body() { return editor.findChild<MacroBodyEdit *>("Text2"); }
    QLineEdit *name() { return editor.findChild<QLineEdit *>("Text1"); }
    QComboBox *presets() { return editor.findChild<QComboBox *>("Combo1"); }
    QPushButton *button(const char *objectName) { return editor.findChild<QPushButton *>(objectName); }

    void type(const QString &text) { QTest::keyClicks(body(), text); }
    void enter() { QTest::keyClick(body(), Qt::Key_Return); }
    // Caret as a count of body characters.
    qsizetype caret() { return body()->body().offsetOf(body()->caret()); }
    void placeCaret(qsizetype offset)
    {
        const TextPos pos = body()->body().positionOf(offset);
        QTextCursor cursor = body()->textCursor();
        cursor.setPosition(body()->document()->findBlockByNumber(int(pos.line)).position() + int(pos.column));
        body()->setTextCursor(cursor);
    }
    QString shownText() { return body()->toPlainText().replace('\n', "\r\n"); }
    int warnings() { return int(platform.dialogs.messageTexts().count(kPercentWarning)); }
};

} // namespace

TEST_F(MacroEditorFixture, FormatsTypingAndFollowsTheCommandInThePresets)
{
    EXPECT_EQ(editor.windowTitle(), "NoName - Tav Macro editor (unsaved)");
    EXPECT_EQ(presets()->count(), 54);
    EXPECT_FALSE(button("Command5")->isEnabled());
    type("  arm ?");
    EXPECT_EQ(body()->bodyText(), "ARM ?");
    EXPECT_EQ(presets()->currentIndex(), 0);
    EXPECT_TRUE(button("Command5")->isEnabled());

    enter();
    type("   end");
    enter();
    type("'  keep  this");
    enter();
    type("wav x");
    EXPECT_EQ(presets()->currentIndex(), 49);
    enter();
    type("dir");
    EXPECT_EQ(body()->bodyText(), "ARM ?\r\nend\r\n'  keep  this\r\nWAV x\r\ndir");
    EXPECT_EQ(shownText(), body()->bodyText());
    EXPECT_EQ(caret(), body()->bodyText().size());
}

TEST_F(MacroEditorFixture, AllowsPercentOnlyAsTheFirstCharacter)
{
    type("%map x%y");
    EXPECT_EQ(body()->bodyText(), "%MAP XY");
    ASSERT_EQ(warnings(), 1);
    EXPECT_EQ(platform.dialogs.lastMessage().title, "Warning!");
    EXPECT_EQ(platform.dialogs.lastMessage().icon, platform::Icon::Information);
    EXPECT_EQ(caret(), 7);
}

TEST_F(MacroEditorFixture, PastedLineBreaksFollowTheBodyRules)
{
    QApplication::clipboard()->setText("one\ntwo\r\nthree\rfour");
    body()->paste();
    EXPECT_EQ(body()->bodyText(), "onetwo\r\nthree\r\nfour");
    EXPECT_EQ(shownText(), body()->bodyText());
    // The caret goes where the pasted characters end, counted before formatting.
    EXPECT_EQ(caret(), qsizetype(QString("one\ntwo\r\nthree\rfour").size()));

    // Copying gives CR LF, so the lines survive a copy and paste.
    body()->selectAll();
    body()->copy();
    EXPECT_EQ(QApplication::clipboard()->text(), "onetwo\r\nthree\r\nfour");
    body()->paste();
    EXPECT_EQ(body()->bodyText(), "onetwo\r\nthree\r\nfour");

    QApplication::clipboard()->setText("\n");
    placeCaret(3);
    body()->paste();
    EXPECT_EQ(body()->bodyText(), "onetwo\r\nthree\r\nfour");
    EXPECT_EQ(caret(), 4);
}

TEST_F(MacroEditorFixture, InsertsPresetsWithTheCaretArithmetic)
{
    presets()->setCurrentIndex(11); // END
    button("Command5")->click();
    EXPECT_EQ(body()->bodyText(), "END\r\n");
    EXPECT_EQ(caret(), 5);

    body()->assign("abc\r\ndef");
    placeCaret(5);
    presets()->setCurrentIndex(14); // FIX ON
    button("Command5")->click();
    EXPECT_EQ(body()->bodyText(), "abc\r\nFIX ON\r\ndef");
    EXPECT_EQ(caret(), 13);

    placeCaret(2);
    button("Command5")->click();
    EXPECT_EQ(body()->bodyText(), "aFIX ON\r\nbc\r\nFIX ON\r\ndef");
    EXPECT_EQ(shownText(), body()->bodyText());
    EXPECT_EQ(caret(), 10);
}

TEST_F(MacroEditorFixture, SavesTheBodyOrSaysWhyNot)
{
    type("pos vOpen\rarm ?\rend");
    button("Command2")->click(); // no GAMEDATA\MAKRO yet
    ASSERT_EQ(platform.dialogs.count(), 1);
    EXPECT_EQ(platform.dialogs.lastMessage().icon, platform::Icon::Critical);
    EXPECT_EQ(editor.windowTitle(), "NoName - Tav Macro editor (unsaved)");

    tmp.mkdir("GAMEDATA/MAKRO");
    name()->setText("..\\x");
    button("Command2")->click();
    EXPECT_TRUE(platform.dialogs.lastMessage().detail.contains("separator"));
    EXPECT_EQ(editor.windowTitle(), "..\\x - Tav Macro editor (unsaved)");

    name()->selectAll();
    QTest::keyClicks(name(), "Gate");
    button("Command2")->click();
    EXPECT_EQ(tmp.read("GAMEDATA/MAKRO/Gate.cmd"), "POS vOpen\r\nARM ?\r\nend");
    EXPECT_EQ(editor.windowTitle(), "Gate - Tav Macro editor");
    type("x");
    EXPECT_EQ(editor.windowTitle(), "Gate - Tav Macro editor (unsaved)");
}

TEST_F(MacroEditorFixture, NewClearsWithoutAskingAndHelpOpensInNotepad)
{
    name()->setText("Gate");
    type("end");
    editor.markSaved();
    button("Command3")->click();
    EXPECT_EQ(name()->text(), "NoName");
    EXPECT_EQ(body()->bodyText(), "");
    EXPECT_EQ(editor.windowTitle(), "NoName - Tav Macro editor (unsaved)");
    EXPECT_EQ(platform.dialogs.count(), 0);

    button("Command4")->click();
    EXPECT_EQ(platform.launcher.commandLines(), QStringList{"NotePad HELP\\CMDHelp.txt"});
}

TEST_F(MacroEditorFixture, LaysOutTheHeaderForTheWindowWidth)
{
    editor.show();
    editor.resize(800, 500);
    QWidget *logo = editor.findChild<QWidget *>("Image1");
    EXPECT_EQ(body()->geometry(), QRect(0, 76, 800, 500 - 76));
    EXPECT_EQ(logo->x() + logo->width(), 796);
    EXPECT_EQ(presets()->geometry().right() + 1, button("Command5")->x() - 4);
    // Undo and redo sit between the name box and the emblem.
    QWidget *undo = editor.findChild<QWidget *>("UndoButton");
    QWidget *redo = editor.findChild<QWidget *>("RedoButton");
    EXPECT_EQ(name()->geometry().right() + 1, undo->x() - 4);
    EXPECT_EQ(redo->geometry().right() + 1, logo->x() - 4);
    EXPECT_EQ(undo->y(), redo->y());
    EXPECT_EQ(editor.findChild<QWidget *>("Line6")->geometry().right() + 1, 796);

    // Too small: sizes that would be negative stay as they were.
    const QSize bodySize = body()->size();
    editor.resize(40, 50);
    EXPECT_EQ(body()->size(), bodySize);
}

TEST_F(MacroEditorFixture, EditsInTheBoxGiveWhatTheWholeBodyPassGives)
{
    std::mt19937 random(99);
    const QStringList pieces = {" ", "a", "rm ", "%", "\n", "'", "x", "pos i", "  "};
    body()->assign("%map\r\n  arm ?\r\nend\r\n'!note\r\nfix on");
    for (int step = 0; step < 400; ++step) {
        const QString before = body()->bodyText();
        QTextCursor cursor = body()->textCursor();
        const int size = body()->document()->characterCount() - 1;
        const int from = int(random() % (size + 1));
        const int to = std::min(size, from + int(random() % 3));
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        body()->setTextCursor(cursor);
        const int blockFrom = body()->document()->findBlock(from).blockNumber();
        const int blockTo = body()->document()->findBlock(to).blockNumber();
        const QString inserted = random() % 4 ? pieces[int(random() % pieces.size())] : QString();
        if (inserted.isEmpty() && from == to)
            continue;

        QString raw = inserted;
        raw.replace("\n", "\r\n");
        const qsizetype bodyFrom = from + blockFrom;
        const QString changed = before.left(bodyFrom) + raw + before.mid(to + blockTo);
        const FormattedBody expected = formatBody(changed, bodyFrom + raw.size());
        const int warningsBefore = warnings();

        if (inserted.isEmpty())
            QTest::keyClick(body(), Qt::Key_Delete);
        else
            body()->textCursor().insertText(inserted);

        ASSERT_EQ(body()->bodyText(), expected.text) << "step " << step;
        ASSERT_EQ(shownText(), expected.text) << "step " << step;
        // A caret inside a line break is shown at the end of its line.
        qsizetype expectedCaret = expected.caret;
        if (expectedCaret > 0 && expected.text[expectedCaret - 1] == '\r')
            --expectedCaret;
        ASSERT_EQ(caret(), expectedCaret) << "step " << step;
        ASSERT_EQ(warnings() - warningsBefore, expected.droppedPercents.size());

        if (step % 20 == 19) {
            // Undoing brings back an earlier formatted text, in the box and the body alike.
            QTest::keyClick(body(), Qt::Key_Z, Qt::ControlModifier);
            ASSERT_EQ(shownText(), body()->bodyText()) << "step " << step;
            ASSERT_EQ(formatBody(body()->bodyText(), 0).text, body()->bodyText());
        }
    }
}

TEST_F(MacroEditorFixture, SavingOverAnotherExistingMacroAsksFirst)
{
    tmp.write("GAMEDATA/MAKRO/ELDER.cmd", "TEXT old");
    tmp.write("GAMEDATA/MAKRO/SHOP.cmd", "TEXT shop");
    name()->setText("elder"); // finds ELDER.cmd whatever the letter case
    body()->assign("TEXT new");
    platform.dialogs.answerNext(platform::Answer::No);
    button("Command2")->click();
    ASSERT_EQ(platform.dialogs.count(), 1);
    EXPECT_EQ(platform.dialogs.lastMessage().buttons, platform::Buttons::YesNo);
    EXPECT_TRUE(platform.dialogs.lastMessage().text.contains("elder"));
    EXPECT_EQ(tmp.read("GAMEDATA/MAKRO/ELDER.cmd"), "TEXT old");
    EXPECT_EQ(editor.unsavedWork(), "Macro editor (elder)");

    button("Command2")->click(); // Yes
    EXPECT_EQ(tmp.read("GAMEDATA/MAKRO/ELDER.cmd"), "TEXT new");
    button("Command2")->click(); // its own file now: no question
    EXPECT_EQ(platform.dialogs.count(), 2);

    name()->setText("SHOP");
    platform.dialogs.answerNext(platform::Answer::No);
    button("Command2")->click();
    EXPECT_EQ(platform.dialogs.count(), 3);
    EXPECT_EQ(tmp.read("GAMEDATA/MAKRO/SHOP.cmd"), "TEXT shop");
    name()->setText("NEWONE");
    button("Command2")->click();
    EXPECT_EQ(platform.dialogs.count(), 3) << "a new name replaces nothing";
    EXPECT_TRUE(tmp.exists("GAMEDATA/MAKRO/NEWONE.cmd"));
}
