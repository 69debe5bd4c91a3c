#pragma once

#include "core/enemy/unit_codes.h"

#include <QWidget>

class QLineEdit;

namespace tav {

// An up-down spinner bound to a buddy text box. The buddy always shows the
// value; in an editable buddy the typed number is the value, kept within the
// range.
class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(QLineEdit *buddy, enemy::ValueRange range, int initial, QWidget *parent = nullptr);

    int value() const;
    void setValue(int value);
    void stepBy(int steps);
    enemy::ValueRange range() const { return m_range; }

Q_SIGNALS:
    void valueChanged(int value);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *m_buddy;
    enemy::ValueRange m_range;
};

} // namespace tav
