#include "support/control_places.h"

#include <QCoreApplication>
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

} // namespace tav::test
