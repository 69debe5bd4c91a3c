#pragma once

#include <QString>

class QGroupBox;
class QLabel;
class QSlider;
class QWidget;

namespace tav {

// Small builders shared by the SaveGame editor's pages.
QSlider *namedSlider(const QString &name, int minimum, int maximum, QWidget *parent);
QLabel *plainLabel(const QString &text, QWidget *parent);
QGroupBox *frame(const QString &caption, QWidget *parent);

} // namespace tav
