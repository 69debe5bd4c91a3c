#include "ui/common/window_frame.h"
#include "ui/platform/help_list_window.h"
#include "ui/platform/text_window.h"
#include "ui/sprite/batch_rename_dialog.h"
#include "ui/sprite/magnified_viewer.h"
#include "ui/sprite/picture_box.h"
#include "ui/sprite/scrapboard_window.h"
#include "ui/sprite/sprite_drag.h"
#include "ui/sprite/sprite_editor.h"

#include "sprite_ui_support.h"
#include "support/control_places.h"
#include "support/scripted_platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace tav;
using namespace tav::test;

namespace {

struct ScrapboardFixture : ::testing::Test {
    ScriptedPlatform platform;
    TempGameFolder tmp;
    std::unique_ptr<Form12> editor;
    Form14 *board = nullptr;

    void SetUp() override
    {
        programTables().reset();
        tmp.write("GAMEDATA/MASTER.PAL", testPalette());
        tmp.mkdir("GRAFIK/UNITS");
        editor = std::make_unique<Form12>(tmp.folder());
        editor->Form_Activate();
        board = editor->scrapboardWindow();
    }
    void TearDown() override { programTables().reset(); }

    template <typename T = QWidget> T *child(const QString &name)
    {
        T *found = board->findChild<T *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    PictureBox *thumbnail(int frame) { return child<PictureBox>(QStringLiteral("Picture2_%1").arg(frame)); }
    QString label(int frame) { return child<QLabel>(QStringLiteral("Label1_%1").arg(frame))->text(); }
    QWidget *editorPreview() { return editor->findChild<QWidget *>("Picture2"); }

    // A real drop of a sprite drag carrying the tag.
    static void dropOn(QWidget *target, const QString &tag)
    {
        std::unique_ptr<QMimeData> data(spriteDragData(tag));
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(at), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
    }
    // Keeps the editor's sprite, painted in one colour, in a frame.
    void keep(int frame, std::uint8_t index, const QString &name = QString())
    {
        editor->document().setName(name);
        CellGrid cells;
        cells.fill(index);
        editor->document().setCells(cells);
        board->Picture2_DragDrop(frame, "form");
    }
};

} // namespace

TEST_F(ScrapboardFixture, ActivationShowsTheScrapboardBesideTheEditorWithTwelveEmptyFrames)
{
    ASSERT_NE(board, nullptr);
    EXPECT_TRUE(board->isVisible());
    EXPECT_TRUE(board->isWindow());
    EXPECT_EQ(board->parentWidget(), editor.get());
    EXPECT_EQ(board->windowTitle(), "Scrapboard");
    EXPECT_EQ(board->size(), QSize(3 * 101 + 17, Form14::kClientHeight));
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(thumbnail(i)->toolTip(), QStringLiteral("#%1: <empty>").arg(i + 1));
    EXPECT_EQ(child<QWidget>("Picture1_0")->palette().color(QPalette::Window),
              board->palette().color(QPalette::Highlight));

    // Closing unloads the window; the next activation brings a new one that
    // still shows what the store holds.
    keep(1, 9, "\\KEPT");
    QPointer<Form14> closed(board);
    board->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closed.isNull());
    editor->Form_Activate();
    board = editor->scrapboardWindow();
    EXPECT_TRUE(board->isVisible());
    EXPECT_EQ(label(1), "\\KEPT");
    EXPECT_EQ(thumbnail(1)->picture().pixel(10, 10), testColour(9));
}

