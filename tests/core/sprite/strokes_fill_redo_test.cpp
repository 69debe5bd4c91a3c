#include "core/sprite/area_fill.h"
#include "core/sprite/cell_line.h"
#include "core/sprite/drawing_tools.h"
#include "core/sprite/onion_skin.h"
#include "core/sprite/scrapboard.h"
#include "core/sprite/screen_palette.h"
#include "core/sprite/sprite_document.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace tav;

TEST(CellLine, RunsFromCellToCellInNeighbourSteps)
{
    const struct {
        QPoint from, to;
        int cells;
    } cases[] = {
        {{0, 5}, {39, 5}, 40}, {{0, 0}, {39, 39}, 40}, {{39, 0}, {0, 39}, 40},
        {{3, 2}, {5, 30}, 29}, {{7, 7}, {7, 7}, 1},
    };
    for (const auto &c : cases) {
        const QList<QPoint> line = cellLine(c.from, c.to);
        ASSERT_EQ(line.size(), c.cells) << c.to.x() << "," << c.to.y();
        EXPECT_EQ(line.front(), c.from);
        EXPECT_EQ(line.back(), c.to);
        for (qsizetype i = 1; i < line.size(); ++i)
            EXPECT_EQ(std::max(std::abs(line[i].x() - line[i - 1].x()), std::abs(line[i].y() - line[i - 1].y())), 1);
    }
    for (const QPoint &cell : cellLine({0, 0}, {39, 39}))
        EXPECT_EQ(cell.x(), cell.y()); // the diagonal and nothing beside it
}

TEST(AreaFill, FillsTheFourConnectedAreaInsideTheDeclaredSize)
{
    CellGrid checkered;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            checkered.set(x, y, (x + y) % 2 ? 5 : 0);
    CellGrid cells = checkered;
    EXPECT_EQ(fillArea(cells, 4, 4, 9, 40, 40), QRect(4, 4, 1, 1)); // diagonal cells are not neighbours
    EXPECT_EQ(cells.at(4, 4), 9);
    EXPECT_EQ(cells.at(5, 5), 0);

    // A closed ring of 3 around (10..14, 10..14): inside and outside apart.
    CellGrid ring;
    for (int i = 10; i <= 14; ++i) {
        ring.set(i, 10, 3);
        ring.set(i, 14, 3);
        ring.set(10, i, 3);
        ring.set(14, i, 3);
    }
    cells = ring;
    EXPECT_EQ(fillArea(cells, 12, 12, 7, 40, 40), QRect(11, 11, 3, 3));
    EXPECT_EQ(cells.at(9, 9), 0);
    cells = ring;
    EXPECT_EQ(fillArea(cells, 0, 0, 7, 20, 16), QRect(0, 0, 20, 16)); // the outside, up to the size
    EXPECT_EQ(cells.at(19, 15), 7);
    EXPECT_EQ(cells.at(20, 0), 0);
    EXPECT_EQ(cells.at(0, 16), 0);
    EXPECT_EQ(cells.at(12, 12), 0);

    cells = ring;
    EXPECT_TRUE(fillArea(cells, 30, 30, 7, 20, 16).isEmpty()); // outside the size
    EXPECT_TRUE(fillArea(cells, 10, 10, 3, 40, 40).isEmpty()); // already that colour
    EXPECT_EQ(cells, ring);
}

TEST(AreaFill, IsOneUndoStepAndAClickOnTheSameColourRecordsNothing)
{
    SpriteDocument doc;
    DrawingTools tools{doc};
    tools.setLeftColour(8);
    tools.setRightColour(0);
    tools.Tool_Click(int(DrawingMode::Fill));
    EXPECT_EQ(tools.mode(), DrawingMode::Fill);
    tools.Picture1_MouseMove(0, 2 * 180 + 90, 2 * 180 + 90);
    tools.Picture1_MouseDown(SpriteButton::Right); // index 0 on index 0
    EXPECT_FALSE(doc.undoRing().canUndo());
    tools.Picture1_MouseDown(SpriteButton::Left);
    EXPECT_EQ(doc.cell(39, 39), 8);
    EXPECT_EQ(doc.undoRing().tooltip(), "Undo: fill");
    EXPECT_EQ(doc.undoRing().stepsAvailable(), 1);
}

TEST(Redo, BringsBackEachUndoneStepWithTheRingAsAfterTheChange)
{
    SpriteDocument doc;
    const auto change = [&](const char *name, int x) {
        doc.SaveUndo(QLatin1String(name));
        doc.setCell(x, 0, 1);
    };
    // Past the ring's end, so the position wraps and the count stays at 19.
    for (int i = 0; i < 21; ++i)
        change(i == 20 ? "flip x-wise" : "pixel drawing", i);
    const UndoRing after = doc.undoRing();
    const SpriteImage changed = doc.snapshot();
    EXPECT_FALSE(doc.Redo());
    EXPECT_EQ(doc.undoRing().redoTooltip(), "Redo: not available");

    for (int i = 0; i < 19; ++i)
        doc.Undo();
    EXPECT_EQ(doc.cell(1, 0), 1); // the first two changes stay
    EXPECT_EQ(doc.cell(2, 0), 0);
    EXPECT_EQ(doc.undoRing().redoTooltip(), "Redo: pixel drawing");
    for (int i = 0; i < 19; ++i)
        EXPECT_TRUE(doc.Redo());
    EXPECT_FALSE(doc.Redo());
    EXPECT_EQ(doc.snapshot(), changed);
    EXPECT_EQ(doc.undoRing().UndoPos(), after.UndoPos());
    EXPECT_EQ(doc.undoRing().stepsAvailable(), 19);
    EXPECT_EQ(doc.undoRing().tooltip(), "Undo: flip x-wise");

    doc.Undo(); // as after the change itself
    EXPECT_EQ(doc.cell(20, 0), 0);
    EXPECT_EQ(doc.undoRing().redoTooltip(), "Redo: flip x-wise");
    doc.setCell(30, 30, 2); // painting with the keys records nothing, yet drops redo
    EXPECT_FALSE(doc.undoRing().canRedo());
    doc.Undo();
    doc.SaveUndo(QStringLiteral("paste")); // so does a new snapshot
    EXPECT_FALSE(doc.Redo());
}

TEST(OnionSkin, ShowsTheFrameFaintlyUnderEmptyCellsOnly)
{
    ScreenPalette palette;
    palette.setColour(0, ScreenPalette::kPink);
    palette.setColour(7, qRgb(90, 30, 0));
    palette.setColour(9, qRgb(0, 0, 200));
    ProgramTables tables;
    Scrapboard board(tables);
    CellGrid frame;
    frame.set(1, 1, 7);
    frame.set(2, 2, 7);
    board.store(2, QString(), 40, 40, frame);
    OnionSkin skin(board, palette);
    skin.setFrame(3);
    EXPECT_EQ(skin.cellColour(1, 1, 0), ScreenPalette::kPink); // hidden
    skin.setShown(true);
    EXPECT_EQ(skin.cellColour(1, 1, 0), qRgb(255 + (90 - 255) / 3, 0 + 30 / 3, 255 - 255 / 3));
    EXPECT_EQ(skin.cellColour(2, 2, 9), qRgb(0, 0, 200)); // painted cells as they are
    EXPECT_EQ(skin.cellColour(5, 5, 0), ScreenPalette::kPink);
    skin.setFrame(99);
    EXPECT_EQ(skin.frame(), 12);
}
