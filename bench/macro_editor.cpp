// Speed of the macro editor's live formatting: a keystroke must cost about
// the same in a long macro as in a short one, and loading a macro through the
// load dialog must grow linearly with its lines. Drives the real windows
// offscreen.
#include "ui/macro/macro_editor.h"
#include "core/app/recovery_writer.h"
#include "core/common/open_documents.h"
#include "support/macro_text.h"
#include "ui/macro/load_macro_dialog.h"
#include "ui/macro/macro_body_edit.h"
#include "ui/macro/macro_highlighter.h"
#include "ui/platform/dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

#include <benchmark/benchmark.h>

using namespace tav;

namespace {

struct Workshop {
    QTemporaryDir dir;
    GameFolder folder{dir.path()};
    Form2 editor{folder};

    // Colouring is on, as in the kit, unless switched off here.
    explicit Workshop(bool colouring = true)
    {
        QDir().mkpath(dir.path() + QStringLiteral("/GAMEDATA/MAKRO"));
        if (!colouring)
            delete editor.findChild<MacroHighlighter *>();
        editor.show();
    }

    void writeMacro(const QString &name, int lines)
    {
        QFile file(dir.path() + QStringLiteral("/GAMEDATA/MAKRO/") + name + QStringLiteral(".CMD"));
        file.open(QIODevice::WriteOnly);
        file.write(bench::macroText(lines));
    }

    void loadThroughDialog(const QString &name)
    {
        Form3 dialog(folder, editor, &editor);
        auto *list = dialog.findChild<QListWidget *>(QStringLiteral("List1"));
        list->setCurrentItem(list->findItems(name, Qt::MatchExactly).first());
        dialog.findChild<QPushButton *>(QStringLiteral("Command1_0"))->click();
    }

