#include "ui/enemy/up_down.h"

#include "core/common/number_field.h"
#include "ui/common/spin_arrows.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace tav {

UpDown::UpDown(QLineEdit *buddy, enemy::ValueRange range, int initial, QWidget *parent)
    : QWidget(parent)
    , m_buddy(buddy)
    , m_range(range)
{
    auto *arrows = new SpinArrows(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(arrows);
    setFixedWidth(arrows->width());
    connect(arrows, &SpinArrows::stepUp, this, [this] { stepBy(1); });
    connect(arrows, &SpinArrows::stepDown, this, [this] { stepBy(-1); });
    m_buddy->installEventFilter(this);
    setValue(initial);
}

int UpDown::value() const
{
    const double typed = std::clamp(num(m_buddy->text()), double(m_range.minimum), double(m_range.maximum));
    return m_range.clamp(rnd(typed));
}

void UpDown::setValue(int value)
{
    const QString text = QString::number(m_range.clamp(value));
    if (m_buddy->text() == text)
        return;
    m_buddy->setText(text);
    Q_EMIT valueChanged(this->value());
}

void UpDown::stepBy(int steps)
{
    setValue(value() + steps);
}

bool UpDown::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_buddy && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            stepBy(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tav
