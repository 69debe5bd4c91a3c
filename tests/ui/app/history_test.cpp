// Undo and redo in every tool window, driven as a designer does: two
// changes, Ctrl+Z twice, Ctrl+Y once, the tooltips naming the steps.
#include "ui/automap/map_overview.h"
#include "ui/definitions/definition_parameters.h"
#include "ui/enemy/enemy_editor.h"
#include "ui/macro/macro_body_edit.h"
#include "ui/macro/macro_editor.h"
#include "ui/savegame/savegame_editor.h"

#include "support/scripted_platform.h"
#include "support/temp_game_folder.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace tav;
using namespace tav::test;

namespace {

template <typename T = QLineEdit> T *child(QWidget *window, const char *name)
{
    T *widget = window->findChild<T *>(QLatin1String(name));
    EXPECT_TRUE(widget) << name;
    return widget;
}

// Types into a box as a user does, and leaves it with Return.
void typeInto(QWidget *window, const char *box, const QString &text)
{
    QLineEdit *edit = child(window, box);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

void key(QWidget *window, int k, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
{
    QTest::keyClick(window, Qt::Key(k), modifiers);
    QCoreApplication::processEvents();
}

QString tip(QWidget *window, const char *button)
{
    QCoreApplication::processEvents(); // a control's step is taken once its event is handled
    return child<QToolButton>(window, button)->toolTip();
}

struct Window {
    const char *name;
    std::function<QWidget *(const TempGameFolder &)> make;
    std::function<void(QWidget *, ScriptedPlatform &)> firstChange;
    std::function<void(QWidget *, ScriptedPlatform &)> secondChange;
    // What the window shows that the changes alter.
    std::function<QString(QWidget *)> shown;
    QString start, afterFirst, afterSecond;
    QString firstStep, secondStep;
};

const Window kWindows[] = {
    {"macro", [](const TempGameFolder &t) { return new Form2(t.folder()); },
     [](QWidget *w, ScriptedPlatform &) { QTest::keyClicks(child<QWidget>(w, "Text2"), "arm"); },
     [](QWidget *w, ScriptedPlatform &) { QTest::keyClicks(child<QWidget>(w, "Text2"), " "); },
     [](QWidget *w) { return static_cast<Form2 *>(w)->body().bodyText(); }, "", "arm", "ARM ", "type \"m\"",
     "type \" \""},
    {"savegame", [](const TempGameFolder &t) { return new Form6(t.folder()); },
     [](QWidget *w, ScriptedPlatform &) { typeInto(w, "Text4", "123"); },
     [](QWidget *w, ScriptedPlatform &) { child<QCheckBox>(w, "Check4")->click(); },
     [](QWidget *w) { return child(w, "Text4")->text() + (child<QCheckBox>(w, "Check4")->isChecked() ? " DOOM" : ""); },
     "50", "123", "123 DOOM", "gold 50 -> 123", "options DOOM cheat mode 0 -> 1"},
    {"enemy", [](const TempGameFolder &t) { return new Form16(t.folder()); },
     [](QWidget *w, ScriptedPlatform &) { typeInto(w, "Text1", "Big bat"); },
     [](QWidget *w, ScriptedPlatform &) { child<QCheckBox>(w, "Check1")->click(); },
     [](QWidget *w) {
         return child(w, "Text1")->text() + (child<QCheckBox>(w, "Check1")->isChecked() ? " heavy" : "");
     },
     "", "Big bat", "Big bat heavy", "description  -> Big bat", "heavyBody 0 -> 1"},
    {"map overview",
     [](const TempGameFolder &t) {
         t.write("GAMEDATA/AUTOMAP.DAT", " 1, 1\r\nGate\r\n 2, 1\r\nWall\r\n");
         auto *w = new Form4(t.folder());
         child<QTableWidget>(w, "Grid")->setCurrentCell(0, 1);
         child<QTableWidget>(w, "Grid")->setCurrentCell(0, 0);
         return w;
     },
     [](QWidget *w, ScriptedPlatform &) { typeInto(w, "Text3", "North gate"); },
     // Leaving a string not saved for another square is a step of its own.
     [](QWidget *w, ScriptedPlatform &) { child<QTableWidget>(w, "Grid")->setCurrentCell(0, 1); },
     [](QWidget *w) { return child(w, "Text1")->text() + " " + child(w, "Text3")->text(); }, "01 Gate", "01 North gate",
     "02 Wall", "automap 01/01 \"Gate\" -> \"North gate\"", "square 02/01"},
    {"definitions",
     [](const TempGameFolder &t) {
         t.write("GAMEDATA/GOALS.DAT", "Meet the elder\r\n");
         t.write("GAMEDATA/DEF_PIDL.DAT", "");
         return new Form9(t.folder());
     },
     [](QWidget *w, ScriptedPlatform &p) {
         p.dialogs.inputNext(QStringLiteral("Go home"));
         child<QPushButton>(w, "Command4")->click();
     },
     [](QWidget *w, ScriptedPlatform &) {
         child<QListWidget>(w, "List2")->setCurrentRow(0);
         child<QPushButton>(w, "Command3")->click();
     },
     [](QWidget *w) {
         QStringList goals;
         for (int i = 0; i < child<QListWidget>(w, "List2")->count(); ++i)
             goals << child<QListWidget>(w, "List2")->item(i)->text();
         return goals.join('|');
     },
     "Meet the elder", "Meet the elder|Go home", "Go home", "add goal \"Go home\"", "delete goal \"Meet the elder\""},
};

} // namespace

TEST(History, EveryToolWindowUndoesAndRedoesStepByStep)
{
    for (const Window &row : kWindows) {
        SCOPED_TRACE(row.name);
        ScriptedPlatform platform;
        TempGameFolder tmp;
        const std::unique_ptr<QWidget> window(row.make(tmp));
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        EXPECT_EQ(row.shown(window.get()), row.start);
        EXPECT_EQ(tip(window.get(), "UndoButton"), "Undo: not available");

        row.firstChange(window.get(), platform);
        row.secondChange(window.get(), platform);
        EXPECT_EQ(row.shown(window.get()), row.afterSecond);
        EXPECT_EQ(tip(window.get(), "UndoButton"), "Undo: " + row.secondStep);

        key(window.get(), Qt::Key_Z);
        EXPECT_EQ(row.shown(window.get()), row.afterFirst);
        EXPECT_EQ(tip(window.get(), "UndoButton"), "Undo: " + row.firstStep);
        EXPECT_EQ(tip(window.get(), "RedoButton"), "Redo: " + row.secondStep);
        key(window.get(), Qt::Key_Y);
        EXPECT_EQ(row.shown(window.get()), row.afterSecond);
        key(window.get(), Qt::Key_Z);
        key(window.get(), Qt::Key_Z);
        if (QString(row.name) != "macro") { // the macro's first change was three keystrokes
            EXPECT_EQ(row.shown(window.get()), row.start);
        }
        key(window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_TRUE(child<QToolButton>(window.get(), "RedoButton")->isEnabled());
        for (const ScriptedDialogs::Shown &shown : platform.dialogs.shown())
            EXPECT_TRUE(shown.isInput) << shown.message.text.toStdString();
    }
}

TEST(History, AStepHoldsWhatTheRulesChangeWithIt)
{
    ScriptedPlatform platform;
    TempGameFolder tmp;
    Form6 editor(tmp.folder());
    auto *containers = child<QSlider>(&editor, "Containers");
    auto *hearts = child<QSlider>(&editor, "Hearts");
    containers->setValue(6);
    QCoreApplication::processEvents();
    hearts->setValue(6);
    QCoreApplication::processEvents();
    containers->setValue(4); // lowering containers lowers hearts
    EXPECT_EQ(hearts->value(), 4);
    EXPECT_EQ(tip(&editor, "UndoButton"), "Undo: hearts 6 -> 4, containers 6 -> 4");
    editor.document().undo();
    EXPECT_EQ(containers->value(), 6);
    EXPECT_EQ(hearts->value(), 6);
}

TEST(History, TheMacroEditorKeepsAtLeastAHundredKeystrokesAndCtrlSSaves)
{
    ScriptedPlatform platform;
    TempGameFolder tmp;
    tmp.mkdir("GAMEDATA/MAKRO");
    Form2 editor(tmp.folder());
    editor.show();
    editor.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
    QWidget *body = child<QWidget>(&editor, "Text2");
    const QString line = QStringLiteral("text a long line");
    for (int i = 0; i < 8; ++i) {
        QTest::keyClicks(body, line);
        QTest::keyClick(body, Qt::Key_Return);
    }
    for (qsizetype i = 0; i < 8 * (line.size() + 1); ++i)
        QTest::keyClick(body, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(editor.body().bodyText(), "");
    QTest::keyClick(body, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(editor.body().bodyText(), "t");

    child(&editor, "Text1")->setText("LONG");
    QTest::keyClick(body, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(tmp.read("GAMEDATA/MAKRO/LONG.cmd"), "t");
    EXPECT_EQ(editor.windowTitle(), "LONG - Tav Macro editor");
}
