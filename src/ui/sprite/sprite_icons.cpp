#include "ui/sprite/sprite_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace tav {
namespace {

constexpr int kSide = 24;

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

const QColor kInk(0x30, 0x30, 0x38);

} // namespace

QIcon exportStripIcon()
{
    return drawnIcon([](QPainter &p) {
        p.setPen(QPen(kInk, 1.4));
        p.setBrush(QColor(0x8C, 0xC8, 0x8C));
        for (int i = 0; i < 3; ++i)
            p.drawRect(QRectF(2.5 + i * 6.5, 3.5, 5, 7));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2A, 0x5C, 0xA8));
        p.drawRect(QRectF(10, 12, 4, 5));
        p.drawPolygon(QPolygonF({QPointF(6, 16), QPointF(18, 16), QPointF(12, 22)}));
    });
}

namespace {

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

QIcon magnifyIcon()
{
    return drawnIcon([](QPainter &p) {
        p.setBrush(QColor(0xD8, 0xE8, 0xF8));
        p.setPen(QPen(kInk, 2.2));
        p.drawEllipse(QPointF(10, 10), 6.5, 6.5);
        p.setPen(QPen(kInk, 3.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(15, 15), QPointF(21, 21));
    });
}

QIcon cutIcon()
{
    return drawnIcon([](QPainter &p) {
        p.setPen(QPen(kInk, 1.8));
        p.drawLine(QPointF(7, 3), QPointF(15, 16));
        p.drawLine(QPointF(17, 3), QPointF(9, 16));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0xB0, 0x30, 0x30), 2));
        p.drawEllipse(QPointF(7.5, 18.5), 3.2, 3.2);
        p.drawEllipse(QPointF(16.5, 18.5), 3.2, 3.2);
    });
}

QIcon copyIcon()
{
    return drawnIcon([](QPainter &p) {
        p.setPen(QPen(kInk, 1.4));
        p.setBrush(QColor(0xE8, 0xE8, 0xF0));
        p.drawRect(QRectF(4, 3, 11, 13));
        p.setBrush(QColor(0xFF, 0xFF, 0xFF));
        p.drawRect(QRectF(9, 8, 11, 13));
    });
}

QIcon deleteIcon()
{
    return drawnIcon([](QPainter &p) {
        p.setPen(QPen(QColor(0xB0, 0x30, 0x30), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(6, 6), QPointF(18, 18));
        p.drawLine(QPointF(18, 6), QPointF(6, 18));
    });
}

QIcon pasteIcon()
{
    return drawnIcon([](QPainter &p) {
        p.setPen(QPen(kInk, 1.4));
        p.setBrush(QColor(0xC8, 0x96, 0x50));
        p.drawRoundedRect(QRectF(4, 4, 16, 18), 2, 2);
        p.setBrush(QColor(0xF4, 0xF4, 0xF4));
        p.drawRect(QRectF(7, 8, 10, 11));
        p.setBrush(QColor(0x80, 0x80, 0x88));
        p.drawRoundedRect(QRectF(8, 2, 8, 4), 1, 1);
    });
}

QCursor grabColourCursor()
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(2, 22), QPointF(14, 10));
    p.setPen(QPen(Qt::white, 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(2, 22), QPointF(14, 10));
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0x40, 0x40, 0x48));
    p.drawEllipse(QPointF(17, 7), 5, 5);
    p.end();
    return QCursor(pixmap, 2, 21);
}

} // namespace tav
