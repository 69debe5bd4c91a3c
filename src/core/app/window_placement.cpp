#include "core/app/window_placement.h"

#include <algorithm>
#include <cstdlib>

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

QPoint keepInside(const QRect &area, QPoint at, QSize size)
{
    return {keepInside(at.x(), size.width(), area.x(), rightEnd(area)),
            keepInside(at.y(), size.height(), area.y(), bottomEnd(area))};
}

// A window opening here would lie exactly on top of one already there.
bool coversPlaced(const QList<QRect> &placed, QPoint at)
{
    return std::any_of(placed.begin(), placed.end(), [at](const QRect &r) {
        return std::abs(r.x() - at.x()) < kCascadeStep / 2 && std::abs(r.y() - at.y()) < kCascadeStep / 2;
    });
}

// The cascade first (down and right from the origin), then every other
// point of the same lattice, row by row.
QList<QPoint> candidatePositions(const QRect &available)
{
    const QPoint origin = available.topLeft() + QPoint(kWindowGap, kWindowGap);
    const int columns = std::max(1, available.width() / kCascadeStep);
    const int rows = std::max(1, available.height() / kCascadeStep);
    QList<QPoint> positions;
    for (int i = 0; i < std::min(columns, rows); ++i)
        positions.append(origin + QPoint(i, i) * kCascadeStep);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            if (row != column)
                positions.append(origin + QPoint(column, row) * kCascadeStep);
        }
    }
    return positions;
}

} // namespace

QPoint firstWindowPosition(const QRect &available, const QRect &launchWindow, const QList<QRect> &placed,
                           QSize size)
{
    const QList<QPoint> candidates = candidatePositions(available);
    const auto fits = [&](QPoint at) {
        const QRect r(at, size);
        return available.contains(r) && !r.intersects(launchWindow);
    };
    for (QPoint at : candidates) {
        if (fits(at) && !coversPlaced(placed, at))
            return at;
    }
    for (QPoint at : candidates) {
        if (fits(at))
            return at;
    }
    QPoint at = keepInside(available, available.topLeft() + QPoint(kWindowGap, kWindowGap), size);
    if (QRect(at, size).intersects(launchWindow))
        at.setY(std::max(available.y(), launchWindow.y() - kWindowGap - size.height()));
    return at;
}

