#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QHBoxLayout;
class QLineEdit;
class QWidget;

namespace tav {

class UpDownSpinner;

// A number text box with its up-down spinner (0 to an upper bound), kept in
// step: the spinner shows its value in the box, and a typed value is
// corrected into the range and passed to the spinner. Every value the
// spinner takes goes to `apply`.
class SpinnerField : public QObject {
    Q_OBJECT
public:
    SpinnerField(QWidget *parent, const QString &textName, const QString &spinnerName, int maximum,
                 std::function<void(int)> apply);

    QLineEdit *text() const { return m_text; }
    UpDownSpinner *spinner() const { return m_spinner; }

    // A new row holding the text box and the spinner side by side.
    QHBoxLayout *makeRow() const;

    // Shows a value without passing it back to `apply`.
    void show(int value);

private:
    void textChanged();

    QLineEdit *m_text = nullptr;
    UpDownSpinner *m_spinner = nullptr;
    int m_maximum = 0;
    std::function<void(int)> m_apply;
};

} // namespace tav