    // Loads a macro of `lines` lines and puts the caret in the middle of the
    // line in the middle of the body, ready for typing.
    MacroBodyEdit &openForTyping(int lines)
    {
        writeMacro(QStringLiteral("LONG"), lines);
        loadThroughDialog(QStringLiteral("LONG"));
        MacroBodyEdit &body = editor.body();
        const QTextBlock block = body.document()->findBlockByNumber(body.blockCount() / 2);
        QTextCursor cursor = body.textCursor();
        cursor.setPosition(block.position() + block.length() / 2);
        body.setTextCursor(cursor);
        body.setFocus();
        QApplication::processEvents();
        return body;
    }
};

// One iteration types a character and takes it back, as two keystrokes.
// The second argument switches the colouring off (0) or on (1).
void BM_KeystrokeInAMacroOfLines(benchmark::State &state)
{
    Workshop shop(state.range(1) != 0);
    MacroBodyEdit &body = shop.openForTyping(int(state.range(0)));
    for (auto _ : state) {
        QTest::keyClick(&body, Qt::Key_X);
        QTest::keyClick(&body, Qt::Key_Backspace);
        QApplication::processEvents();
    }
    state.counters["lines"] = double(body.blockCount());
}
BENCHMARK(BM_KeystrokeInAMacroOfLines)->ArgsProduct({{10, 1000, 20000}, {0, 1}})->Unit(benchmark::kMicrosecond);

// A keystroke that changes the colours of its line, shown before the next:
// a digit typed at the end of a command line and taken back, each painted.
void BM_PaintedKeystrokeInACommandLine(benchmark::State &state)
{
    Workshop shop(state.range(1) != 0);
    MacroBodyEdit &body = shop.openForTyping(int(state.range(0)));
    QTextCursor cursor = body.textCursor();
    cursor.movePosition(QTextCursor::NextBlock);
    cursor.movePosition(QTextCursor::EndOfBlock);
    body.setTextCursor(cursor);
    QApplication::processEvents();
    for (auto _ : state) {
        QTest::keyClick(&body, Qt::Key_7);
        QApplication::processEvents();
        QTest::keyClick(&body, Qt::Key_Backspace);
        QApplication::processEvents();
    }
    state.counters["lines"] = double(body.blockCount());
}
BENCHMARK(BM_PaintedKeystrokeInACommandLine)->ArgsProduct({{20000}, {0, 1}})->Unit(benchmark::kMicrosecond);

// Completion of an item number with 1,000 items in ITMNAMES.DAT: Ctrl+Space
// after "ITM + " until the list shows every item with its name, then Escape.
void BM_CompleteAnItemNumberOfItems(benchmark::State &state)
{
    Workshop shop;
    QByteArray items;
    for (int i = 1; i <= state.range(0); ++i)
        items += " " + QByteArray::number(i) + " \r\nItem number " + QByteArray::number(i) + "\r\n";
    QFile file(shop.dir.path() + QStringLiteral("/GAMEDATA/ITMNAMES.DAT"));
    file.open(QIODevice::WriteOnly);
    file.write(items);
    file.close();
    MacroBodyEdit &body = shop.editor.body();
    body.setFocus();
    QTest::keyClicks(&body, QStringLiteral("ITM + "));
    auto *list = body.findChild<QListWidget *>(QStringLiteral("CompletionList"));
    for (auto _ : state) {
        QTest::keyClick(&body, Qt::Key_Space, Qt::ControlModifier);
        if (list->count() != state.range(0))
            state.SkipWithError("the list does not hold every item");
        QTest::keyClick(&body, Qt::Key_Escape);
    }
}
BENCHMARK(BM_CompleteAnItemNumberOfItems)->Arg(1000)->Unit(benchmark::kMillisecond);

// Keystrokes that change the lines: a new line typed as a command, then
// taken back (twelve keystrokes). Lines moving below the caret repaint the
// whole box, so a box full of lines costs more than one holding ten; from a
// full box on, the length of the macro makes no difference.
void BM_NewCommandLineInAMacroOfLines(benchmark::State &state)
{
    Workshop shop;
    MacroBodyEdit &body = shop.openForTyping(int(state.range(0)));
    for (auto _ : state) {
        QTest::keyClick(&body, Qt::Key_Return);
        QTest::keyClicks(&body, QStringLiteral("arm ?"));
        for (int i = 0; i < 6; ++i)
            QTest::keyClick(&body, Qt::Key_Backspace);
        QApplication::processEvents();
    }
    state.counters["lines"] = double(body.blockCount());
}
BENCHMARK(BM_NewCommandLineInAMacroOfLines)->Arg(10)->Arg(1000)->Arg(20000)->Unit(benchmark::kMicrosecond);

// A new line alone: Return in the middle of a line, then Backspace to join
// the line again (two keystrokes, as in the keystroke case above).
void BM_ReturnInAMacroOfLines(benchmark::State &state)
{
    Workshop shop;
    MacroBodyEdit &body = shop.openForTyping(int(state.range(0)));
    for (auto _ : state) {
        QTest::keyClick(&body, Qt::Key_Return);
        QTest::keyClick(&body, Qt::Key_Backspace);
        QApplication::processEvents();
    }
    state.counters["lines"] = double(body.blockCount());
}
BENCHMARK(BM_ReturnInAMacroOfLines)->Arg(10)->Arg(1000)->Arg(20000)->Unit(benchmark::kMicrosecond);

void BM_LoadMacroOfLinesThroughTheDialog(benchmark::State &state)
{
    Workshop shop(state.range(1) != 0);
    shop.writeMacro(QStringLiteral("LONG"), int(state.range(0)));
    for (auto _ : state) {
        shop.loadThroughDialog(QStringLiteral("LONG"));
        QApplication::processEvents();
    }
    state.counters["lines"] = double(shop.editor.body().blockCount());
}
BENCHMARK(BM_LoadMacroOfLinesThroughTheDialog)->ArgsProduct({{10000, 20000}, {0, 1}})->Unit(benchmark::kMillisecond);

// The same keystrokes in a 20,000-line macro with the recovery copies off
// (0) and on (1): the copy is written off the keystroke path.
struct WorkshopWithCopies : Workshop {
    QTemporaryDir state;
    OpenDocuments open;
    RecoveryStore store{state.path(), dir.path()};
    RecoveryWriter writer{open, store};

    explicit WorkshopWithCopies(bool copies)
    {
        store.open();
        open.add(&editor.document());
        writer.setEnabled(copies);
    }
};

template <typename Keys>
void typeWithCopies(benchmark::State &state, Keys keys)
{
    WorkshopWithCopies shop(state.range(0) != 0);
    MacroBodyEdit &body = shop.openForTyping(20000);
    for (auto _ : state) {
        keys(body);
        QApplication::processEvents();
    }
    shop.writer.waitForWrites();
    state.SetLabel(state.range(0) ? "copies on" : "copies off");
}

void BM_KeystrokeWithCopies(benchmark::State &state)
{
    typeWithCopies(state, [](MacroBodyEdit &body) {
        QTest::keyClick(&body, Qt::Key_X);
        QTest::keyClick(&body, Qt::Key_Backspace);
    });
}
BENCHMARK(BM_KeystrokeWithCopies)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_NewLineWithCopies(benchmark::State &state)
{
    typeWithCopies(state, [](MacroBodyEdit &body) {
        QTest::keyClick(&body, Qt::Key_Return);
        QTest::keyClick(&body, Qt::Key_Backspace);
    });
}
BENCHMARK(BM_NewLineWithCopies)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
