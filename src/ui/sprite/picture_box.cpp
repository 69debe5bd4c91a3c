#include "ui/sprite/picture_box.h"

#include <QPainter>

namespace tav {

PictureBox::PictureBox(PictureSource source, QWidget *parent)
    : QWidget(parent)
    , m_source(std::move(source))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawImage(0, 0, picture());
}

} // namespace tav
