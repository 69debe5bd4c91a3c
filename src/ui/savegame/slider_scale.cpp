#include "ui/savegame/slider_scale.h"

#include <QPainter>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>

#include <algorithm>

namespace tav {

SliderScale::SliderScale(const QString &text, const QSlider *slider, QWidget *parent)
    : QLabel(text, parent)
    , m_slider(slider)
{
}

int SliderScale::tickX(const QSlider *slider, int value)
{
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    const int handle = slider->style()->pixelMetric(QStyle::PM_SliderLength, &option, slider);
    return handle / 2
           + QStyle::sliderPositionFromValue(slider->minimum(), slider->maximum(), value, slider->width() - handle);
}

QStringList SliderScale::words() const
{
    return text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QSize SliderScale::sizeHint() const
{
    // The last word stands centred on the last tick, half past the slider.
    int widest = 0;
    for (const QString &word : words())
        widest = std::max(widest, fontMetrics().horizontalAdvance(word));
    return {m_slider->width() + widest, fontMetrics().height()};
}

void SliderScale::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QStringList names = words();
    const int offset = m_slider->mapTo(window(), QPoint()).x() - mapTo(window(), QPoint()).x();
    for (int i = 0; i < names.size(); ++i) {
        const int centre = offset + tickX(m_slider, m_slider->minimum() + i);
        const int w = fontMetrics().horizontalAdvance(names[i]);
        painter.drawText(QRect(centre - w / 2, 0, w, height()), Qt::AlignCenter, names[i]);
    }
}

} // namespace tav