TEST_F(ScrapboardFixture, SpritesDragFromTheEditorToAFrameAndBack)
{
    SpriteDocument &doc = editor->document();
    doc.setName("\\UNITS\\ORC");
    doc.setXSize(10);
    doc.setYSize(5);
    doc.setCell(3, 3, 7);
    doc.setCell(39, 0, 8);
    dropOn(thumbnail(2), "form");
    EXPECT_EQ(thumbnail(2)->toolTip(), "#3: 10 x 5");
    EXPECT_EQ(label(2), "\\UNITS\\ORC");
    EXPECT_EQ(programTables().ScrapBuf[3], doc.snapshot());
    EXPECT_EQ(thumbnail(2)->picture().pixel(7, 6), testColour(7));
    EXPECT_EQ(board->selectedFrame(), 2);

    doc.newSprite();
    doc.setXSize(40);
    dropOn(editorPreview(), "2");
    EXPECT_EQ(doc.name(), "\\UNITS\\ORC");
    EXPECT_EQ(doc.XSize(), 10);
    EXPECT_EQ(doc.cell(39, 0), 8);
    EXPECT_EQ(editor->findChild<QToolButton *>("UndoButton")->toolTip(), "Undo: copy from scrapboard");

    // Pressing a thumbnail selects its frame as the drag starts.
    sendMouse(thumbnail(1), QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(board->selectedFrame(), 1);
}

TEST_F(ScrapboardFixture, FramesSwapByDraggingAndClearEmptiesTheSelectedOne)
{
    keep(0, 3, "\\A");
    keep(4, 4, "\\B");
    dropOn(thumbnail(4), "0");
    EXPECT_EQ(label(0), "\\B");
    EXPECT_EQ(label(4), "\\A");
    EXPECT_EQ(thumbnail(4)->picture().pixel(0, 0), testColour(3));

    sendMouse(child<QLabel>("Label1_4"), QEvent::MouseButtonPress, QPoint(2, 2), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(child<QScrollBar>("Selected")->value(), 4);
    child<QToolButton>("Command2")->click();
    EXPECT_EQ(thumbnail(4)->toolTip(), "#5: <empty>");
    EXPECT_TRUE(label(4).isEmpty());
    EXPECT_EQ(thumbnail(4)->picture().pixel(0, 0), qRgb(0, 0, 0));
}

TEST_F(ScrapboardFixture, TheViewerPlaysFramesOneToNOnlyWhileFoldedOut)
{
    for (int i = 0; i < 3; ++i)
        keep(i, std::uint8_t(10 + i));
    auto *timer = child<QTimer>("Anim");
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 100);
    child<QSlider>("Slider1")->setValue(3);
    auto *preview = child<PictureBox>("Preview");
    EXPECT_EQ(preview->toolTip(), "animation preview");

    board->Anim_Timer();
    EXPECT_EQ(board->AnimPos(), 0); // folded in: still

    child<QToolButton>("Command1")->click();
    EXPECT_TRUE(board->viewerFoldedOut());
    EXPECT_EQ(board->width(), 3 * 101 + 133);
    EXPECT_EQ(child<QLabel>("FramesUsed")->text(), "3 frames");
    // The slider's caption keeps to at most three lines in the narrow viewer.
    const auto *caption = child<QLabel>("Label2");
    EXPECT_LT(caption->heightForWidth(caption->width()), caption->fontMetrics().lineSpacing() * 4);
    EXPECT_LE(caption->geometry().bottom(), child<QSlider>("Slider1")->geometry().top());
    QList<int> played;
    for (int i = 0; i < 4; ++i) {
        board->Anim_Timer();
        played << board->AnimPos();
        EXPECT_EQ(preview->picture().pixel(1, 1), testColour(10 + (board->AnimPos() - 1)));
    }
    EXPECT_EQ(played, QList<int>({1, 2, 3, 1}));

    child<QToolButton>("Command1")->click();
    EXPECT_EQ(board->width(), 3 * 101 + 17);
    board->Anim_Timer();
    EXPECT_EQ(board->AnimPos(), 1);
}

TEST_F(ScrapboardFixture, TheStripScrollsToTheChosenFrameAndTheGripShowsThreeToEight)
{
    child<QScrollBar>("Selected")->setValue(11);
    EXPECT_EQ(child<QWidget>("Picture1_11")->x(), 2 * 101); // the last visible frame
    EXPECT_EQ(child<QWidget>("Picture1_11")->palette().color(QPalette::Window),
              board->palette().color(QPalette::Highlight));
    child<QScrollBar>("Selected")->setValue(0);

    QWidget *grip = child<QWidget>("Picture4");
    sendMouse(grip, QEvent::MouseMove, QPoint(5, 50), Qt::NoButton, Qt::NoButton);
    sendMouse(grip, QEvent::MouseButtonPress, QPoint(5, 50), Qt::LeftButton, Qt::LeftButton);
    sendMouse(grip, QEvent::MouseMove, QPoint(5 + 60, 50), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(board->strip().visibleFrames(), 4);
    EXPECT_EQ(board->width(), 4 * 101 + 17);

    board->Picture4_MouseMove(SpriteButton::Left, 5000);
    EXPECT_EQ(board->width(), 8 * 101 + 17);
    board->Picture4_MouseMove(SpriteButton::Left, -5000);
    EXPECT_EQ(board->width(), 3 * 101 + 17);

    // With the viewer folded out a small move keeps the count.
    child<QToolButton>("Command1")->click();
    board->Picture4_MouseMove(SpriteButton::None, 5);
    board->Picture4_MouseMove(SpriteButton::Left, 15);
    EXPECT_EQ(board->strip().visibleFrames(), 3);
}

TEST_F(ScrapboardFixture, PinkBackgroundRepaintsTheThumbnails)
{
    CellGrid cells;
    cells.set(1, 0, 5);
    editor->document().setCells(cells);
    board->Picture2_DragDrop(0, "form");
    editor->findChild<QCheckBox *>("Check1")->click();
    EXPECT_EQ(thumbnail(0)->picture().pixel(0, 0), qRgb(255, 0, 255));
    EXPECT_EQ(thumbnail(0)->picture().pixel(2, 0), testColour(5));
    EXPECT_EQ(thumbnail(7)->picture().pixel(40, 40), qRgb(255, 0, 255));
}

TEST_F(ScrapboardFixture, BatchRenameNamesTheFilledFramesOfTheSeries)
{
    keep(0, 1, "\\OLD1");
    keep(2, 1, "\\OLD3");
    keep(3, 1, "\\OLD4");
    onNextDialog<Form15>([this](Form15 *dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Batch rename scrapboard sprites");
        auto *folder = dialog->findChild<QComboBox *>("List1");
        ASSERT_EQ(folder->count(), 2);
        EXPECT_EQ(folder->currentText(), "");
        EXPECT_EQ(folder->itemText(1), "\\UNITS");
        auto *prefix = dialog->findChild<QLineEdit *>("Text1");
        auto *last = dialog->findChild<QSlider *>("Slider1");
        EXPECT_EQ(last->value(), 1);
        last->setValue(12);
        QTest::keyClicks(prefix, "ABCDEFGH");
        EXPECT_EQ(prefix->text(), "ABCDEFG");
        EXPECT_EQ(last->value(), 9);
        prefix->setText("ABCDEF");
        last->setValue(12);
        EXPECT_EQ(last->value(), 12);

        // A prefix that would leave the folder is refused and the dialog stays.
        prefix->setText("A\\B");
        dialog->findChild<QPushButton *>("Command1")->click();
        EXPECT_EQ(platform.dialogs.count(), 1);
        EXPECT_TRUE(dialog->isVisible());

        folder->setCurrentIndex(1);
        prefix->setText("WALK");
        last->setValue(3);
        dialog->findChild<QPushButton *>("Command1")->click();
    });
    child<QToolButton>("Command3")->click();
    EXPECT_EQ(label(0), "\\UNITS\\WALK1");
    EXPECT_TRUE(label(1).isEmpty());
    EXPECT_EQ(label(2), "\\UNITS\\WALK3");
    EXPECT_EQ(label(3), "\\OLD4");

    onNextDialog<Form15>([](Form15 *dialog) {
        dialog->findChild<QLineEdit *>("Text1")->setText("X");
        dialog->findChild<QSlider *>("Slider1")->setValue(12);
        dialog->findChild<QPushButton *>("Command2")->click();
    });
    child<QToolButton>("Command3")->click();
    EXPECT_EQ(label(0), "\\UNITS\\WALK1");
    EXPECT_EQ(label(3), "\\OLD4");
}

TEST_F(ScrapboardFixture, TheKitsOwnWindowsShowTheirCaptionsAndTextsWhole)
{
    // The unfolded viewer at its longest texts, and the magnified viewer.
    child<QToolButton>("Command1")->click();
    child<QSlider>("Slider1")->setValue(12);
    child<QSpinBox>("Speed")->setValue(30);
    child<QToolButton>("Magnify")->click();
    // The help texts' list and a text, as the kit shows them without a
    // desktop program.
    tmp.write("HELP/Sprites.txt", "Drawing sprites\r\n");
    platform::HelpListWindow help(tmp.disk("HELP"));
    platform::TextWindow text(tmp.disk("HELP/Sprites.txt"));
    ASSERT_TRUE(help.reload() && text.reload());
    for (QWidget *window : QList<QWidget *>{&help, &text}) {
        placeNewWindow(window);
        window->show();
    }
    for (const QWidget *window : QList<QWidget *>{board, board->magnifiedViewer(), &help, &text})
        EXPECT_EQ(test::cutTexts(window).join(", ").toStdString(), "") << window->objectName().toStdString();
}
