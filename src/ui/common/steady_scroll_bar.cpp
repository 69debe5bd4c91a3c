#include "ui/common/steady_scroll_bar.h"

#include <QStyle>
#include <QStyleOptionSlider>

namespace tav {

SteadyScrollBar::SteadyScrollBar(Qt::Orientation orientation, QWidget *parent)
    : QScrollBar(orientation, parent)
{
}

SteadyScrollBar::Look SteadyScrollBar::currentLook() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    return Look{style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this),
                value() == minimum(), value() == maximum()};
}

void SteadyScrollBar::sliderChange(SliderChange change)
{
    const Look look = currentLook();
    // The orientation changes the whole bar; a range or value change that
    // leaves handle and arrows as they are needs no new paint.
    if (change != SliderOrientationChange && look == m_shown)
        return;
    m_shown = look;
    QScrollBar::sliderChange(change);
}

void SteadyScrollBar::paintEvent(QPaintEvent *event)
{
    // A resize or a hover repaints too; remember what was painted last.
    m_shown = currentLook();
    QScrollBar::paintEvent(event);
}

} // namespace tav