namespace {

// The arrangements beside the editor, in order, for a scrapboard that takes
// `room` pixels of width at most.
QList<CompanionPlacement> arrangementsApart(const QRect &available, const QRect &editor, QSize palette,
                                            QSize scrapboard, int room)
{
    const int columnWidth = std::max(palette.width(), room);
    const int columnHeight = palette.height() + kWindowGap + scrapboard.height();
    const int columnTop = keepInside(editor.y(), columnHeight, available.y(), bottomEnd(available));
    const int scrapboardTop = columnTop + palette.height() + kWindowGap;
    const int below = bottomEnd(editor) + kWindowGap;

    const auto column = [&](const QRect &e) {
        const int x = rightEnd(e) + kWindowGap;
        return CompanionPlacement{e.topLeft(), {x, columnTop}, {x, scrapboardTop}, false};
    };
    const auto row = [&](int x) {
        return CompanionPlacement{editor.topLeft(), {x, below}, {x + palette.width() + kWindowGap, below}, false};
    };
    // The palette right of the editor, the scrapboard below it.
    const auto split = [&](const QRect &e) {
        return CompanionPlacement{
            e.topLeft(),
            {rightEnd(e) + kWindowGap, keepInside(e.y(), palette.height(), available.y(), bottomEnd(available))},
            {e.x(), below},
            false};
    };
    // The editor moved left just enough for a companion this wide on its right.
    const auto movedLeft = [&](int companionWidth) {
        QRect moved = editor;
        moved.moveLeft(std::min(editor.x(), rightEnd(available) - companionWidth - kWindowGap - editor.width()));
        return moved;
    };
    const int leftEdge = editor.x() - kWindowGap;
    const int rowWidth = palette.width() + kWindowGap + room;
    return {
        column(editor),
        {editor.topLeft(),
         {leftEdge - palette.width(), columnTop},
         {leftEdge - scrapboard.width(), scrapboardTop},
         true},
        column(movedLeft(columnWidth)),
        split(editor),
        split(movedLeft(palette.width())),
        row(keepInside(editor.x(), rowWidth, available.x(), rightEnd(available))),
        row(available.x()),
    };
}

// The scrapboard as wide as it gets, grown away from the editor.
QRect scrapboardRoomRect(const CompanionPlacement &p, QSize scrapboard, int room)
{
    const int left = p.scrapboardGrowsLeft ? p.scrapboard.x() + scrapboard.width() - room : p.scrapboard.x();
    return QRect(QPoint(left, p.scrapboard.y()), QSize(room, scrapboard.height()));
}

bool onAreaClearOf(const QRect &available, const QRect &launchWindow, const QRect &r)
{
    return available.contains(r) && !r.intersects(launchWindow);
}

// The companions over the editor's controls, off its canvas (see the header).
CompanionPlacement overTheControls(const QRect &available, const QRect &launchWindow, const QRect &editor,
                                   const QRect &canvas, QSize palette, QSize scrapboard, int room)
{
    const QRect onScreenCanvas = canvas.isEmpty() ? editor : canvas.translated(editor.topLeft());
    const int rightEdge = rightEnd(available);
    QPoint pal(rightEdge - palette.width(), keepInside(editor.y(), palette.height(), available.y(),
                                                       bottomEnd(available)));
    if (QRect(pal, palette).intersects(launchWindow))
        pal.setY(std::max(available.y(), launchWindow.y() - kWindowGap - palette.height()));
    const QRect palRect(pal, palette);

    const auto usable = [&](const QRect &r) {
        return onAreaClearOf(available, launchWindow, r) && !r.intersects(onScreenCanvas) && !r.intersects(palRect);
    };
    // As low as the area goes, below the canvas; room for the unfolded
    // viewer first, then the folded scrapboard.
    const QPoint underCanvas(keepInside(editor.x(), room, available.x(), rightEdge),
                             bottomEnd(available) - scrapboard.height());
    for (const int width : {room, scrapboard.width()}) {
        if (usable(QRect(underCanvas, QSize(width, scrapboard.height()))))
            return {editor.topLeft(), pal, underCanvas, false};
    }
    const QPoint underPalette(rightEdge - scrapboard.width(), bottomEnd(palRect) + kWindowGap);
    if (usable(QRect(underPalette, scrapboard)))
        return {editor.topLeft(), pal, underPalette, true};
    return {editor.topLeft(), pal, keepInside(available, underPalette, scrapboard), true};
}

} // namespace

CompanionPlacement placeCompanions(const QRect &available, const QRect &launchWindow, const QRect &editor,
                                   QSize palette, QSize scrapboard, int scrapboardRoom, const QRect &canvas)
{
    for (const int room : {scrapboardRoom, scrapboard.width()}) {
        const auto fits = [&](const CompanionPlacement &p) {
            const QRect e(p.editor, editor.size());
            const QRect pal(p.palette, palette);
            const QRect scrap = scrapboardRoomRect(p, scrapboard, room);
            for (const QRect &r : {e, pal, scrap}) {
                if (!onAreaClearOf(available, launchWindow, r))
                    return false;
            }
            return !e.intersects(pal) && !e.intersects(scrap) && !pal.intersects(scrap);
        };
        for (const CompanionPlacement &p : arrangementsApart(available, editor, palette, scrapboard, room)) {
            if (fits(p))
                return p;
        }
    }
    return overTheControls(available, launchWindow, editor, canvas, palette, scrapboard, scrapboardRoom);
}

} // namespace tav
