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

CompanionPlacement placeCompanions(const QRect &available, const QRect &launchWindow, const QRect &editor,
                                   QSize palette, QSize scrapboard, int scrapboardRoom)
{
    const int columnWidth = std::max(palette.width(), scrapboardRoom);
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
    const int rowWidth = palette.width() + kWindowGap + scrapboardRoom;

    const CompanionPlacement candidates[] = {
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
    const auto fits = [&](const CompanionPlacement &p) {
        const QRect e(p.editor, editor.size());
        const QRect pal(p.palette, palette);
        // The scrapboard as wide as it gets, grown away from the editor.
        const int roomLeft = p.scrapboardGrowsLeft ? p.scrapboard.x() + scrapboard.width() - scrapboardRoom
                                                   : p.scrapboard.x();
        const QRect scrap(QPoint(roomLeft, p.scrapboard.y()), QSize(scrapboardRoom, scrapboard.height()));
        for (const QRect &r : {e, pal, scrap}) {
            if (!available.contains(r) || r.intersects(launchWindow))
                return false;
        }
        return !e.intersects(pal) && !e.intersects(scrap) && !pal.intersects(scrap);
    };
    for (const CompanionPlacement &p : candidates) {
        if (fits(p))
            return p;
    }
    CompanionPlacement kept = column(editor);
    kept.palette = keepInside(available, kept.palette, palette);
    kept.scrapboard = keepInside(available, kept.scrapboard, QSize(scrapboardRoom, scrapboard.height()));
    return kept;
}

} // namespace tav
