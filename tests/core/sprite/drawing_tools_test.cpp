#include "core/sprite/canvas_geometry.h"
#include "core/sprite/drawing_tools.h"
#include "core/sprite/sprite_document.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace tav;

namespace {

struct Drawing : ::testing::Test {
    SpriteDocument doc;
    DrawingTools tools{doc};

    void SetUp() override
    {
        tools.setLeftColour(9);
        tools.setRightColour(4);
    }
    // Moves to the centre of a cell.
    void moveTo(int x, int y, int buttons = SpriteButton::None)
    {
        tools.Picture1_MouseMove(buttons, x * 180 + 90, y * 180 + 90);
    }
    void drag(int button, int fromX, int fromY, int toX, int toY, int releasedButton = 0)
    {
        moveTo(fromX, fromY);
        tools.Picture1_MouseDown(button);
        moveTo(toX, toY, button);
        tools.Picture1_MouseUp(releasedButton ? releasedButton : button);
    }
    int painted() const
    {
        int n = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x)
                n += doc.cell(x, y) != 0;
        return n;
    }
};

} // namespace

TEST(CanvasGeometry, PointerPositionsMapToTheNearestCellHalvesToEven)
{
    EXPECT_EQ(cellUnderPointer(0), 0);
    EXPECT_EQ(cellUnderPointer(180), 0); // (180 - 90) / 180 = 0.5 goes to 0
    EXPECT_EQ(cellUnderPointer(181), 1);
    EXPECT_EQ(cellUnderPointer(359), 1);
    EXPECT_EQ(cellUnderPointer(360), 2); // 1.5 goes to 2
    EXPECT_EQ(cellUnderPointer(7199), 39);
    EXPECT_EQ(cellUnderPointer(99999), 39);
    EXPECT_EQ(cellUnderPointer(-500), 0);
}

TEST_F(Drawing, OnlyEnteringAnotherCellCounts)
{
    QSignalSpy moved(&tools, &DrawingTools::cursorMoved);
    moveTo(0, 0); // the unset cell compares equal to (0, 0)
    EXPECT_EQ(moved.count(), 0);
    moveTo(3, 4);
    tools.Picture1_MouseMove(0, 3 * 180 + 130, 4 * 180 + 50);
    EXPECT_EQ(moved.count(), 1);
    EXPECT_EQ(tools.cursorFrameRect(), QRect(540, 720, 195, 195));
}

TEST_F(Drawing, PixelModePaintsWithTheButtonHeldAndEveryPressIsAnUndoStep)
{
    moveTo(1, 1);
    tools.Picture1_MouseDown(SpriteButton::Left);
    moveTo(2, 1, SpriteButton::Left);
    moveTo(3, 1, SpriteButton::Left | SpriteButton::Right); // both buttons paint nothing
    moveTo(4, 1, SpriteButton::Right);
    moveTo(5, 1); // nor does hovering
    EXPECT_EQ(doc.cell(1, 1), 9);
    EXPECT_EQ(doc.cell(2, 1), 9);
    EXPECT_EQ(doc.cell(4, 1), 4);
    EXPECT_EQ(painted(), 3);
    tools.Picture1_MouseDown(SpriteButton::Middle);
    EXPECT_EQ(painted(), 3);
    EXPECT_EQ(doc.undoRing().stepsAvailable(), 2);
    EXPECT_EQ(doc.undoRing().tooltip(), "Undo: pixel drawing");
}

TEST_F(Drawing, BlocksPaintOnlyWhenDraggedRightAndDown)
{
    tools.Tool_Click(int(DrawingMode::Block));
    drag(SpriteButton::Left, 2, 2, 4, 3);
    EXPECT_EQ(painted(), 6);
    EXPECT_EQ(doc.cell(4, 3), 9);
    EXPECT_EQ(doc.undoRing().tooltip(), "Undo: block drawing");
    for (const auto &[toX, toY] : {std::pair{2, 8}, std::pair{8, 2}, std::pair{2, 2}}) {
        moveTo(5, 5);
        tools.Picture1_MouseDown(SpriteButton::Left);
        moveTo(toX, toY, SpriteButton::Left);
        EXPECT_FALSE(tools.blockPreviewShown()) << toX << "," << toY;
        tools.Picture1_MouseUp(SpriteButton::Left);
        EXPECT_EQ(painted(), 6) << toX << "," << toY;
    }
    drag(SpriteButton::Right, 30, 30, 30, 30); // a click paints its cell
    EXPECT_EQ(doc.cell(30, 30), 4);
}

