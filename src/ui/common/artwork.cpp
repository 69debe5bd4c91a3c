#include "ui/common/artwork.h"

#include "ui/common/logo.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>

namespace tav {

QPixmap logoPixmap(int side)
{
    return QPixmap::fromImage(logoImage(side));
}

QPixmap splashPicture(int width, int height)
{
    QPixmap pixmap(width, height);
    QPainter p(&pixmap);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(0x1B, 0x2A, 0x4A));
    sky.setColorAt(0.6, QColor(0x8A, 0x4B, 0x2E));
    sky.setColorAt(1, QColor(0x2E, 0x1C, 0x10));
    p.fillRect(pixmap.rect(), sky);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x22, 0x18, 0x12));
    QPainterPath hills;
    hills.moveTo(0, height);
    hills.lineTo(0, height * 0.7);
    hills.quadTo(width * 0.25, height * 0.45, width * 0.5, height * 0.68);
    hills.quadTo(width * 0.75, height * 0.5, width, height * 0.62);
    hills.lineTo(width, height);
    p.drawPath(hills);
    p.setBrush(QColor(0xF4, 0xD0, 0x7A));
    p.drawEllipse(QPointF(width * 0.78, height * 0.3), height * 0.09, height * 0.09);
    return pixmap;
}

QPixmap toolIcon(int index, int side)
{
    static const std::array<QColor, 9> colours = {
        QColor(0x3C, 0x6E, 0xA8), QColor(0x4C, 0x8C, 0x3C), QColor(0xA8, 0x7C, 0x2C),
        QColor(0x7C, 0x4C, 0xA8), QColor(0xC0, 0x48, 0x48), QColor(0x48, 0x90, 0x90),
        QColor(0x30, 0x30, 0x30), QColor(0x90, 0x30, 0x30), QColor(0x60, 0x60, 0x90),
    };
    static const std::array<const char *, 9> glyphs = {"M", "#", "S", "P", "\u25A6", "?", "\u25B6", "E", "i"};
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colour = colours[static_cast<std::size_t>(index) % colours.size()];
    p.setPen(QPen(colour.darker(160), 1));
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(1, 1, side - 2, side - 2), side / 5.0, side / 5.0);
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(side * 3 / 5);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, side, side), Qt::AlignCenter,
               QString::fromUtf8(glyphs[static_cast<std::size_t>(index) % glyphs.size()]));
    return pixmap;
}

QLabel *addLogo(QWidget *parent, int x, int y, int side)
{
    auto *logo = new QLabel(parent);
    logo->setObjectName(QStringLiteral("Image1"));
    logo->setPixmap(logoPixmap(side));
    logo->setToolTip(kLogoTooltip);
    logo->setGeometry(x, y, side, side);
    return logo;
}

} // namespace tav
