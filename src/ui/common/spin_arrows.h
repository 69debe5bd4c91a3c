#pragma once

#include <QWidget>

class QToolButton;

namespace tav {

// The two small arrow buttons of an up-down spinner, stacked. They repeat
// while held and never take the focus from the buddy text box.
class SpinArrows : public QWidget {
    Q_OBJECT
public:
    explicit SpinArrows(QWidget *parent = nullptr);

    QToolButton *upButton() const { return m_up; }
    QToolButton *downButton() const { return m_down; }

Q_SIGNALS:
    void stepUp();
    void stepDown();

private:
    QToolButton *m_up = nullptr;
    QToolButton *m_down = nullptr;
};

} // namespace tav
