#include "ui/sprite/onion_skin_controls.h"

#include "core/sprite/onion_skin.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QSpinBox>

namespace tav {

QWidget *onionSkinControls(OnionSkin &skin, QWidget *parent)
{
    auto *box = new QWidget(parent);
    auto *layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *toggle = new QCheckBox(QStringLiteral("onion skin"), box);
    toggle->setObjectName(QStringLiteral("OnionSkin"));
    toggle->setToolTip(QStringLiteral("show a scrapboard frame faintly under the empty cells"));
    toggle->setFocusPolicy(Qt::NoFocus);
    toggle->setChecked(skin.isShown());
    auto *frame = new QSpinBox(box);
    frame->setObjectName(QStringLiteral("OnionFrame"));
    frame->setToolTip(QStringLiteral("the scrapboard frame shown under the canvas"));
    frame->setRange(OnionSkin::kFirstFrame, OnionSkin::kLastFrame);
    frame->setValue(skin.frame());
    frame->setPrefix(QStringLiteral("#"));
    // Its arrows and wheel change it; keys stay with keyboard drawing.
    frame->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(toggle);
    layout->addWidget(frame);

    QObject::connect(toggle, &QCheckBox::toggled, &skin, &OnionSkin::setShown);
    QObject::connect(frame, &QSpinBox::valueChanged, &skin, &OnionSkin::setFrame);
    QObject::connect(&skin, &OnionSkin::changed, frame, [&skin, frame, toggle] {
        frame->setValue(skin.frame());
        toggle->setChecked(skin.isShown());
    });
    return box;
}

} // namespace tav
