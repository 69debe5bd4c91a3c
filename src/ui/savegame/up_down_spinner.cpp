#include "ui/savegame/up_down_spinner.h"

#include "ui/common/spin_arrows.h"

#include <QLineEdit>
#include <QVBoxLayout>

namespace tav {

UpDownSpinner::UpDownSpinner(QWidget *parent)
    : QWidget(parent)
{
    auto *arrows = new SpinArrows(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(arrows);
    connect(arrows, &SpinArrows::stepUp, this, &UpDownSpinner::stepUp);
    connect(arrows, &SpinArrows::stepDown, this, &UpDownSpinner::stepDown);
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
