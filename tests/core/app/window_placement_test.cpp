#include "core/app/window_placement.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

std::string text(const QRect &r)
{
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" +
           std::to_string(r.height());
}

void expectApart(const QRect &a, const QRect &b)
{
    EXPECT_FALSE(a.intersects(b)) << text(a) << " meets " << text(b);
}

// The kit's windows as a window manager with a 1-pixel border and a title
// bar frames them; at 200 % scale the title bar takes half the logical pixels.
struct KitWindows {
    int title;
    QSize frame(int width, int height) const { return {width + 2, height + 1 + title}; }
    SpriteWindows sprite() const
    {
        const int top = title + 1;
        return {frame(911, 567),
                {12, top + 10, 481, 481},
                {{12, top + 10, 481, 481}, {499, top + 288, 172, 114}, {499, top + 409, 402, 145}},
                frame(343, 273),
                frame(320, 192),
                frame(436, 192)};
    }
    // In the launch window's order: macro, MAP overview, SaveGame,
    // definition parameters, enemy.
    QList<QSize> tools() const
    {
        return {frame(640, 444), frame(761, 408), frame(814, 526), frame(840, 444), frame(901, 362)};
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
    bool companionsApart;      // palette and scrapboard stand beside the editor
    bool unfoldsClearOfEditor; // the unfolded scrapboard too
    // Tool windows shown after the editor keep off its canvas, palette and
    // scrapboard, when it is opened first and when fifth (the windows shown
    // before lie under it).
    bool canvasClearEditorFirst;
    bool canvasClearEditorFifth;
};

// The editor, palette and scrapboard (folded and unfolded) on the area,
// clear of the launch window, off the editor's parts kept clear.
void checkSpriteWindows(const ScreenCase &screen, const QRect &area, const QRect &launch, const SpriteWindows &sprite,
                        QPoint at, const CompanionPlacement &p, const QRect &unfolded)
{
    const QRect editor(at, sprite.editor);
    const QRect palette(p.palette, sprite.palette);
    const QRect scrapboard(p.scrapboard, sprite.scrapboard);
    for (const QRect &r : {editor, palette, scrapboard, unfolded}) {
        EXPECT_TRUE(area.contains(r)) << text(r);
        expectApart(r, launch);
    }
    for (const QRect &companion : {palette, scrapboard, unfolded}) {
        for (const QRect &part : sprite.keptClear)
            expectApart(companion, part.translated(at));
    }
    expectApart(unfolded, palette);
    expectApart(palette, scrapboard);
    if (screen.companionsApart) {
        expectApart(editor, palette);
        expectApart(editor, scrapboard);
    }
    EXPECT_EQ(unfolded.intersects(editor), !screen.unfoldsClearOfEditor) << text(unfolded);
}

} // namespace

TEST(WindowPlacement, EveryScreenAndScaleKeepsEveryWindowOnItAndTheCanvasUncovered)
{
    const ScreenCase screens[] = {
        {"1024x768", {1024, 768}, 20, false, false, false, false},
        {"1280x720", {1280, 720}, 20, true, false, false, false},
        {"1366x768", {1366, 768}, 20, true, true, false, false},
        {"1280x1024", {1280, 1024}, 20, true, true, false, false},
        {"1920x1080", {1920, 1080}, 20, true, true, true, true},
        {"2560x1440 at 200 %", {1280, 720}, 10, true, false, false, false},
    };
    for (const ScreenCase &screen : screens) {
        for (const int editorAfter : {0, 4}) {
            SCOPED_TRACE(std::string(screen.name) + " editor after " + std::to_string(editorAfter));
            const KitWindows kit{screen.title};
            const SpriteWindows sprite = kit.sprite();
            const QRect area(QPoint(0, 0), screen.size);
            ScreenWindows shown{kit.launch(screen.size), {}, {}};
            QList<QRect> after;
            for (int i = 0; i < kit.tools().size(); ++i) {
                if (i == editorAfter) {
                    const QPoint at = firstEditorPosition(area, shown, sprite);
                    const CompanionPlacement p = placeCompanions(area, shown.launch, at, sprite);
                    const QRect palette(p.palette, sprite.palette);
                    const QRect unfolded(
                        unfoldedScrapboardPosition(area, shown.launch, at, sprite, palette, p.scrapboard),
                        sprite.scrapboardUnfolded);
                    checkSpriteWindows(screen, area, shown.launch, sprite, at, p, unfolded);
                    shown.shown << QRect(at, sprite.editor);
                    shown.keptInView << palette << QRect(p.scrapboard, sprite.scrapboard)
                                     << sprite.keptClear[1].translated(at) << sprite.keptClear[2].translated(at);
                    shown.keptUncovered << sprite.canvas.translated(at);
                }
                const QRect r(firstWindowPosition(area, shown, kit.tools()[i]), kit.tools()[i]);
                EXPECT_TRUE(area.contains(r)) << text(r);
                expectApart(r, shown.launch);
                if (i >= editorAfter)
                    after.append(r);
                shown.shown.append(r);
            }
            if (editorAfter == 0 ? screen.canvasClearEditorFirst : screen.canvasClearEditorFifth) {
                // The canvas, the palette and the scrapboard.
                for (const QRect &r : after) {
                    for (const QRect &kept : shown.keptUncovered + shown.keptInView.mid(0, 2))
                        expectApart(r, kept);
                }
            }
        }
    }
}

TEST(WindowPlacement, AWindowCoversTheLeastOfTheCanvasThenOfCompanionsThenOfOtherWindowsTiesNearestTheTopLeft)
{
    const QRect screen(0, 0, 1000, 800);
    const QRect launch(600, 700, 300, 60);
    struct Case {
        const char *name;
        QRect area;
        ScreenWindows shown;
        QSize size;
        QList<QRect> own;
        QPoint expected;
    };
    const Case cases[] = {
        {"an empty area: its top-left corner", {100, 50, 800, 600}, {}, {300, 200}, {}, {100, 50}},
        {"beside or below a window: the nearer",
         screen,
         {launch, {}, {}, {{0, 0, 400, 300}}},
         {300, 200},
         {},
         {0, 308}},
        {"over a window rather than its canvas",
         screen,
         {launch, {{0, 0, 300, 300}}, {}, {{0, 0, 600, 690}}},
         {700, 690},
         {},
         {300, 2}},
        {"over a window rather than a companion",
         screen,
         {{0, 410, 1000, 300}, {}, {{0, 0, 400, 800}}, {{400, 0, 600, 800}}},
         {600, 400},
         {},
         {400, 0}},
        {"its own canvas kept off the windows shown first",
         screen,
         {{}, {}, {}, {{0, 0, 250, 100}, {900, 0, 100, 800}}},
         {700, 800},
         {{0, 0, 200, 100}},
         {258, 0}},
        {"too tall to clear the launch window: over the least of it", screen, {launch, {}, {}}, {700, 760}, {}, {0, 0}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(firstWindowPosition(c.area, c.shown, c.size, c.own), c.expected);
    }
}
