#include "ui/sprite/colour_swatch.h"

#include "core/sprite/drawing_tools.h"

#include <QMouseEvent>
#include <QPainter>

namespace tav {

int spriteButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return SpriteButton::Left;
    case Qt::RightButton:
        return SpriteButton::Right;
    case Qt::MiddleButton:
        return SpriteButton::Middle;
    default:
        return SpriteButton::None;
    }
}

int spriteButtons(Qt::MouseButtons buttons)
{
    int sum = 0;
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        if (buttons & b)
            sum += spriteButton(b);
    return sum;
}

ColourSwatch::ColourSwatch(ColourSource colour, QWidget *parent)
    : QWidget(parent)
    , m_colour(std::move(colour))
{
    setMouseTracking(true);
}

void ColourSwatch::setColourSource(ColourSource colour)
{
    m_colour = std::move(colour);
    update();
}

void ColourSwatch::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QColor fill = m_colour ? m_colour() : QColor(Qt::black);
    p.fillRect(rect(), fill);
    if (m_raised) {
        p.setPen(fill.lighter(150));
        p.drawLine(0, 0, width() - 1, 0);
        p.drawLine(0, 0, 0, height() - 1);
        p.setPen(QColor(0, 0, 0, 110));
        p.drawLine(0, height() - 1, width() - 1, height() - 1);
        p.drawLine(width() - 1, 0, width() - 1, height() - 1);
    } else {
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void ColourSwatch::mousePressEvent(QMouseEvent *event)
{
    Q_EMIT pressed(spriteButton(event->button()));
}

void ColourSwatch::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

void ColourSwatch::mouseMoveEvent(QMouseEvent *)
{
    Q_EMIT hovered();
}

} // namespace tav
