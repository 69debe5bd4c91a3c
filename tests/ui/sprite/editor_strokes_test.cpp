#include "ui/sprite/magnified_viewer.h"
#include "ui/sprite/scrapboard_window.h"
#include "ui/sprite/sprite_editor.h"

#include "sprite_ui_support.h"
#include "support/scripted_platform.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace tav;
using namespace tav::test;

namespace {

struct StrokeFixture : ::testing::Test {
    ScriptedPlatform platform;
    TempGameFolder tmp;
    std::unique_ptr<Form12> editor;
    QWidget *canvas = nullptr;

    void SetUp() override
    {
        programTables().reset();
        tmp.write("GAMEDATA/MASTER.PAL", testPalette());
        editor = std::make_unique<Form12>(tmp.folder());
        editor->paletteWindow();
        canvas = editor->findChild<QWidget *>("Picture1");
        editor->tools().setLeftColour(9);
        editor->tools().setRightColour(4);
    }
    void TearDown() override { programTables().reset(); }

    template <typename T = QWidget> T *child(const char *name)
    {
        T *found = editor->findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // Press, one far move, release: the hand faster than the pointer's events.
    void stroke(QPoint from, QPoint to, Qt::MouseButton button)
    {
        sendMouse(canvas, QEvent::MouseButtonPress, cellCentre(from.x(), from.y()), button, button);
        sendMouse(canvas, QEvent::MouseMove, cellCentre(to.x(), to.y()), Qt::NoButton, button);
        sendMouse(canvas, QEvent::MouseButtonRelease, cellCentre(to.x(), to.y()), button, Qt::NoButton);
    }
    int painted(int index) const
    {
        int n = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x)
                n += editor->document().cell(x, y) == index;
        return n;
    }
};

} // namespace

TEST_F(StrokeFixture, AFastDragPaintsTheWholeLineAsOneUndoStep)
{
    const struct {
        QPoint from, to;
        Qt::MouseButton button;
        int colour;
        QPoint onLine, beside;
    } cases[] = {
        {{0, 5}, {39, 5}, Qt::LeftButton, 9, {20, 5}, {20, 6}},
        {{0, 0}, {39, 39}, Qt::RightButton, 4, {17, 17}, {17, 18}},
        {{39, 0}, {0, 39}, Qt::LeftButton, 9, {20, 19}, {20, 20}},
    };
    for (const auto &c : cases) {
        editor->document().newSprite();
        const int steps = editor->document().undoRing().stepsAvailable();
        stroke(c.from, c.to, c.button);
        EXPECT_EQ(painted(c.colour), 40) << c.to.x();
        EXPECT_EQ(editor->document().cell(c.onLine.x(), c.onLine.y()), c.colour);
        EXPECT_EQ(editor->document().cell(c.beside.x(), c.beside.y()), 0);
        EXPECT_EQ(child<QLineEdit>("SX")->text(), QString::number(c.to.x())); // the cursor ends on the last cell
        EXPECT_EQ(editor->document().undoRing().stepsAvailable(), steps + 1);
        child<QToolButton>("UndoButton")->click();
        EXPECT_EQ(painted(c.colour), 0);
    }
}

