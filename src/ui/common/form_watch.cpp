#include "ui/common/form_watch.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QWidget>

namespace tav {

FormWatch::FormWatch(QWidget *window, std::function<void()> edited, std::function<void()> committed)
    : QObject(window)
    , m_window(window)
    , m_edited(std::move(edited))
    , m_committed(std::move(committed))
{
}

void FormWatch::watchControls(const QSet<QObject *> &except)
{
    for (QWidget *control : m_window->findChildren<QWidget *>()) {
        if (except.contains(control))
            continue;
        if (auto *box = qobject_cast<QLineEdit *>(control)) {
            if (except.contains(control->parent()))
                continue;
            connect(box, &QLineEdit::textChanged, this, [this] { changed(false); });
            connect(box, &QLineEdit::editingFinished, this, [this, box] {
                box->setModified(false);
                if (m_repainting > 0)
                    return;
                m_edited();
                m_committed();
            });
        } else if (auto *slider = qobject_cast<QAbstractSlider *>(control)) {
            connect(slider, &QAbstractSlider::valueChanged, this,
                    [this, slider] { changed(!slider->isSliderDown() && !typingInABox()); });
            connect(slider, &QAbstractSlider::sliderReleased, this, [this] { changed(true); });
        } else if (auto *radio = qobject_cast<QRadioButton *>(control)) {
            // The button turned off on the way is not a form of its own.
            connect(radio, &QAbstractButton::toggled, this, [this](bool on) {
                if (on)
                    changed(true);
            });
        } else if (auto *button = qobject_cast<QAbstractButton *>(control); button && button->isCheckable()) {
            connect(button, &QAbstractButton::toggled, this, [this] { changed(true); });
        } else if (auto *list = qobject_cast<QComboBox *>(control); list && !list->isEditable()) {
            connect(list, &QComboBox::currentIndexChanged, this, [this] { changed(true); });
        } else if (auto *entries = qobject_cast<QListWidget *>(control)) {
            connect(entries, &QListWidget::currentRowChanged, this, [this] { changed(true); });
        } else if (control->metaObject()->indexOfSignal("valueChanged(int)") >= 0) {
            // The kit's up-down spinners.
            connect(control, SIGNAL(valueChanged(int)), this, SLOT(spinnerChanged()));
        }
    }
}

void FormWatch::changed(bool complete)
{
    if (m_repainting > 0)
        return;
    m_edited();
    if (!complete || m_commitDue)
        return;
    m_commitDue = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_commitDue = false;
            m_committed();
        },
        Qt::QueuedConnection);
}

bool FormWatch::typingInABox() const
{
    const auto *box = qobject_cast<const QLineEdit *>(QApplication::focusWidget());
    return box && box->window() == m_window && box->isModified();
}

} // namespace tav
