#include "core/app/window_placement.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

const QRect kScreen(0, 0, 1280, 1024);
// The launch window in the bottom-right corner, frame included.
const QRect kLaunch(727, 916, 545, 68);

const QSize kEditor(760, 590);
const QSize kPalette(300, 300);
const QSize kScrapboard(322, 205);
constexpr int kScrapboardRoom = 440;

void expectApart(const QRect &a, const QRect &b)
{
    EXPECT_FALSE(a.intersects(b)) << a.x() << "," << a.y() << " " << a.width() << "x" << a.height() << " meets "
                                  << b.x() << "," << b.y() << " " << b.width() << "x" << b.height();
}

// The editor, the palette and the scrapboard with its viewer folded out lie
// on the screen and overlap nowhere.
void expectCompanionsClear(const QRect &screen, const CompanionPlacement &p, QSize editor)
{
    const QRect e(p.editor, editor);
    const QRect palette(p.palette, kPalette);
    const int unfoldedLeft = p.scrapboardGrowsLeft ? p.scrapboard.x() + kScrapboard.width() - kScrapboardRoom
                                                   : p.scrapboard.x();
    const QRect scrapboard(QPoint(unfoldedLeft, p.scrapboard.y()), QSize(kScrapboardRoom, kScrapboard.height()));
    for (const QRect &r : {e, palette, scrapboard})
        EXPECT_TRUE(screen.contains(r));
    expectApart(e, palette);
    expectApart(e, scrapboard);
    expectApart(palette, scrapboard);
}

} // namespace

TEST(FirstWindowPosition, CascadesOnTheScreenAndClearOfTheLaunchWindow)
{
    QList<QRect> placed;
    for (int i = 0; i < 12; ++i) {
        const QPoint at = firstWindowPosition(kScreen, kLaunch, placed, QSize(814, 522));
        const QRect r(at, QSize(814, 522));
        EXPECT_TRUE(kScreen.contains(r));
        expectApart(r, kLaunch);
        for (const QRect &other : placed)
            EXPECT_NE(other.topLeft(), at);
        placed.append(r);
    }
}

TEST(FirstWindowPosition, TallWindowGoesBesideTheLaunchWindowAndAHugeOneStaysOnTheArea)
{
    const QRect tall(firstWindowPosition(kScreen, kLaunch, {}, QSize(600, 960)), QSize(600, 960));
    EXPECT_TRUE(kScreen.contains(tall));
    expectApart(tall, kLaunch);

    const QRect offsetArea(100, 50, 800, 600);
    EXPECT_EQ(firstWindowPosition(offsetArea, QRect(), {}, QSize(900, 700)), QPoint(100, 50));
}

TEST(PlaceCompanions, RightOfTheEditorWhenThereIsRoom)
{
    const QRect editor(QPoint(8, 8), kEditor);
    const CompanionPlacement p = placeCompanions(kScreen, QRect(), editor, kPalette, kScrapboard, kScrapboardRoom);
    EXPECT_EQ(p.editor, editor.topLeft());
    EXPECT_EQ(p.palette.x(), editor.x() + editor.width() + kWindowGap);
    EXPECT_FALSE(p.scrapboardGrowsLeft);
    expectCompanionsClear(kScreen, p, kEditor);
}

TEST(PlaceCompanions, LeftOfTheEditorElseTheEditorMovesElseBelow)
{
    const QRect atRight(QPoint(1280 - kEditor.width(), 100), kEditor);
    const CompanionPlacement left = placeCompanions(kScreen, QRect(), atRight, kPalette, kScrapboard, kScrapboardRoom);
    EXPECT_EQ(left.editor, atRight.topLeft());
    EXPECT_TRUE(left.scrapboardGrowsLeft);
    EXPECT_EQ(left.scrapboard.x() + kScrapboard.width(), atRight.x() - kWindowGap);
    expectCompanionsClear(kScreen, left, kEditor);

    const QRect middle(QPoint(300, 100), kEditor);
    const CompanionPlacement moved = placeCompanions(kScreen, QRect(), middle, kPalette, kScrapboard, kScrapboardRoom);
    EXPECT_LT(moved.editor.x(), middle.x());
    EXPECT_EQ(moved.editor.y(), middle.y());
    expectCompanionsClear(kScreen, moved, kEditor);

    const QRect narrow(0, 0, 1000, 1024);
    const CompanionPlacement below =
        placeCompanions(narrow, QRect(), QRect(QPoint(0, 0), kEditor), kPalette, kScrapboard, kScrapboardRoom);
    EXPECT_GE(below.palette.y(), kEditor.height());
    expectCompanionsClear(narrow, below, kEditor);
}

TEST(PlaceCompanions, AWideEditorKeepsThePaletteBesideItAndTheScrapboardClearOfTheLaunchWindow)
{
    const QSize wide(893, 616);
    const QRect editor(QPoint(92, 90), wide);
    const CompanionPlacement p = placeCompanions(kScreen, kLaunch, editor, kPalette, kScrapboard, kScrapboardRoom);
    EXPECT_LT(p.editor.x(), editor.x());
    EXPECT_EQ(p.palette.x(), p.editor.x() + wide.width() + kWindowGap);
    EXPECT_EQ(p.scrapboard, QPoint(p.editor.x(), editor.y() + wide.height() + kWindowGap));
    expectCompanionsClear(kScreen, p, wide);
    expectApart(QRect(p.scrapboard, QSize(kScrapboardRoom, kScrapboard.height())), kLaunch);
}
