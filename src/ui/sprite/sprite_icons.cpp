#include "ui/sprite/sprite_icons.h"

#include "ui/common/drawn_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tav {
namespace {

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
