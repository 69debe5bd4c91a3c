#include "core/sprite/batch_rename.h"
#include "core/sprite/film_strip.h"
#include "core/sprite/scrapboard.h"
#include "core/sprite/screen_palette.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace tav;

namespace {

struct Board : ::testing::Test {
    ProgramTables tables;
    Scrapboard board{tables};

    // Keeps a sprite whose cell (0, 0) holds the given index.
    void keep(int frame, const QString &name, std::uint8_t index = 1, int width = 40, int height = 40)
    {
        CellGrid cells;
        cells.set(0, 0, index);
        board.store(frame, name, width, height, cells);
    }
};

} // namespace

TEST_F(Board, StoringKeepsNameSizeAndAllCellsInTheFramesSlot)
{
    CellGrid cells;
    cells.set(3, 4, 17);
    cells.set(39, 39, 200); // outside the declared size, kept all the same
    QSignalSpy changed(&board, &Scrapboard::frameChanged);
    board.store(2, "\\UNITS\\ORC", 10, 5, cells);
    EXPECT_EQ(tables.ScrapBuf[3], cells.toImage(10, 5));
    EXPECT_EQ(tables.ScrapName[3], "\\UNITS\\ORC");
    EXPECT_EQ(board.tooltip(2), "#3: 10 x 5");
    EXPECT_EQ(board.label(2), "\\UNITS\\ORC");
    EXPECT_EQ(board.tooltip(0), "#1: <empty>");
    EXPECT_EQ(changed.count(), 1);

    ScreenPalette palette;
    palette.setColour(17, qRgb(1, 2, 3));
    palette.setColour(0, ScreenPalette::kPink);
    const QImage picture = board.picture(2, palette);
    ASSERT_EQ(picture.size(), QSize(80, 80));
    EXPECT_EQ(picture.pixel(7, 9), qRgb(1, 2, 3));
    EXPECT_EQ(picture.pixel(0, 0), ScreenPalette::kPink);
    EXPECT_EQ(board.picture(5, palette).pixel(40, 40), ScreenPalette::kPink);
}

TEST_F(Board, ClearingEmptiesAFrameButKeepsTheNameOfItsSlot)
{
    keep(4, "\\A", 5, 10, 5);
    board.swap(4, 7); // with an empty frame
    EXPECT_EQ(board.tooltip(4), "#5: <empty>");
    EXPECT_EQ(board.tooltip(7), "#8: 10 x 5");
    board.clear(7);
    EXPECT_EQ(tables.ScrapBuf[8], SpriteImage());
    EXPECT_TRUE(board.label(7).isEmpty());
    EXPECT_EQ(tables.ScrapName[8], "\\A");
}

TEST(Animation, PlaysFramesOneToNAndStartsAgain)
{
    int position = 0;
    QList<int> played;
    for (int i = 0; i < 5; ++i)
        played << (position = nextAnimationPosition(position, 3));
    EXPECT_EQ(played, QList<int>({1, 2, 3, 1, 2}));
    EXPECT_EQ(nextAnimationPosition(7, 3), 1); // the slider went down
}

TEST(FilmStrip, ScrollsAndResizesByWholeFrames)
{
    FilmStrip strip;
    strip.scrollTo(11); // three frames show: 9, 10 and 11
    EXPECT_EQ(strip.firstVisible(), 9);
    EXPECT_EQ(strip.position(11), 2);
    strip.scrollTo(0);
    EXPECT_EQ(strip.firstVisible(), 0);

    EXPECT_EQ(FilmStrip::framesForWidth(303 + 49, 101), 3);
    EXPECT_EQ(FilmStrip::framesForWidth(303 + 51, 101), 4);
    EXPECT_EQ(FilmStrip::framesForWidth(99999, 101), 8);
    EXPECT_EQ(FilmStrip::framesForWidth(-99999, 101), 3);

    strip.scrollTo(11);
    strip.setVisibleFrames(8, 11); // no gap after the last frame
    EXPECT_EQ(strip.firstVisible(), 4);
    strip.setVisibleFrames(3, 11); // the selected frame stays in view
    EXPECT_EQ(strip.firstVisible(), 9);
    strip.setVisibleFrames(20, 0);
    EXPECT_EQ(strip.visibleFrames(), 8);
    EXPECT_EQ(strip.firstVisible(), 0);
}

TEST(BatchRename, NamesJoinFolderPrefixAndNumberAndStayInTheirFolder)
{
    EXPECT_EQ(BatchRename::seriesName("\\UNITS", "ORC", 3), "\\UNITS\\ORC3");
    EXPECT_EQ(BatchRename::seriesName("", "ORC", 12), "\\ORC12");
    EXPECT_TRUE(BatchRename::checkPrefix("", ""));
    EXPECT_TRUE(BatchRename::checkPrefix("\\UNITS", "ORC"));
    EXPECT_FALSE(BatchRename::checkPrefix("\\UNITS", "A\\B"));
    EXPECT_FALSE(BatchRename::checkPrefix("", "..\\X"));
    EXPECT_FALSE(BatchRename::checkPrefix("", "C:X"));
}
