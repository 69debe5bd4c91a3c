#include "ui/macro/macro_body_edit.h"
#include "ui/macro/macro_editor.h"
#include "ui/macro/macro_highlighter.h"

#include "support/scripted_platform.h"
#include "support/temp_game_folder.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <gtest/gtest.h>

using namespace tav;

namespace {

// The colours a line shows: its text in each range, with the range's colour.
QList<std::pair<QString, QColor>> coloursOf(const QTextBlock &block)
{
    QList<std::pair<QString, QColor>> colours;
    for (const QTextLayout::FormatRange &range : block.layout()->formats())
        colours.append({block.text().mid(range.start, range.length), range.format.foreground().color()});
    return colours;
}

QColor colour(MacroStyle style)
{
    return MacroHighlighter::formatOf(style).foreground().color();
}

} // namespace

TEST(MacroHighlighter, ColoursWhatIsTypedAndWhatIsScrolledToWithoutChangingTheText)
{
    test::ScriptedPlatform platform;
    test::TempGameFolder tmp;
    tmp.mkdir("GAMEDATA/MAKRO");
    Form2 editor(tmp.folder());
    editor.show();
    MacroBodyEdit &body = editor.body();
    QTest::keyClicks(&body, "itm + 5");
    QApplication::processEvents();
    const QList<std::pair<QString, QColor>> typed = {
        {"ITM ", colour(MacroStyle::Command)}, {"+ ", colour(MacroStyle::Operator)}, {"5", colour(MacroStyle::Number)}};
    EXPECT_EQ(coloursOf(body.document()->firstBlock()), typed);
    QTest::keyClick(&body, Qt::Key_Backspace);
    QTest::keyClicks(&body, "x");
    QApplication::processEvents();
    EXPECT_EQ(coloursOf(body.document()->firstBlock()).size(), 2) << "'x' is no number";

    // A long macro: lines far below are coloured once they are scrolled to.
    QString text;
    for (int i = 0; i < 3000; ++i)
        text += i % 2 ? QStringLiteral("' note %1\r\n").arg(i) : QStringLiteral("QQQ %1\r\n").arg(i);
    body.assign(text);
    QApplication::processEvents();
    const QTextBlock far = body.document()->findBlockByNumber(2500);
    EXPECT_TRUE(far.layout()->formats().isEmpty());
    body.verticalScrollBar()->setValue(2490);
    QApplication::processEvents();
    EXPECT_EQ(coloursOf(far), (QList<std::pair<QString, QColor>>{{"QQQ", colour(MacroStyle::UnknownCommand)},
                                                                 {"2500", colour(MacroStyle::Number)}}));
    EXPECT_EQ(coloursOf(far.next()).value(0).second, colour(MacroStyle::Comment));

    // Colours are no change: the text, the caption's saved state and the file stay as they were.
    EXPECT_EQ(body.bodyText(), text);
    editor.findChild<QLineEdit *>("Text1")->setText("LONG");
    editor.findChild<QPushButton *>("Command2")->click();
    EXPECT_EQ(tmp.read("GAMEDATA/MAKRO/LONG.cmd"), text.toLatin1());
    body.verticalScrollBar()->setValue(0);
    QApplication::processEvents();
    EXPECT_EQ(editor.windowTitle(), "LONG - Tav Macro editor");
}
