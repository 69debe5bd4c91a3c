#include "ui/common/spin_arrows.h"

#include <QToolButton>
#include <QVBoxLayout>

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

SpinArrows::SpinArrows(QWidget *parent)
    : QWidget(parent)
    , m_up(arrowButton(Qt::UpArrow, this))
    , m_down(arrowButton(Qt::DownArrow, this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
    setFixedWidth(17);
    connect(m_up, &QToolButton::clicked, this, &SpinArrows::stepUp);
    connect(m_down, &QToolButton::clicked, this, &SpinArrows::stepDown);
}

} // namespace tav
