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

// The window's visible controls that are narrower than their text needs
// (labels that do not wrap, buttons with a caption, spin boxes), by object
// name, and "caption" when the window is narrower than its caption needs.
QStringList cutTexts(const QWidget *window);

} // namespace tav::test
