#include "core/sprite/canvas_geometry.h"
#include "core/sprite/drawing_tools.h"
#include "core/sprite/sprite_document.h"
#include "core/sprite/sprite_operations.h"
#include "core/sprite/uniform_random.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <map>

using namespace tav;

namespace {

struct Operations : ::testing::Test {
    SpriteDocument doc;
    DrawingTools tools{doc};
    SpriteOperations ops{doc, tools};

    // A committed selection of w x h cells at (x, y).
    void select(int x, int y, int w, int h)
    {
        tools.Tool_Click(int(DrawingMode::Selection));
        doc.editSelection([&](SpriteSelection &s) {
            s.SelX = std::int16_t(x);
            s.SelY = std::int16_t(y);
            s.SelW = std::int16_t(w);
            s.SelH = std::int16_t(h);
            s.rubberBandShown = true;
        });
        doc.commitSelection();
    }
    // Moves the floating area by whole cells, as a drag on its handle does.
    void dragArea(int dx, int dy)
    {
        ops.moveArea(SpriteButton::None, 90, 90);
        ops.moveArea(SpriteButton::Left, 90 + dx * kCellTwips, 90 + dy * kCellTwips);
    }
    void fillPattern()
    {
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x)
                doc.setCell(x, y, std::uint8_t(1 + (x * 7 + y * 3) % 250));
    }
    QString lastUndo() const { return doc.undoRing().tooltip(); }
};

// Red = index, no green or blue: the nearest colour of a red average r is
// index r, but never below 80.
std::array<PalEntry, 256> redRamp()
{
    std::array<PalEntry, 256> pal{};
    for (int i = 1; i < 256; ++i)
        pal[std::size_t(i)] = PalEntry{std::int16_t(i), 0, 0};
    return pal;
}

} // namespace

TEST_F(Operations, FlipsMirrorTheRegionAndTwiceRestoreIt)
{
    fillPattern();
    const CellGrid original = doc.Matrix();
    ops.flipXWise();
    EXPECT_EQ(lastUndo(), "Undo: flip x-wise");
    EXPECT_EQ(doc.cell(0, 5), original.at(39, 5));
    ops.flipXWise();
    EXPECT_EQ(doc.Matrix(), original);
    ops.flipYWise();
    EXPECT_EQ(lastUndo(), "Undo: flip y-wise");
    EXPECT_EQ(doc.cell(3, 39), original.at(3, 0));
    ops.flipYWise();
    EXPECT_EQ(doc.Matrix(), original);

    // A 5 x 3 selection: the middle column stays, the rest mirrors, nothing
    // outside moves, and the whole region is announced for repainting.
    select(10, 20, 5, 3);
    QSignalSpy repainted(&doc, &SpriteDocument::regionChanged);
    ops.flipXWise();
    for (int y = 20; y < 23; ++y)
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(doc.cell(10 + i, y), original.at(14 - i, y));
    EXPECT_EQ(doc.cell(9, 20), original.at(9, 20));
    EXPECT_EQ(doc.cell(15, 20), original.at(15, 20));
    ASSERT_EQ(repainted.count(), 1);
    EXPECT_EQ(repainted[0][0].toRect(), QRect(10, 20, 5, 3));
    ops.flipYWise();
    EXPECT_EQ(doc.cell(12, 20), original.at(12, 22));
    EXPECT_EQ(doc.cell(12, 21), original.at(12, 21));
}

TEST_F(Operations, RandomSpriteDrawsEvenlyFromTheGradientAndPilesUpAt255)
{
    UniformRandom first, second;
    for (int i = 0; i < 1000; ++i) {
        const double r = first.next();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        ASSERT_EQ(r, second.next()); // the same sequence on every run
    }

    UniformRandom random;
    tools.setLeftColour(250);
    ops.randomSprite(16, random);
    EXPECT_EQ(lastUndo(), "Undo: random sprite");
    std::map<int, int> counts;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            ++counts[doc.cell(x, y)];
    ASSERT_EQ(counts.size(), 6u);
    EXPECT_EQ(counts.begin()->first, 250);
    // Each of 250-254 has 1 chance in 16, 255 the other 11.
    for (int v = 250; v < 255; ++v)
        EXPECT_NEAR(counts[v], 100, 40) << v;
    EXPECT_NEAR(counts[255], 1100, 80);

    select(0, 0, 2, 2);
    tools.setLeftColour(7);
    ops.randomSprite(1, random);
    EXPECT_EQ(doc.cell(1, 1), 7);
    EXPECT_NE(doc.cell(2, 2), 7);
}

