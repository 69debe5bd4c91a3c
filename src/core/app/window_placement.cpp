#include "core/app/window_placement.h"

#include <algorithm>
#include <array>
#include <tuple>
#include <utility>

namespace tav {
namespace {

int rightEnd(const QRect &r)
{
    return r.x() + r.width();
}

int bottomEnd(const QRect &r)
{
    return r.y() + r.height();
}

// The start of a span of the given length kept inside [low, high) as far as
// it can be; a span longer than the room starts at low.
int keepInside(int start, int length, int low, int high)
{
    return std::max(low, std::min(start, high - length));
}

qint64 overlap(const QRect &a, const QRect &b)
{
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : qint64(common.width()) * common.height();
}

qint64 overlap(const QRect &a, const QList<QRect> &others)
{
    qint64 sum = 0;
    for (const QRect &other : others)
        sum += overlap(a, other);
    return sum;
}

QList<QRect> translated(const QList<QRect> &parts, QPoint by)
{
    QList<QRect> moved;
    for (const QRect &part : parts)
        moved.append(part.translated(by));
    return moved;
}

// What a place covers, most important first; the smaller the better.
using Cover = std::array<qint64, 4>;

// Where a span of `length` may start along one axis: the area's ends, the
// preferred start, and beside or level with each edge, kept inside the area.
// The cover a place has only changes where one of its edges passes another
// edge, so the least cover is always at one of these starts.
QList<int> candidateStarts(int low, int high, int length, int preferred, const QList<std::pair<int, int>> &spans)
{
    QList<int> starts{low, high - length, preferred};
    for (const auto &[from, to] : spans)
        starts << from - kWindowGap - length << to + kWindowGap << from << to - length;
    for (int &start : starts)
        start = keepInside(start, length, low, high);
    std::sort(starts.begin(), starts.end());
    starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
    return starts;
}

// The place on the area with the least cover; ties nearest `preferred`,
// then the higher, then the further left. `edges` are the rectangles whose
// edges a place may line up with.
template <typename CoverOf>
QPoint leastCovering(const QRect &area, QSize size, const QList<QRect> &edges, QPoint preferred, CoverOf coverOf)
{
    QList<std::pair<int, int>> across;
    QList<std::pair<int, int>> down;
    for (const QRect &r : edges) {
        if (r.isEmpty())
            continue;
        across.append({r.x(), rightEnd(r)});
        down.append({r.y(), bottomEnd(r)});
    }
    const QList<int> xs = candidateStarts(area.x(), rightEnd(area), size.width(), preferred.x(), across);
    const QList<int> ys = candidateStarts(area.y(), bottomEnd(area), size.height(), preferred.y(), down);
    std::tuple<Cover, qint64, int, int> best;
    bool found = false;
    for (const int y : ys) {
        for (const int x : xs) {
            const qint64 dx = x - preferred.x();
            const qint64 dy = y - preferred.y();
            const auto key = std::make_tuple(coverOf(QRect(QPoint(x, y), size)), dx * dx + dy * dy, y, x);
            if (!found || key < best) {
                best = key;
                found = true;
            }
        }
    }
    return {std::get<3>(best), std::get<2>(best)};
}

} // namespace

QPoint firstWindowPosition(const QRect &available, const ScreenWindows &screen, QSize size,
                           const QList<QRect> &ownUncovered, std::optional<QPoint> preferred)
{
    const QList<QRect> windows = screen.keptInView + screen.shown;
    const QList<QRect> edges = windows + screen.keptUncovered + QList<QRect>{screen.launch};
    return leastCovering(available, size, edges, preferred.value_or(available.topLeft()), [&](const QRect &r) {
        qint64 uncovered = overlap(r, screen.keptUncovered);
        for (const QRect &part : ownUncovered)
            uncovered += overlap(part.translated(r.topLeft()), windows);
        return Cover{overlap(r, screen.launch), uncovered, overlap(r, screen.keptInView), overlap(r, screen.shown)};
    });
}

QPoint firstEditorPosition(const QRect &available, const ScreenWindows &screen, const SpriteWindows &sprite)
{
    const int columnHeight = sprite.palette.height() + kWindowGap + sprite.scrapboard.height();
    const int height = std::max(sprite.editor.height(), columnHeight);
    for (const QSize &companion : {sprite.scrapboardUnfolded, sprite.scrapboard}) {
        const QSize footprint(sprite.editor.width() + kWindowGap + std::max(sprite.palette.width(), companion.width()),
                              height);
        if (footprint.width() > available.width() || footprint.height() > available.height())
            continue;
        const QPoint at = firstWindowPosition(available, screen, footprint, {sprite.canvas});
        if (!QRect(at, footprint).intersects(screen.launch))
            return at;
    }
    return firstWindowPosition(available, screen, sprite.editor, {sprite.canvas});
}

QPoint unfoldedScrapboardPosition(const QRect &available, const QRect &launch, QPoint editor,
                                  const SpriteWindows &sprite, const QRect &palette, QPoint scrapboard)
{
    const QRect editorRect(editor, sprite.editor);
    const QList<QRect> kept = translated(sprite.keptClear, editor);
    const QList<QRect> edges = kept + QList<QRect>{launch, palette, editorRect, QRect(scrapboard, sprite.scrapboard)};
    // Growing leftwards keeps the right edge where it was.
    return leastCovering(available, sprite.scrapboardUnfolded, edges, scrapboard, [&](const QRect &r) {
        return Cover{overlap(r, kept), overlap(r, launch), overlap(r, palette), overlap(r, editorRect)};
    });
}

namespace {

// How well the scrapboard unfolds in an arrangement, the smaller the
// better: in its place clear of the editor; elsewhere clear of it; over the
// editor's controls only, the less of the editor the better; else not
// acceptably.
std::pair<int, qint64> unfolding(const QRect &available, const QRect &launch, QPoint editor,
                                 const SpriteWindows &sprite, const CompanionPlacement &p)
{
    const QRect palette(p.palette, sprite.palette);
    const QRect folded(p.scrapboard, sprite.scrapboard);
    const QRect unfolded(unfoldedScrapboardPosition(available, launch, editor, sprite, palette, p.scrapboard),
                         sprite.scrapboardUnfolded);
    const qint64 editorCovered = overlap(unfolded, QRect(editor, sprite.editor));
    if (!available.contains(unfolded) || unfolded.intersects(launch) || unfolded.intersects(palette) ||
        overlap(unfolded, translated(sprite.keptClear, editor)) > 0)
        return {3, 0};
    if (editorCovered == 0)
        return {unfolded.contains(folded) ? 0 : 1, 0};
    return {2, editorCovered};
}

QList<CompanionPlacement> arrangementsApart(const QRect &available, const QRect &editor, const SpriteWindows &sprite)
{
    const QSize palette = sprite.palette;
    const QSize scrapboard = sprite.scrapboard;
    const int columnHeight = palette.height() + kWindowGap + scrapboard.height();
    const int top = keepInside(editor.y(), columnHeight, available.y(), bottomEnd(available));
    const auto column = [&](int paletteX, int scrapboardX, bool paletteAbove) {
        if (paletteAbove)
            return CompanionPlacement{{paletteX, top}, {scrapboardX, top + palette.height() + kWindowGap}};
        return CompanionPlacement{{paletteX, top + scrapboard.height() + kWindowGap}, {scrapboardX, top}};
    };
    const int right = rightEnd(editor) + kWindowGap;
    const int left = editor.x() - kWindowGap;
    const int below = bottomEnd(editor) + kWindowGap;
    const int rowX =
        keepInside(editor.x(), palette.width() + kWindowGap + scrapboard.width(), available.x(), rightEnd(available));
    return {
        column(right, right, true),
        column(right, right, false),
        {{right, keepInside(editor.y(), palette.height(), available.y(), bottomEnd(available))}, {editor.x(), below}},
        column(left - palette.width(), left - scrapboard.width(), true),
        column(left - palette.width(), left - scrapboard.width(), false),
        {{rowX, below}, {rowX + palette.width() + kWindowGap, below}},
    };
}

// The companions over the editor's controls, off its parts kept clear.
CompanionPlacement overTheControls(const QRect &available, const QRect &launch, const QRect &editor,
                                   const SpriteWindows &sprite)
{
    const QList<QRect> kept = translated(sprite.keptClear, editor.topLeft());
    const QList<QRect> edges = kept + QList<QRect>{launch, editor};
    const QPoint palette =
        leastCovering(available, sprite.palette, edges, {rightEnd(available) - sprite.palette.width(), editor.y()},
                      [&](const QRect &r) {
                          return Cover{overlap(r, launch), overlap(r, kept), overlap(r, editor), 0};
                      });
    const QRect paletteRect(palette, sprite.palette);
    const QPoint scrapboard = leastCovering(
        available, sprite.scrapboard, edges + QList<QRect>{paletteRect},
        {editor.x(), bottomEnd(available) - sprite.scrapboard.height()}, [&](const QRect &r) {
            return Cover{overlap(r, launch), overlap(r, kept) + overlap(r, paletteRect), overlap(r, editor), 0};
        });
    return {palette, scrapboard};
}

} // namespace

CompanionPlacement placeCompanions(const QRect &available, const QRect &launch, QPoint editor,
                                   const SpriteWindows &sprite)
{
    const QRect editorRect(editor, sprite.editor);
    const auto apart = [&](const CompanionPlacement &p) {
        const QRect palette(p.palette, sprite.palette);
        const QRect scrapboard(p.scrapboard, sprite.scrapboard);
        for (const QRect &r : {palette, scrapboard}) {
            if (!available.contains(r) || r.intersects(launch) || r.intersects(editorRect))
                return false;
        }
        return !palette.intersects(scrapboard);
    };
    std::optional<CompanionPlacement> best;
    std::pair<int, qint64> bestUnfolding;
    for (const CompanionPlacement &p : arrangementsApart(available, editorRect, sprite)) {
        if (!apart(p))
            continue;
        const std::pair<int, qint64> u = unfolding(available, launch, editor, sprite, p);
        if (!best || u < bestUnfolding) {
            best = p;
            bestUnfolding = u;
        }
    }
    return best ? *best : overTheControls(available, launch, editorRect, sprite);
}

} // namespace tav
