// The animation viewer's speed and "magnify" controls.
#include "ui/sprite/scrapboard_window.h"

#include "core/sprite/animation_speed.h"
#include "core/sprite/scrapboard.h"
#include "ui/common/window_frame.h"
#include "ui/sprite/magnified_viewer.h"
#include "ui/sprite/picture_box.h"
#include "ui/sprite/sprite_icons.h"

#include <QLabel>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

namespace tav {

void Form14::buildViewerControls(int inside, int width)
{
    // The frame count and the speed share the panel's last line, in the
    // panel's small print and out to its edges: the speed box as wide as its
    // longest text needs, the count in the rest.
    m_framesUsed->setFont(m_label2->font());
    m_framesUsed->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_speed = new QSpinBox(m_picture4);
    m_speed->setObjectName(QStringLiteral("Speed"));
    m_speed->setRange(AnimationSpeed::kSlowest, AnimationSpeed::kFastest);
    m_speed->setValue(AnimationSpeed::kStart);
    m_speed->setSuffix(QStringLiteral(" fps"));
    m_speed->setToolTip(QStringLiteral("animation speed in frames per second"));
    m_speed->setFont(m_label2->font());
    m_speed->setCursor(Qt::ArrowCursor);
    const int speedWidth = m_speed->sizeHint().width();
    const int right = kViewerFoldedOut - 2;
    m_speed->setGeometry(right - speedWidth, 164, speedWidth, 22);
    m_framesUsed->setGeometry(inside - 2, 166, right - speedWidth - inside + 2, 20);
    connect(m_speed, &QSpinBox::valueChanged, this, &Form14::setAnimationSpeed);

    m_magnify = new QToolButton(m_picture4);
    m_magnify->setObjectName(QStringLiteral("Magnify"));
    // The caption goes with the icon's tooltip: the panel has room for the
    // icon only beside the preview.
    m_magnify->setText(QStringLiteral("magnify"));
    m_magnify->setIcon(magnifyIcon());
    m_magnify->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_magnify->setToolTip(QStringLiteral("magnify: play the animation in a window of its own at twice this size"));
    m_magnify->setCheckable(true);
    m_magnify->setAutoRaise(true);
    m_magnify->setFocusPolicy(Qt::NoFocus);
    m_magnify->setCursor(Qt::ArrowCursor);
    const int left = m_preview->geometry().right() + 1;
    const int side = kViewerFoldedOut - left - 1;
    m_magnify->setIconSize(QSize(side - 4, side - 4));
    m_magnify->setGeometry(left, 8, side, side + 2);
    connect(m_magnify, &QToolButton::toggled, this, &Form14::setMagnified);
}

void Form14::setAnimationSpeed(int framesPerSecond)
{
    m_anim->setInterval(AnimationSpeed::interval(framesPerSecond));
    if (m_speed->value() != framesPerSecond)
        m_speed->setValue(framesPerSecond);
}

void Form14::setMagnified(bool magnified)
{
    if (m_magnify->isChecked() != magnified)
        m_magnify->setChecked(magnified);
    if (magnified && !m_magnified) {
        m_magnified = new MagnifiedViewer([this] { return m_preview->picture(); }, this);
        connect(m_magnified, &MagnifiedViewer::closed, this, [this] { m_magnify->setChecked(false); });
    }
    showMagnified();
}

void Form14::showMagnified()
{
    if (!m_magnified || !m_magnify)
        return;
    // The window plays while the viewer does.
    const bool shown = m_magnify->isChecked() && m_viewerOut && isVisible();
    if (shown && !m_magnified->isVisible()) {
        // Nearest the place under the scrapboard's right end where it
        // covers least, off the sprite canvas.
        const QRect frame = frameGeometry();
        placeNewWindow(m_magnified, QPoint(frame.right() - m_magnified->width(), frame.bottom() + kWindowGap));
        m_magnified->show();
    } else if (!shown && m_magnified->isVisible()) {
        m_magnified->hide();
    }
}

} // namespace tav
