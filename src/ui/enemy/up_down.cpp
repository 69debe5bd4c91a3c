#include "ui/enemy/up_down.h"

#include "core/common/number_field.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tav {
namespace {

QToolButton *arrowButton(Qt::ArrowType arrow, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    button->setFixedWidth(17);
    return button;
}

} // namespace

UpDown::UpDown(QLineEdit *buddy, enemy::ValueRange range, int initial, QWidget *parent)
    : QWidget(parent)
    , m_buddy(buddy)
    , m_range(range)
{
    m_up = arrowButton(Qt::UpArrow, this);
    m_down = arrowButton(Qt::DownArrow, this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
    setFixedWidth(17);
    connect(m_up, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { stepBy(-1); });
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
