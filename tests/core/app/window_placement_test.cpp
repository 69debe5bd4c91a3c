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

namespace {

// The kit's windows as a window manager with a 1-pixel border and a title
// bar frames them; at 200 % scale the title bar takes half the logical pixels.
struct KitWindows {
    int title;
    QSize frame(int width, int height) const { return {width + 2, height + 1 + title}; }
    QSize editor() const { return frame(885, 553); }
    QRect canvas() const { return {12, title + 11, 481, 481}; }
    QSize palette() const { return frame(343, 273); }
    QSize scrapboard() const { return frame(320, 192); }
    int scrapboardRoom() const { return 438; }
    QList<QSize> tools() const
    {
        return {frame(640, 440), frame(761, 408), frame(814, 522), frame(840, 440), frame(721, 400), editor()};
    }
    // The launch window in the bottom-right corner of the screen.
    QRect launch(QSize screen) const
    {
        const QSize size = frame(543, 68);
        return {QPoint(screen.width() - size.width() - 7, screen.height() - size.height() - 40), size};
    }
};

struct ScreenCase {
    const char *name;
    QSize size;
    int title;
    bool roomToStandApart;
};

} // namespace

TEST(PlaceCompanions, EveryScreenAndScaleKeepsTheEditorsCanvasAndTheLaunchWindowUncovered)
{
    const ScreenCase screens[] = {
        {"1024x768", {1024, 768}, 20, false}, {"1280x720", {1280, 720}, 20, true},
        {"1280x800", {1280, 800}, 20, true},  {"1366x768", {1366, 768}, 20, true},
        {"1280x1024", {1280, 1024}, 20, true}, {"1920x1080", {1920, 1080}, 20, true},
        {"2560x1440 at 200 %", {1280, 720}, 10, true},
    };
    for (const ScreenCase &screen : screens) {
        SCOPED_TRACE(screen.name);
        const KitWindows kit{screen.title};
        const QRect area(QPoint(0, 0), screen.size);
        const QRect launch = kit.launch(screen.size);

        // Every tool window starts on the area, clear of the launch window.
        QList<QRect> placed;
        for (const QSize size : kit.tools()) {
            const QRect r(firstWindowPosition(area, launch, placed, size), size);
            EXPECT_TRUE(area.contains(r));
            expectApart(r, launch);
            placed.append(r);
        }

        const QRect editor(firstWindowPosition(area, launch, {}, kit.editor()), kit.editor());
        const CompanionPlacement p = placeCompanions(area, launch, editor, kit.palette(), kit.scrapboard(),
                                                     kit.scrapboardRoom(), kit.canvas());
        const QRect e(p.editor, kit.editor());
        const QRect palette(p.palette, kit.palette());
        const QRect scrapboard(p.scrapboard, kit.scrapboard());
        for (const QRect &r : {e, palette, scrapboard}) {
            EXPECT_TRUE(area.contains(r));
            expectApart(r, launch);
        }
        const QRect canvas = kit.canvas().translated(e.topLeft());
        expectApart(palette, canvas);
        expectApart(scrapboard, canvas);
        if (screen.roomToStandApart) {
            expectApart(e, palette);
            expectApart(e, scrapboard);
            expectApart(palette, scrapboard);
        } else {
            // Over the editor's controls at its right-hand end, and the
            // scrapboard below the canvas.
            EXPECT_EQ(palette.right(), area.right());
            EXPECT_GT(scrapboard.top(), canvas.bottom());
        }
    }
}
