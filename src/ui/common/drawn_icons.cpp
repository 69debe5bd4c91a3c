#include "ui/common/drawn_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tav {
namespace {

constexpr int kSide = 24;

void drawUndoArrow(QPainter &p)
{
    p.setPen(QPen(QColor(0x2A, 0x5C, 0xA8), 2.6, Qt::SolidLine, Qt::RoundCap));
    QPainterPath arc;
    arc.moveTo(7, 9);
    arc.cubicTo(14, 4, 22, 9, 19, 16);
    arc.cubicTo(17, 20, 12, 21, 9, 19);
    p.drawPath(arc);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2A, 0x5C, 0xA8));
    p.drawPolygon(QPolygonF({QPointF(3, 9), QPointF(10, 4), QPointF(10, 14)}));
}

} // namespace

QIcon drawnIcon(const std::function<void(QPainter &)> &draw)
{
    QPixmap pixmap(kSide, kSide);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    p.end();
    QIcon icon(pixmap);
    QPixmap faded(pixmap.size());
    faded.fill(Qt::transparent);
    QPainter f(&faded);
    f.setOpacity(0.35);
    f.drawPixmap(0, 0, pixmap);
    f.end();
    icon.addPixmap(faded, QIcon::Disabled);
    return icon;
}

QIcon undoIcon()
{
    return drawnIcon(drawUndoArrow);
}

QIcon redoIcon()
{
    return drawnIcon([](QPainter &p) {
        p.translate(kSide, 0);
        p.scale(-1, 1);
        drawUndoArrow(p);
    });
}

} // namespace tav
