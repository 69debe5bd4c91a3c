#pragma once

#include <QList>
#include <QRect>
#include <QStringList>

class QWidget;

namespace tav::test {

// The window's size and the places of its named controls (relative to the
// window), once its layouts have taken in every change: a control hidden or
// shown reaches the window's layout only in a second round of events.
QList<QRect> controlPlaces(QWidget *window, const QStringList &names);

} // namespace tav::test
