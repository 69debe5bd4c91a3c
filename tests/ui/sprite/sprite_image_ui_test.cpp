#include "ui/sprite/scrapboard_window.h"
#include "ui/sprite/sprite_editor.h"

#include "sprite_ui_support.h"
#include "support/scripted_platform.h"

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QImage>
#include <QMimeData>
#include <QSlider>
#include <QToolButton>
#include <QUrl>

#include <gtest/gtest.h>

using namespace tav;
using namespace tav::test;

namespace {

struct ImageExchangeFixture : ::testing::Test {
    ScriptedPlatform platform;
    TempGameFolder tmp;
    std::unique_ptr<Form12> editor;

    void SetUp() override
    {
        programTables().reset();
        tmp.write("GAMEDATA/MASTER.PAL", testPalette());
        editor = std::make_unique<Form12>(tmp.folder());
        editor->paletteWindow();
    }
    void TearDown() override { programTables().reset(); }

    void click(QWidget *window, const char *name)
    {
        auto *button = window->findChild<QToolButton *>(QLatin1String(name));
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }
    // A 5 x 3 image in the palette's colours 20 + x + 5y, with a hole at (1, 1).
    QString drawnImage(const QString &name = "drawn.png")
    {
        QImage image(5, 3, QImage::Format_ARGB32);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x)
                image.setPixel(x, y, testColour(20 + x + 5 * y));
        image.setPixel(1, 1, qRgba(0, 0, 0, 0));
        EXPECT_TRUE(image.save(tmp.disk(name)));
        return tmp.disk(name);
    }
    void dropFile(const QString &path)
    {
        QWidget *canvas = editor->findChild<QWidget *>("Picture1");
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        const QPoint at = canvas->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(canvas, &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(canvas, &drop);
    }
};

} // namespace

TEST_F(ImageExchangeFixture, ImportIsOneUndoStepThatSetsTheSizeAndEmptiesTheName)
{
    SpriteDocument &doc = editor->document();
    doc.setName("\\UNITS\\ORC");
    doc.setCell(30, 30, 99);
    const SpriteImage before = doc.snapshot();

    platform.dialogs.chooseNext(drawnImage());
    platform.dialogs.answerNext(platform::Answer::Yes); // replace what the editor holds
    click(editor.get(), "ImportImage");
    EXPECT_EQ(platform.dialogs.count(), 2) << platform.dialogs.messageTexts().join('\n').toStdString();
    EXPECT_EQ(doc.XSize(), 5);
    EXPECT_EQ(doc.YSize(), 3);
    EXPECT_TRUE(doc.name().isEmpty());
    EXPECT_EQ(doc.cell(4, 2), 34);
    EXPECT_EQ(doc.cell(1, 1), 0);
    EXPECT_EQ(doc.cell(30, 30), 0);
    EXPECT_EQ(doc.undoRing().tooltip(), "Undo: import image");

    // Export and import again give the same cells; undo returns to before.
    platform.dialogs.chooseNext(tmp.disk("out"));
    click(editor.get(), "ExportImage");
    EXPECT_EQ(QImage(tmp.disk("out.png")).size(), QSize(5, 3));
    const CellGrid imported = doc.Matrix();
    doc.newSprite();
    dropFile(tmp.disk("out.png"));
    EXPECT_EQ(doc.Matrix(), imported);
    editor->UndoButton_Click();
    editor->UndoButton_Click();
    editor->UndoButton_Click();
    EXPECT_EQ(doc.snapshot(), before);
}

TEST_F(ImageExchangeFixture, ABrokenOrForeignImageIsReportedAndChangesNothing)
{
    SpriteDocument &doc = editor->document();
    doc.setCell(2, 2, 7);
    tmp.write("broken.png", "\x89PNG\r\n\x1a\n not really");
    dropFile(tmp.disk("broken.png"));
    ASSERT_EQ(platform.dialogs.count(), 1);
    EXPECT_TRUE(platform.dialogs.lastMessage().text.contains("broken.png"))
        << platform.dialogs.lastMessage().text.toStdString();
    EXPECT_EQ(doc.cell(2, 2), 7);
    EXPECT_FALSE(doc.undoRing().canUndo());

    // Colours not in the palette are mapped and the designer is told.
    platform.dialogs.clear();
    doc.newSprite();
    QImage foreign(2, 2, QImage::Format_ARGB32);
    foreign.fill(qRgb(255, 255, 255));
    foreign.save(tmp.disk("foreign.png"));
    editor->importImageFile(tmp.disk("foreign.png"));
    ASSERT_EQ(platform.dialogs.count(), 1);
    EXPECT_TRUE(platform.dialogs.lastMessage().text.contains("4 pixels, 0 of them exactly"));
    EXPECT_EQ(doc.XSize(), 2);
}

TEST_F(ImageExchangeFixture, TheScrapboardStripHoldsFramesOneToNInCellsOfTheLargest)
{
    editor->Form_Activate();
    Form14 *board = editor->scrapboardWindow();
    Scrapboard &store = editor->scrapboard();
    CellGrid cells;
    cells.fill(9);
    store.store(0, "\\A", 10, 5, cells);
    store.store(2, "\\C", 20, 8, cells);
    board->findChild<QSlider *>("Slider1")->setValue(4);

    platform.dialogs.chooseNext(tmp.disk("strip.png"));
    click(board, "ExportStrip");
    const QImage strip(tmp.disk("strip.png"));
    EXPECT_EQ(strip.size(), QSize(4 * 20, 8));
    EXPECT_EQ(strip.pixel(9, 4), testColour(9));
    EXPECT_EQ(qAlpha(strip.pixel(10, 4)), 0); // beyond frame 1's width
    EXPECT_EQ(qAlpha(strip.pixel(25, 4)), 0); // frame 2 is empty
    EXPECT_EQ(strip.pixel(59, 7), testColour(9));

    store.clear(0);
    store.clear(2);
    click(board, "ExportStrip");
    EXPECT_TRUE(platform.dialogs.lastMessage().text.startsWith("Frames 1 to 4 of the scrapboard are empty"));
}

TEST_F(ImageExchangeFixture, ExportProposesTheSpritesNameInTheFolderLastUsed)
{
    const auto proposed = [this] { return platform.dialogs.shown().back().file.startPath; };
    click(editor.get(), "ExportImage"); // cancelled
    EXPECT_EQ(proposed(), QDir(tmp.folder().root()).filePath("sprite.png"));

    editor->document().setName("\\UNITS\\ORC");
    tmp.mkdir("images");
    platform.dialogs.chooseNext(tmp.disk("images/first.png"));
    click(editor.get(), "ExportImage");
    EXPECT_TRUE(QFileInfo::exists(tmp.disk("images/first.png")));
    click(editor.get(), "ExportImage");
    EXPECT_EQ(proposed(), QDir(tmp.disk("images")).filePath("ORC.png"));
    click(editor.get(), "ImportImage");
    EXPECT_EQ(proposed(), QFileInfo(tmp.disk("images/first.png")).absolutePath());
}