TEST_F(Operations, ReplaceColourSwapsTheLeftForTheRightColourInTheRegion)
{
    doc.setCell(1, 1, 5);
    doc.setCell(30, 30, 5);
    tools.setLeftColour(5);
    tools.setRightColour(5);
    QSignalSpy repainted(&doc, &SpriteDocument::regionChanged);
    ops.replaceColour(); // equal colours: nothing changes, all is repainted
    EXPECT_EQ(doc.cell(1, 1), 5);
    ASSERT_EQ(repainted.count(), 1);
    EXPECT_EQ(repainted[0][0].toRect(), QRect(0, 0, 40, 40));
    EXPECT_EQ(lastUndo(), "Undo: replace color");

    tools.setRightColour(9);
    select(0, 0, 10, 10);
    ops.replaceColour();
    EXPECT_EQ(doc.cell(1, 1), 9);
    EXPECT_EQ(doc.cell(30, 30), 5);
}

TEST_F(Operations, BlurAveragesWithTheNeighboursInPlaceAndPicksFrom80Up)
{
    const std::array<PalEntry, 256> pal = redRamp();
    // A lone pixel is averaged with four transparent (black) neighbours:
    // 200 / 5 = 40, and as 0-79 are never chosen it becomes 80.
    doc.setCell(10, 10, 200);
    // Corner cell: beyond the edge counts the cell itself, so
    // (200 + 200 + 100 + 100 + 200) / 5 = 160.
    doc.setCell(0, 0, 200);
    doc.setCell(1, 0, 100);
    doc.setCell(0, 1, 100);
    // In place: (5,20) becomes (0 + 250 + 250) / 5 = 100 first, then (6,20)
    // sees 100 on its left: (100 + 250) / 5 = 70, which gives 80.
    doc.setCell(5, 20, 250);
    doc.setCell(6, 20, 250);
    ops.blur(pal);
    EXPECT_EQ(lastUndo(), "Undo: blur filter");
    EXPECT_EQ(doc.cell(10, 10), 80);
    EXPECT_EQ(doc.cell(11, 10), 0); // transparent cells stay transparent
    EXPECT_EQ(doc.cell(0, 0), 160);
    EXPECT_EQ(doc.cell(5, 20), 100);
    EXPECT_EQ(doc.cell(6, 20), 80);
    int below80 = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            below80 += doc.cell(x, y) != 0 && doc.cell(x, y) < 80;
    EXPECT_EQ(below80, 0);

    // Distance is summed over the channels; a tie keeps the lower index.
    std::array<PalEntry, 256> flat{};
    for (int i = 80; i < 256; ++i)
        flat[std::size_t(i)] = PalEntry{255, 255, 255};
    flat[91] = PalEntry{50, 60, 70};
    flat[90] = PalEntry{50, 60, 70};
    flat[200] = PalEntry{40, 70, 70};
    EXPECT_EQ(nearestBlurIndex(flat, 50, 60, 70), 90);
    EXPECT_EQ(nearestBlurIndex(flat, 41, 69, 70), 200);
}

TEST_F(Operations, CopyWithoutSelectionFloatsTheWholeGridAtTheCornerAndStampsItBack)
{
    fillPattern();
    doc.setCell(4, 4, 0);
    const CellGrid original = doc.Matrix();
    EXPECT_TRUE(ops.copy());
    EXPECT_EQ(doc.selection().ClipBuf.width(), 40);
    EXPECT_EQ(doc.selection().ClipBuf.height(), 40);
    EXPECT_FALSE(doc.undoRing().canUndo()); // copying is no undo step

    doc.setCells(CellGrid());
    for (int y = 0; y < 40; ++y)
        doc.setCell(4, y, 99);
    tools.Tool_Click(int(DrawingMode::Pixel));
    ops.paste();
    EXPECT_EQ(tools.mode(), DrawingMode::Selection);
    const SpriteSelection &s = doc.selection();
    EXPECT_TRUE(s.selectorShown);
    EXPECT_EQ(s.selectorAppearance, 5);
    EXPECT_EQ(s.selectorRect, QRect(0, 0, 7200, 7200));
    EXPECT_EQ(QRect(s.SelX, s.SelY, s.SelW, s.SelH), QRect(0, 0, 40, 40));
    EXPECT_EQ(doc.cell(0, 0), 0); // nothing changes until stamped

    ops.stampArea(true);
    EXPECT_EQ(lastUndo(), "Undo: copy area");
    EXPECT_EQ(doc.cell(4, 4), 99); // a transparent cell is skipped
    EXPECT_EQ(doc.cell(5, 4), original.at(5, 4));
    ops.stampArea(false);
    EXPECT_EQ(doc.Matrix(), original);
    EXPECT_TRUE(doc.selection().selectorShown); // the area stays floating
}

