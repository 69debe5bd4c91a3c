#include "core/sprite/sprite_document.h"
#include "core/sprite/sprite_file.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace tav;

TEST(SpriteDocument, SnapshotsHoldTheSizeAndTheCellsColumnByColumn)
{
    SpriteDocument doc;
    doc.setXSize(16);
    doc.setYSize(8);
    doc.setCell(1, 2, 77);
    doc.setCell(39, 39, 5);
    const SpriteImage image = doc.snapshot();
    EXPECT_EQ(image.bytes[0], 16);
    EXPECT_EQ(image.bytes[1], 8);
    EXPECT_EQ(image.bytes[2 + 1 * 40 + 2], 77);
    EXPECT_EQ(image.bytes[1601], 5);
    EXPECT_EQ(CellGrid::fromImage(image), doc.Matrix());
}

TEST(SpriteDocument, CellsOutsideTheGridAreNeverTouched)
{
    SpriteDocument doc;
    QSignalSpy changed(&doc, &SpriteDocument::cellChanged);
    doc.setCell(40, 0, 1);
    doc.setCell(0, -1, 1);
    EXPECT_EQ(changed.count(), 0);
    doc.setCell(3, 4, 9);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed[0], QList<QVariant>({3, 4}));
}

TEST(SpriteDocument, SizesAreClampedTo1To40)
{
    EXPECT_EQ(SpriteDocument::clampSize(0), 1);
    EXPECT_EQ(SpriteDocument::clampSize(-7), 1);
    EXPECT_EQ(SpriteDocument::clampSize(0.5), 1);
    EXPECT_EQ(SpriteDocument::clampSize(45), 40);
    EXPECT_EQ(SpriteDocument::clampSize(7), 7);
    SpriteDocument doc;
    QSignalSpy sized(&doc, &SpriteDocument::declaredSizeChanged);
    doc.setXSize(99);
    EXPECT_EQ(doc.XSize(), 40);
    EXPECT_EQ(sized.count(), 0); // unchanged
    doc.setYSize(0);
    EXPECT_EQ(doc.YSize(), 1);
    EXPECT_EQ(sized.count(), 1);
}

TEST(UndoRing, NamesTheNextStepAndRestoresSizeAndCells)
{
    SpriteDocument doc;
    EXPECT_FALSE(doc.undoRing().canUndo());
    EXPECT_EQ(doc.undoRing().tooltip(), "Undo: not available");
    doc.SaveUndo("pixel drawing");
    doc.setCell(0, 0, 3);
    doc.setXSize(5);
    doc.SaveUndo("paste");
    doc.setCell(0, 0, 4);
    doc.setYSize(6);
    EXPECT_EQ(doc.undoRing().tooltip(), "Undo: paste");
    EXPECT_EQ(doc.undoRing().UndoPos(), 2);

    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.cell(0, 0), 3);
    EXPECT_EQ(doc.XSize(), 5);
    EXPECT_EQ(doc.YSize(), 40);
    EXPECT_EQ(doc.undoRing().tooltip(), "Undo: pixel drawing");
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.cell(0, 0), 0);
    EXPECT_EQ(doc.XSize(), 40);
    EXPECT_EQ(doc.undoRing().tooltip(), "Undo: not available");
    EXPECT_FALSE(doc.Undo());
}

TEST(UndoRing, TwentyStepsWrapAndOnlyNineteenCanBeUndone)
{
    SpriteDocument doc;
    for (int i = 1; i <= 20; ++i) {
        doc.SaveUndo(QStringLiteral("step %1").arg(i));
        doc.setCell(0, 0, std::uint8_t(i));
    }
    EXPECT_EQ(doc.undoRing().UndoPos(), 0); // the twentieth went to slot 0
    EXPECT_EQ(doc.undoRing().stepsAvailable(), 19);
    for (int i = 20; i >= 2; --i) {
        EXPECT_EQ(doc.undoRing().tooltip(), QStringLiteral("Undo: step %1").arg(i));
        ASSERT_TRUE(doc.Undo());
        EXPECT_EQ(doc.cell(0, 0), i - 1);
    }
    EXPECT_FALSE(doc.undoRing().canUndo());
    EXPECT_EQ(doc.undoRing().tooltip(), "Undo: not available");
    EXPECT_EQ(doc.undoRing().UndoPos(), 1);
    EXPECT_EQ(doc.cell(0, 0), 1); // the first change stays
}

TEST(SpriteDocument, NewClearsEveryCellButKeepsTheSize)
{
    SpriteDocument doc;
    doc.setName("\\ORC");
    doc.setXSize(16);
    doc.setCell(35, 35, 9);
    doc.newSprite();
    EXPECT_EQ(doc.Matrix(), CellGrid());
    EXPECT_EQ(doc.XSize(), 16);
    EXPECT_TRUE(doc.name().isEmpty());
    EXPECT_EQ(doc.undoRing().tooltip(), "Undo: new sprite");
    doc.Undo();
    EXPECT_EQ(doc.cell(35, 35), 9);
}

TEST(SpriteDocument, LoadingClearsTheRestAndMakesAnEmptySpriteOneByOne)
{
    SpriteDocument doc;
    doc.setCell(20, 20, 8);
    QByteArray pixels(50, '\x03');
    SpriteFileContents small = parseSpriteFile(spriteFileBytes(10, 5, pixels));
    doc.loadSprite("\\UNITS\\ORC", small);
    EXPECT_EQ(doc.name(), "\\UNITS\\ORC");
    EXPECT_EQ(doc.XSize(), 10);
    EXPECT_EQ(doc.YSize(), 5);
    EXPECT_EQ(doc.cell(9, 4), 3);
    EXPECT_EQ(doc.cell(10, 4), 0);
    EXPECT_EQ(doc.cell(9, 5), 0);
    EXPECT_EQ(doc.cell(20, 20), 0);

    doc.loadSprite("\\EMPTY", parseSpriteFile(QByteArray()));
    EXPECT_EQ(doc.XSize(), 1);
    EXPECT_EQ(doc.YSize(), 1);
}

TEST(SpriteDocument, ACommittedSelectionCopiesItsCellsColumnByColumn)
{
    SpriteDocument doc;
    doc.setCell(2, 3, 11);
    doc.setCell(2, 4, 12);
    doc.setCell(3, 3, 13);
    doc.setCell(3, 4, 14);
    doc.editSelection([](SpriteSelection &s) {
        s.SelX = 2;
        s.SelY = 3;
        s.SelW = 2;
        s.SelH = 2;
        s.rubberBandShown = true;
    });
    doc.commitSelection();
    const SpriteSelection &s = doc.selection();
    EXPECT_FALSE(s.rubberBandShown);
    EXPECT_TRUE(s.selectorShown);
    EXPECT_EQ(s.selectorAppearance, 1);
    EXPECT_EQ(s.selectorRect, QRect(360, 540, 360, 360));
    EXPECT_EQ(s.AreaBuf.width(), 2);
    EXPECT_EQ(s.AreaBuf.height(), 2);
    EXPECT_EQ(s.AreaBuf.areaCell(0, 0, 2), 11);
    EXPECT_EQ(s.AreaBuf.areaCell(0, 1, 2), 12);
    EXPECT_EQ(s.AreaBuf.areaCell(1, 0, 2), 13);
    EXPECT_EQ(s.AreaBuf.areaCell(1, 1, 2), 14);

    doc.SaveUndo("x");
    doc.Undo();
    EXPECT_FALSE(doc.selection().selectorShown); // undo drops the area
}