TEST_F(StrokeFixture, KeysUndoAndRedoOnTheActiveEditorButNotInASizeBox)
{
    editor->show();
    editor->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    auto *redo = child<QToolButton>("RedoButton");
    EXPECT_EQ(redo->toolTip(), "Redo: not available");
    child<QAbstractButton>("Command9")->click(); // flip x-wise, on nothing
    stroke({0, 5}, {39, 5}, Qt::LeftButton);

    QTest::keyClick(editor.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(painted(9), 0);
    EXPECT_EQ(redo->toolTip(), "Redo: pixel drawing");
    EXPECT_EQ(child<QToolButton>("UndoButton")->toolTip(), "Undo: flip x-wise");
    QTest::keyClick(editor.get(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(editor.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(redo->toolTip(), "Redo: pixel drawing");
    QTest::keyClick(editor.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(painted(9), 40);
    EXPECT_EQ(child<QToolButton>("UndoButton")->toolTip(), "Undo: pixel drawing");
    EXPECT_EQ(child<QToolButton>("UndoButton")->property("Tag").toString(), "2");
    EXPECT_FALSE(redo->isEnabled());

    // Keyboard painting keeps its keys; it drops what could be redone.
    QTest::keyClick(editor.get(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(editor.get(), Qt::Key_Return);
    EXPECT_EQ(editor->document().cell(39, 5), 9);
    EXPECT_FALSE(redo->isEnabled());

    // A size box's own undo wins while it has the focus.
    auto *xSize = child<QLineEdit>("XSize");
    xSize->setFocus(Qt::MouseFocusReason);
    const int steps = editor->document().undoRing().stepsAvailable();
    xSize->selectAll();
    QTest::keyClicks(xSize, "7");
    EXPECT_EQ(editor->document().XSize(), 7);
    QTest::keyClick(xSize, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(xSize->text(), "40");
    EXPECT_EQ(editor->document().undoRing().stepsAvailable(), steps);
}

TEST_F(StrokeFixture, FillIsTheFifthModeAndFillsTheClickedArea)
{
    auto *fill = child<QRadioButton>("Tool_4");
    EXPECT_EQ(fill->text(), "fill");
    fill->click();
    EXPECT_TRUE(child<QWidget>("MCursor")->isVisibleTo(canvas));
    child<QLineEdit>("YSize")->setText("10");
    stroke({3, 3}, {3, 3}, Qt::LeftButton);
    EXPECT_EQ(painted(9), 400);
    EXPECT_EQ(child<QToolButton>("UndoButton")->toolTip(), "Undo: fill");
}

TEST_F(StrokeFixture, OnionSkinShowsAFrameUnderTheCanvasAndChangesNothing)
{
    CellGrid frame;
    frame.set(2, 2, 40);
    editor->scrapboard().store(1, QString(), 40, 40, frame);
    editor->document().setCell(3, 3, 9);
    editor->Picture2_DragDrop(QStringLiteral("1")); // the frame last taken
    auto *spin = child<QSpinBox>("OnionFrame");
    EXPECT_EQ(spin->value(), 2);
    editor->document().newSprite();
    editor->document().setCell(3, 3, 9);
    const SpriteImage before = editor->document().snapshot();
    const UndoRing ring = editor->document().undoRing();

    child<QCheckBox>("OnionSkin")->click();
    const QImage shown = canvas->grab().toImage();
    EXPECT_EQ(shown.pixel(cellCentre(2, 2)), faintOver(qRgb(0, 0, 0), testColour(40)));
    EXPECT_EQ(shown.pixel(cellCentre(3, 3)), testColour(9));
    EXPECT_EQ(shown.pixel(cellCentre(5, 5)), qRgb(0, 0, 0));
    child<QCheckBox>("Check1")->click(); // pink under it
    EXPECT_EQ(canvas->grab().toImage().pixel(cellCentre(2, 2)), faintOver(ScreenPalette::kPink, testColour(40)));
    child<QCheckBox>("Check1")->click();
    spin->setValue(5);
    EXPECT_EQ(canvas->grab().toImage().pixel(cellCentre(2, 2)), qRgb(0, 0, 0));
    EXPECT_EQ(editor->document().snapshot(), before);
    EXPECT_EQ(editor->document().undoRing().UndoPos(), ring.UndoPos());
    EXPECT_EQ(editor->document().undoRing().stepsAvailable(), ring.stepsAvailable());
}

TEST_F(StrokeFixture, TheViewerPlaysAtTheSetSpeedAndMagnifiesInAWindowOfItsOwn)
{
    editor->Form_Activate();
    Form14 *board = editor->scrapboardWindow();
    auto *timer = board->findChild<QTimer *>("Anim");
    auto *speed = board->findChild<QSpinBox *>("Speed");
    ASSERT_NE(speed, nullptr);
    EXPECT_EQ(speed->value(), 10);
    EXPECT_EQ(timer->interval(), 100);
    speed->setValue(30);
    EXPECT_EQ(timer->interval(), 33);
    speed->setValue(1);
    EXPECT_EQ(timer->interval(), 1000);

    CellGrid frame;
    frame.set(39, 39, 12);
    editor->scrapboard().store(0, QString(), 40, 40, frame);
    board->findChild<QToolButton *>("Command1")->click();
    const QSize viewer = board->size();
    board->findChild<QToolButton *>("Magnify")->click();
    ASSERT_NE(board->magnifiedViewer(), nullptr);
    EXPECT_TRUE(board->magnifiedViewer()->isVisible());
    EXPECT_EQ(board->size(), viewer);
    board->Anim_Timer();
    const QImage big = board->magnifiedViewer()->picture();
    EXPECT_EQ(big.size(), QSize(160, 160));
    EXPECT_EQ(big.pixel(156, 156), testColour(12)); // 4 pixels per sprite pixel
    EXPECT_EQ(big.pixel(155, 155), qRgb(0, 0, 0));
}
