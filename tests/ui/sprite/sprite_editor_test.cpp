#include "ui/sprite/colour_swatch.h"
#include "ui/sprite/sprite_canvas.h"
#include "ui/sprite/sprite_editor.h"
#include "ui/sprite/sprite_file_dialog.h"
#include "ui/sprite/sprite_preview.h"

#include "sprite_ui_support.h"
#include "support/scripted_platform.h"
#include "ui/platform/please_wait.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace tav;
using namespace tav::test;

namespace {

struct EditorFixture : ::testing::Test {
    ScriptedPlatform platform;
    TempGameFolder tmp;
    std::unique_ptr<Form12> editor;
    QWidget *canvas = nullptr;

    void SetUp() override
    {
        tmp.write("GAMEDATA/MASTER.PAL", testPalette());
        editor = std::make_unique<Form12>(tmp.folder());
        editor->paletteWindow();
        canvas = editor->findChild<QWidget *>("Picture1");
    }

    template <typename T = QWidget> T *child(const char *name)
    {
        T *found = editor->findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void press(int x, int y, Qt::MouseButton button)
    {
        sendMouse(canvas, QEvent::MouseButtonPress, cellCentre(x, y), button, button);
    }
    void move(int x, int y, Qt::MouseButtons held)
    {
        sendMouse(canvas, QEvent::MouseMove, cellCentre(x, y), Qt::NoButton, held);
    }
    void release(int x, int y, Qt::MouseButton button)
    {
        sendMouse(canvas, QEvent::MouseButtonRelease, cellCentre(x, y), button, Qt::NoButton);
    }
    void key(int qtKey, const QString &text = QString())
    {
        QKeyEvent event(QEvent::KeyPress, qtKey, Qt::NoModifier, text);
        QApplication::sendEvent(editor.get(), &event);
    }
    QRgb previewAt(int x, int y) { return child<SpritePreview>("Picture2")->picture().pixel(2 * x + 1, 2 * y + 1); }
};

} // namespace

TEST_F(EditorFixture, TheModeButtonsSwitchDrawingAndGrabbingPointsTheCanvas)
{
    editor->document().setCell(9, 9, 33);
    child<QRadioButton>("Tool_3")->click();
    EXPECT_EQ(canvas->cursor().shape(), Qt::BitmapCursor);
    press(9, 9, Qt::LeftButton);
    EXPECT_EQ(editor->tools().leftColour(), 33);
    EXPECT_TRUE(child<QRadioButton>("Tool_1")->isChecked());
    EXPECT_EQ(canvas->cursor().shape(), Qt::ArrowCursor);

    child<QRadioButton>("Tool_0")->click();
    EXPECT_FALSE(child<QWidget>("MCursor")->isVisibleTo(canvas));
    press(2, 2, Qt::LeftButton);
    move(4, 5, Qt::LeftButton);
    EXPECT_TRUE(child<QWidget>("Sel")->isVisibleTo(canvas));
    release(4, 5, Qt::LeftButton);
    EXPECT_FALSE(child<QWidget>("Sel")->isVisibleTo(canvas));
    EXPECT_TRUE(child<QWidget>("Selector")->isVisibleTo(canvas));
    EXPECT_EQ(child<QWidget>("Selector")->geometry(), QRect(24, 24, 37, 49));
    EXPECT_EQ(child<QWidget>("SelScape")->geometry(), QRect(24, 24, 37, 49));
    child<QRadioButton>("Tool_2")->click();
    EXPECT_FALSE(child<QWidget>("Selector")->isVisibleTo(canvas));
    EXPECT_TRUE(child<QWidget>("MCursor")->isVisibleTo(canvas));
}

TEST_F(EditorFixture, KeysReachTheDrawingToolsAndDeleteRunsTheDeleteButton)
{
    editor->tools().setLeftColour(3);
    key(Qt::Key_Up);
    key(Qt::Key_Left);
    EXPECT_EQ(child<QLineEdit>("SX")->text(), "39");
    EXPECT_EQ(child<QWidget>("MCursor")->pos(), QPoint(468, 468));
    key(Qt::Key_Return);
    EXPECT_EQ(editor->document().cell(39, 39), 3);
    QSignalSpy deleted(child<QToolButton>("Command7"), &QAbstractButton::clicked);
    key(Qt::Key_Delete);
    EXPECT_EQ(deleted.count(), 1);
    // Keys typed into a size box stay there.
    child<QLineEdit>("XSize")->setFocus();
    editor->tools().setLeftColour(5);
    key(Qt::Key_Return);
    EXPECT_EQ(editor->document().cell(39, 39), 3);
}

TEST_F(EditorFixture, SizeBoxesClampTheirTextAndMoveTheBorderLines)
{
    auto *xSize = child<QLineEdit>("XSize");
    auto *ySize = child<QLineEdit>("YSize");
    ySize->setText("0");
    EXPECT_EQ(ySize->text(), "1");
    ySize->setText("45");
    EXPECT_EQ(ySize->text(), "40");
    ySize->setText("");
    EXPECT_EQ(ySize->text(), "1");
    xSize->setText("7a");
    EXPECT_EQ(xSize->text(), "7");
    EXPECT_EQ(editor->document().XSize(), 7);
    EXPECT_EQ(child<QWidget>("XLine")->geometry().left(), 84);
    EXPECT_EQ(child<QWidget>("YLine")->geometry().top(), 12);
    xSize->clear(); // an empty box holds 1
    EXPECT_EQ(xSize->text(), "1");
    xSize->selectAll();
    QTest::keyClicks(xSize, "123");
    EXPECT_EQ(xSize->text(), "12");
    EXPECT_FALSE(editor->document().undoRing().canUndo()); // typing alone records nothing
}

TEST_F(EditorFixture, GoingIntoASizeBoxIsAnUndoStep)
{
    const auto focusIn = [](QWidget *box, Qt::FocusReason reason) {
        QFocusEvent event(QEvent::FocusIn, reason);
        QApplication::sendEvent(box, &event);
    };
    auto *undo = child<QToolButton>("UndoButton");
    focusIn(child<QLineEdit>("XSize"), Qt::MouseFocusReason);
    EXPECT_EQ(undo->toolTip(), "Undo: x size change");
    const SpriteImage before = editor->document().snapshot();
    undo->click();
    EXPECT_EQ(editor->document().snapshot(), before);
    focusIn(child<QLineEdit>("YSize"), Qt::TabFocusReason);
    EXPECT_EQ(undo->toolTip(), "Undo: y size change");
    // Coming back to the window with the box focused is not a new step.
    focusIn(child<QLineEdit>("YSize"), Qt::ActiveWindowFocusReason);
    EXPECT_EQ(undo->property("Tag").toString(), "1");
}

TEST_F(EditorFixture, SaveHandsTheSpriteOverAndStartsTheSaverHidden)
{
    editor->document().setName("\\UNITS\\ORC");
    editor->document().setXSize(3);
    editor->document().setYSize(2);
    editor->document().setCell(0, 0, 7);
    editor->document().setCell(2, 1, 255);
    editor->document().setCell(3, 0, 99); // outside the size
    const int shownBefore = platform::PleaseWait::timesShown();
    child<QPushButton>("Command2")->click();
    EXPECT_EQ(tmp.read("SPREDIT.TMP"), QByteArray("3\r\n2\r\n7\r\n0\r\n0\r\n0\r\n0\r\n255\r\n"));
    ASSERT_EQ(platform.launcher.started().size(), 1);
    EXPECT_EQ(platform.launcher.started()[0].commandLine, "SPRSVR GRAFIK\\UNITS\\ORC.SPR");
    EXPECT_EQ(platform.launcher.started()[0].style, platform::WindowStyle::Hidden);
    EXPECT_EQ(platform::PleaseWait::timesShown(), shownBefore + 1);
    EXPECT_EQ(platform::PleaseWait::current(), nullptr);
    EXPECT_TRUE(editor->isEnabled());
    EXPECT_EQ(platform.dialogs.count(), 0);
    EXPECT_EQ(editor->document().name(), "\\UNITS\\ORC");
}

TEST_F(EditorFixture, LongFileNamesGetTheDosMessageAfterTheHandOff)
{
    editor->document().setName("\\UNITS\\ABCDEFGH");
    child<QPushButton>("Command2")->click();
    EXPECT_EQ(platform.launcher.started().size(), 1);

    tmp.write("SPREDIT.TMP", "old");
    editor->document().setName("\\UNITS\\ABCDEFGHI");
    child<QPushButton>("Command2")->click();
    ASSERT_EQ(platform.dialogs.count(), 1);
    EXPECT_EQ(platform.dialogs.lastMessage().text, "The specified filename is not a valid DOS filename. DOS filenames "
                                                   "can only have a length of up to 8 characters.");
    EXPECT_EQ(platform.dialogs.lastMessage().title, "Error!");
    EXPECT_EQ(platform.dialogs.lastMessage().icon, platform::Icon::Critical);
    EXPECT_EQ(platform.dialogs.lastMessage().buttons, platform::Buttons::Ok);
    EXPECT_TRUE(tmp.read("SPREDIT.TMP").startsWith("40\r\n40\r\n"));
    EXPECT_EQ(platform.launcher.started().size(), 1);
}

TEST_F(EditorFixture, AFailedHandOffOrSaverStartIsReported)
{
    editor->document().setName("\\ORC");
    tmp.write("SPREDIT.TMP", "old");
    tmp.makeReadOnly("SPREDIT.TMP");
    child<QPushButton>("Command2")->click();
    ASSERT_EQ(platform.dialogs.count(), 1);
    EXPECT_TRUE(platform.dialogs.lastMessage().text.startsWith("The sprite was not saved"));
    EXPECT_TRUE(platform.launcher.started().isEmpty());
    EXPECT_EQ(tmp.read("SPREDIT.TMP"), "old");

    QFile::setPermissions(tmp.disk("SPREDIT.TMP"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    platform.launcher.setSucceeds(false);
    child<QPushButton>("Command2")->click();
    ASSERT_EQ(platform.dialogs.count(), 2);
    EXPECT_EQ(platform.dialogs.lastMessage().text,
              "The sprite saver SPRSVR could not be started, so GRAFIK\\ORC.SPR was not written.");
    EXPECT_TRUE(editor->isEnabled());
}

TEST_F(EditorFixture, SaveWithoutANameAsksForOneAndCancelSavesNothing)
{
    onNextDialog<Form13>([](Form13 *dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Save sprite as");
        EXPECT_FALSE(dialog->isLoadMode());
        dialog->findChild<QPushButton *>("Command2")->click();
    });
    child<QPushButton>("Command2")->click();
    EXPECT_FALSE(tmp.exists("SPREDIT.TMP"));
    EXPECT_TRUE(platform.launcher.started().isEmpty());
    EXPECT_EQ(child<QLineEdit>("filename")->property("Tag").toString(), "1");
}

TEST_F(EditorFixture, SaveAsTakesTheTypedNameAndSaves)
{
    editor->document().setName("\\OLD");
    onNextDialog<Form13>([](Form13 *dialog) {
        auto *name = dialog->findChild<QLineEdit *>("filename");
        EXPECT_EQ(name->text(), "\\OLD");
        name->setText("units\\test1");
        EXPECT_EQ(name->text(), "\\units\\test1");
        dialog->findChild<QPushButton *>("Command1")->click();
    });
    child<QPushButton>("Command3")->click();
    EXPECT_EQ(child<QLineEdit>("filename")->text(), "\\units\\test1");
    EXPECT_EQ(platform.launcher.commandLines(), QStringList{"SPRSVR GRAFIK\\units\\test1.SPR"});
}

TEST_F(EditorFixture, NewClearsEveryCellAndForgetsTheName)
{
    editor->document().setName("\\ORC");
    editor->document().setXSize(16);
    editor->document().setCell(35, 3, 9);
    child<QPushButton>("Command4")->click();
    EXPECT_EQ(editor->document().Matrix(), CellGrid());
    EXPECT_EQ(child<QLineEdit>("XSize")->text(), "16");
    EXPECT_TRUE(child<QLineEdit>("filename")->text().isEmpty());
    auto *undo = child<QToolButton>("UndoButton");
    EXPECT_EQ(undo->toolTip(), "Undo: new sprite");
    undo->click();
    EXPECT_EQ(editor->document().cell(35, 3), 9);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(undo->toolTip(), "Undo: not available");
}

TEST_F(EditorFixture, PinkBackgroundRecoloursEveryUserOfIndexZero)
{
    QSignalSpy repaint(editor.get(), &Form12::backgroundColourChanged);
    editor->tools().setRightColour(5);
    editor->document().setCell(1, 1, 5);
    const int shownBefore = platform::PleaseWait::timesShown();
    child<QCheckBox>("Check1")->click();
    EXPECT_EQ(editor->screenPalette().colour(0), QColor(255, 0, 255));
    EXPECT_EQ(child<ColourSwatch>("LColor")->colour(), QColor(255, 0, 255));
    EXPECT_EQ(child<ColourSwatch>("RColor")->colour().rgb(), testColour(5));
    EXPECT_EQ(previewAt(0, 0), qRgb(255, 0, 255));
    EXPECT_EQ(previewAt(1, 1), testColour(5));
    EXPECT_EQ(platform::PleaseWait::timesShown(), shownBefore + 1);
    EXPECT_EQ(repaint.count(), 1);
    child<QCheckBox>("Check1")->click();
    EXPECT_EQ(previewAt(0, 0), qRgb(0, 0, 0));
}

TEST_F(EditorFixture, HelpOpensTheSpriteTextInTheViewer)
{
    child<QPushButton>("Command14")->click();
    ASSERT_EQ(platform.launcher.started().size(), 1);
    EXPECT_EQ(platform.launcher.started()[0].commandLine, "notepad HELP\\Sprites.txt");
    EXPECT_EQ(platform.launcher.started()[0].style, platform::WindowStyle::NormalFocus);
}

TEST_F(EditorFixture, APastedAreaFollowsItsHandleInWholeCellsAndStampsOnRelease)
{
    editor->document().setCell(0, 0, 7);
    editor->document().setCell(1, 1, 8);
    child<QRadioButton>("Tool_0")->click();
    press(0, 0, Qt::LeftButton);
    move(1, 1, Qt::LeftButton);
    release(1, 1, Qt::LeftButton);
    child<QToolButton>("Command6")->click();
    child<QRadioButton>("Tool_1")->click();
    child<QToolButton>("Command8")->click();
    EXPECT_TRUE(child<QRadioButton>("Tool_0")->isChecked());
    auto *selector = child<CanvasFrame>("Selector");
    auto *handle = child<QWidget>("SelScape");
    EXPECT_TRUE(selector->isVisibleTo(canvas));
    EXPECT_EQ(selector->penColour(), QColor(255, 128, 0));
    EXPECT_EQ(handle->geometry(), QRect(0, 0, 25, 25));

    // Drag the handle two cells right and one down; the release stamps it
    // there and the area stays floating. The canvas below starts nothing.
    sendMouse(handle, QEvent::MouseMove, QPoint(6, 6), Qt::NoButton, Qt::NoButton);
    sendMouse(handle, QEvent::MouseButtonPress, QPoint(6, 6), Qt::LeftButton, Qt::LeftButton);
    sendMouse(handle, QEvent::MouseMove, QPoint(6 + 24, 6 + 12), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(handle->cursor().shape(), Qt::ClosedHandCursor);
    EXPECT_EQ(selector->geometry().topLeft(), QPoint(24, 12));
    EXPECT_EQ(handle->geometry(), selector->geometry());
    sendMouse(handle, QEvent::MouseButtonRelease, QPoint(6, 6), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(editor->document().cell(2, 1), 7);
    EXPECT_EQ(editor->document().cell(3, 2), 8);
    EXPECT_EQ(previewAt(2, 1), testColour(7));
    EXPECT_EQ(handle->cursor().shape(), Qt::SizeAllCursor);
    EXPECT_TRUE(selector->isVisibleTo(canvas));
    EXPECT_EQ(child<QToolButton>("UndoButton")->toolTip(), "Undo: copy area");

    // Delete clears the area's cells at its place and drops it.
    key(Qt::Key_Delete);
    EXPECT_EQ(editor->document().cell(2, 1), 0);
    EXPECT_EQ(previewAt(2, 1), qRgb(0, 0, 0));
    EXPECT_FALSE(selector->isVisibleTo(canvas));
}

TEST_F(EditorFixture, TheOperationButtonsChangeTheCellsAndThePreview)
{
    editor->document().setCell(0, 0, 90);
    child<QPushButton>("Command9")->click();
    EXPECT_EQ(editor->document().cell(39, 0), 90);
    EXPECT_EQ(previewAt(39, 0), testColour(90));
    child<QPushButton>("Command10")->click();
    EXPECT_EQ(editor->document().cell(39, 39), 90);

    editor->tools().setLeftColour(90);
    editor->tools().setRightColour(120);
    child<QPushButton>("Command12")->click();
    EXPECT_EQ(previewAt(39, 39), testColour(120));

    const int shownBefore = platform::PleaseWait::timesShown();
    child<QPushButton>("Command13")->click();
    EXPECT_EQ(platform::PleaseWait::timesShown(), shownBefore + 1);
    EXPECT_TRUE(editor->isEnabled());
    EXPECT_EQ(child<QToolButton>("UndoButton")->toolTip(), "Undo: blur filter");
    EXPECT_GE(editor->document().cell(39, 39), 80);

    child<QSlider>("Slider1")->setValue(1);
    editor->tools().setLeftColour(33);
    child<QPushButton>("Command11")->click();
    EXPECT_EQ(editor->document().cell(17, 23), 33);
    EXPECT_EQ(previewAt(17, 23), testColour(33));
}
