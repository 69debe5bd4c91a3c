#include "ui/savegame/page_controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QSlider>

namespace tav {

QSlider *namedSlider(const QString &name, int minimum, int maximum, QWidget *parent)
{
    auto *slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(name);
    slider->setRange(minimum, maximum);
    slider->setPageStep(1);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(maximum - minimum > 20 ? 10 : 1);
    return slider;
}

QLabel *plainLabel(const QString &text, QWidget *parent)
{
    return new QLabel(text, parent);
}

QGroupBox *frame(const QString &caption, QWidget *parent)
{
    return new QGroupBox(caption, parent);
}

} // namespace tav
