#include "ui/savegame/up_down_spinner.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace tav {

UpDownSpinner::UpDownSpinner(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_up = new QToolButton(this);
    m_up->setArrowType(Qt::UpArrow);
    m_down = new QToolButton(this);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton *button : {m_up, m_down}) {
        button->setAutoRepeat(true);
        button->setFixedSize(17, 11);
        button->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(button);
    }
    connect(m_up, &QToolButton::clicked, this, &UpDownSpinner::stepUp);
    connect(m_down, &QToolButton::clicked, this, &UpDownSpinner::stepDown);
    setFixedSize(17, 22);
}

bool UpDownSpinner::setValue(int value)
{
    if (value < m_minimum || value > m_maximum)
        return false;
    if (value == m_value)
        return true;
    m_value = value;
    if (m_buddy)
        m_buddy->setText(QString::number(value));
    Q_EMIT valueChanged(value);
    return true;
}

void UpDownSpinner::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = qMax(minimum, maximum);
    setValue(qBound(m_minimum, m_value, m_maximum));
}

void UpDownSpinner::stepUp()
{
    setValue(qMin(m_value + 1, m_maximum));
}

void UpDownSpinner::stepDown()
{
    setValue(qMax(m_value - 1, m_minimum));
}

} // namespace tav