TEST_F(Drawing, TheBlockFrameTakesThePressedColourAndTheBlockTheReleasedOne)
{
    tools.Tool_Click(int(DrawingMode::Block));
    moveTo(2, 2);
    tools.Picture1_MouseDown(SpriteButton::Left);
    moveTo(5, 4, SpriteButton::Left);
    EXPECT_TRUE(tools.blockPreviewShown());
    EXPECT_EQ(tools.blockPreviewColour(), 9);
    EXPECT_EQ(tools.blockPreviewRect(), QRect(2 * 180 + 90, 2 * 180 + 90, 3 * 180, 2 * 180));
    tools.Picture1_MouseUp(SpriteButton::Middle); // not the left button: the right colour
    EXPECT_FALSE(tools.blockPreviewShown());
    EXPECT_EQ(doc.cell(5, 4), 4);
    EXPECT_EQ(painted(), 12);
}

TEST_F(Drawing, ArrowKeysWrapAndReturnAndSpacePaintInEveryMode)
{
    tools.Form_KeyDown(SpriteKey::Up);
    tools.Form_KeyDown(SpriteKey::Left);
    EXPECT_EQ(tools.SX(), 39);
    EXPECT_EQ(tools.SY(), 39);
    tools.Form_KeyDown(SpriteKey::Right);
    tools.Form_KeyDown(SpriteKey::Down);
    EXPECT_EQ(tools.SX(), 0);
    EXPECT_EQ(tools.SY(), 0);
    tools.Tool_Click(int(DrawingMode::Selection));
    tools.Form_KeyDown(SpriteKey::Return);
    tools.Form_KeyDown(SpriteKey::Right);
    tools.Form_KeyDown(SpriteKey::Space);
    EXPECT_EQ(doc.cell(0, 0), 9);
    EXPECT_EQ(doc.cell(1, 0), 4);
    EXPECT_FALSE(doc.undoRing().canUndo());
    EXPECT_TRUE(tools.Form_KeyDown(SpriteKey::Delete));
}

TEST_F(Drawing, GrabbingAColourSwitchesBackToPixelMode)
{
    doc.setCell(7, 7, 123);
    doc.setCell(8, 8, 45);
    tools.Tool_Click(int(DrawingMode::GrabColour));
    moveTo(7, 7);
    tools.Picture1_MouseDown(SpriteButton::Right);
    EXPECT_EQ(tools.rightColour(), 123);
    EXPECT_EQ(tools.leftColour(), 9);
    EXPECT_EQ(tools.mode(), DrawingMode::Pixel);
    EXPECT_FALSE(doc.undoRing().canUndo());
    moveTo(8, 8);
    tools.Form_KeyPress('#');
    EXPECT_EQ(tools.leftColour(), 45);
}

TEST_F(Drawing, ADraggedSelectionIsCommittedOnReleaseWithItsCellsColumnByColumn)
{
    doc.setCell(5, 6, 77);
    doc.setCell(6, 5, 78);
    tools.Tool_Click(int(DrawingMode::Selection));
    EXPECT_FALSE(tools.cursorFrameShown());
    moveTo(4, 5);
    tools.Picture1_MouseDown(SpriteButton::Left);
    moveTo(6, 7, SpriteButton::Left);
    EXPECT_EQ(doc.selection().rubberBandRect(), QRect(720, 900, 540, 540));
    moveTo(2, 7, SpriteButton::Left); // left of the start: no band
    EXPECT_FALSE(doc.selection().rubberBandShown);
    moveTo(6, 7, SpriteButton::Left);
    tools.Picture1_MouseUp(SpriteButton::Left);
    const SpriteSelection &s = doc.selection();
    EXPECT_TRUE(s.selectorShown);
    EXPECT_EQ(s.selectorRect, QRect(720, 900, 540, 540));
    EXPECT_EQ(s.AreaBuf.width(), 3);
    EXPECT_EQ(s.AreaBuf.height(), 3);
    EXPECT_EQ(s.AreaBuf.areaCell(1, 1, 3), 77);
    EXPECT_EQ(s.AreaBuf.areaCell(2, 0, 3), 78);

    tools.Tool_Click(int(DrawingMode::GrabColour)); // leaves the area alone
    EXPECT_TRUE(s.selectorShown);
    doc.SaveUndo("x");
    doc.Undo(); // drops it
    EXPECT_FALSE(s.selectorShown);
    tools.Tool_Click(int(DrawingMode::Selection));
    drag(SpriteButton::Left, 4, 5, 6, 7);
    tools.Tool_Click(int(DrawingMode::Pixel)); // drops it too
    EXPECT_FALSE(s.selectorShown);
    EXPECT_TRUE(tools.cursorFrameShown());
}
