#include "support/control_places.h"

#include "ui/common/window_frame.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>
#include <QWidget>

namespace tav::test {

QList<QRect> controlPlaces(QWidget *window, const QStringList &names)
{
    for (int round = 0; round < 3; ++round)
        QCoreApplication::sendPostedEvents();
    QList<QRect> places{window->rect()};
    for (const QString &name : names) {
        const auto *control = window->findChild<QWidget *>(name);
        places.append(control ? QRect(control->mapTo(window, QPoint(0, 0)), control->size()) : QRect());
    }
    return places;
}

namespace {

// The width a control's text needs; 0 where it has none or wraps it.
int widthNeeded(const QWidget *control)
{
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->wordWrap() || label->text().isEmpty() ? 0 : label->sizeHint().width();
    if (qobject_cast<const QCheckBox *>(control) || qobject_cast<const QRadioButton *>(control))
        return control->minimumSizeHint().width();
    if (const auto *button = qobject_cast<const QAbstractButton *>(control)) {
        // A button's caption reads whole with a little room at its ends.
        const auto *tool = qobject_cast<const QToolButton *>(control);
        if (button->text().isEmpty() || (tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly))
            return 0;
        return button->fontMetrics().horizontalAdvance(QString(button->text()).remove(QLatin1Char('&'))) + 4;
    }
    return qobject_cast<const QAbstractSpinBox *>(control) ? control->sizeHint().width() : 0;
}

} // namespace

QStringList cutTexts(const QWidget *window)
{
    QStringList cut;
    if (window->width() < captionWidth(window))
        cut.append(QStringLiteral("caption"));
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        if (control->isVisibleTo(window) && control->width() < widthNeeded(control))
            cut.append(QStringLiteral("%1 (%2 of %3 pixels)")
                           .arg(control->objectName())
                           .arg(control->width())
                           .arg(widthNeeded(control)));
    }
    return cut;
}

} // namespace tav::test
