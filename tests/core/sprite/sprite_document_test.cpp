#include "core/sprite/sprite_document.h"
#include "core/sprite/sprite_file.h"

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

TEST(SpriteDocument, LoadingClearsEveryCellAndAnEmptyFileGivesOneByOne)
{
    SpriteDocument doc;
    doc.setCell(20, 20, 8);
    doc.loadSprite("\\EMPTY", parseSpriteFile(QByteArray()));
    EXPECT_EQ(doc.name(), "\\EMPTY");
    EXPECT_EQ(doc.Matrix(), CellGrid());
    EXPECT_EQ(doc.XSize(), 1);
    EXPECT_EQ(doc.YSize(), 1);
}