TEST_F(Operations, AFloatingAreaMovesInWholeCellsAndStampsOnlyInsideTheGrid)
{
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 4; ++y)
            doc.setCell(x, y, std::uint8_t(10 + x * 4 + y));
    select(0, 0, 4, 4);
    ops.copy();
    ops.paste();
    dragArea(37, 2);
    EXPECT_EQ(doc.selection().SelX, 37);
    EXPECT_EQ(doc.selection().SelY, 2);
    EXPECT_EQ(doc.selection().selectorRect.topLeft(), QPoint(37 * 180, 2 * 180));
    ops.moveArea(SpriteButton::Left, 90 + 89, 90); // less than half a cell
    EXPECT_EQ(doc.selection().SelX, 37);

    const CellGrid before = doc.Matrix();
    ops.stampArea(false);
    // Columns 37-39 of the grid take area columns 0-2; column 3 falls off.
    EXPECT_EQ(doc.cell(37, 2), 10);
    EXPECT_EQ(doc.cell(39, 5), 10 + 2 * 4 + 3);
    EXPECT_EQ(doc.cell(0, 2), before.at(0, 2));

    // Far off the grid: nothing is written, nothing breaks.
    dragArea(5000, -9000);
    const CellGrid kept = doc.Matrix();
    ops.stampArea(false);
    ops.flipXWise();
    ops.blur(redRamp());
    EXPECT_EQ(doc.Matrix(), kept);
}

TEST_F(Operations, OperationsOnAnAreaPartlyOffTheGridTouchOnlyItsCellsInside)
{
    fillPattern();
    select(0, 0, 5, 5);
    ops.copy();
    ops.paste();
    dragArea(-2, 36); // columns -2 to 2, rows 36 to 40
    const CellGrid before = doc.Matrix();
    tools.setLeftColour(200);
    UniformRandom random;
    ops.randomSprite(1, random);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            EXPECT_EQ(doc.cell(x, y), x <= 2 && y >= 36 ? 200 : before.at(x, y)) << x << "," << y;
}

TEST_F(Operations, CutAndDeleteWorkOnlyOnAnAreaInSelectionMode)
{
    fillPattern();
    select(2, 3, 2, 2);
    const SpriteImage area = doc.selection().AreaBuf;
    tools.Tool_Click(int(DrawingMode::GrabColour)); // the area stays shown
    ASSERT_TRUE(doc.selection().selectorShown);
    EXPECT_FALSE(ops.cut());
    ops.deleteArea();
    EXPECT_FALSE(doc.undoRing().canUndo());
    EXPECT_NE(doc.cell(2, 3), 0);

    tools.Tool_Click(int(DrawingMode::Selection));
    EXPECT_TRUE(ops.cut());
    EXPECT_EQ(lastUndo(), "Undo: cut/delete");
    EXPECT_EQ(doc.selection().ClipBuf, area);
    EXPECT_EQ(doc.cell(2, 3), 0);
    EXPECT_EQ(doc.cell(3, 4), 0);
    EXPECT_NE(doc.cell(4, 4), 0);
    EXPECT_FALSE(doc.selection().selectorShown);
    EXPECT_TRUE(doc.selection().AreaBuf.isEmpty());
}

TEST_F(Operations, ADroppedThumbnailLoadsItsSlotAndAnEmptySlotIsStillAnUndoStep)
{
    ProgramTables tables;
    CellGrid cells;
    cells.set(39, 39, 42);
    tables.ScrapBuf[3] = cells.toImage(10, 5);
    tables.ScrapName[3] = "\\UNITS\\ORC";
    doc.setCell(0, 0, 7);

    ops.dropFromScrapboard("form", tables); // the editor's own preview
    EXPECT_FALSE(doc.undoRing().canUndo());
    ops.dropFromScrapboard("0", tables);
    EXPECT_EQ(lastUndo(), "Undo: copy from scrapboard");
    EXPECT_EQ(doc.cell(0, 0), 7);
    EXPECT_EQ(doc.XSize(), 40);

    ops.dropFromScrapboard("2", tables);
    EXPECT_EQ(doc.name(), "\\UNITS\\ORC");
    EXPECT_EQ(doc.XSize(), 10);
    EXPECT_EQ(doc.YSize(), 5);
    EXPECT_EQ(doc.Matrix(), cells);
    EXPECT_EQ(doc.undoRing().stepsAvailable(), 2);
}
