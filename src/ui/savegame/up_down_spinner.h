#pragma once

#include <QWidget>

class QLineEdit;

namespace tav {

// An up-down spinner: two small arrow buttons that step a whole number
// between a minimum and a maximum. A buddy text box, when set, shows the
// value whenever it changes.
class UpDownSpinner : public QWidget {
    Q_OBJECT
public:
    explicit UpDownSpinner(QWidget *parent = nullptr);

    int value() const { return m_value; }
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }

    // Refuses (returns false, changes nothing) a value outside the range.
    bool setValue(int value);
    // Narrows the value into the new range when needed.
    void setRange(int minimum, int maximum);
    void setBuddy(QLineEdit *buddy) { m_buddy = buddy; }

    void stepUp();
    void stepDown();

Q_SIGNALS:
    void valueChanged(int value);

private:
    int m_value = 0;
    int m_minimum = 0;
    int m_maximum = 10;
    QLineEdit *m_buddy = nullptr;
};

} // namespace tav
