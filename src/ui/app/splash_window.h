#pragma once

#include <QWidget>

class QProgressBar;
class QTimer;

namespace tav {

class ToolWindows;

// `Form18`, the splash window: preloads the tool windows, then shows the
// launch window in the bottom-right corner and closes itself.
class Form18 : public QWidget {
    Q_OBJECT
public:
    explicit Form18(ToolWindows &windows, QWidget *parent = nullptr);

    // Runs once, 100 ms after the splash is shown.
    void Timer1_Timer();

Q_SIGNALS:
    void startupFinished();

private:
    ToolWindows &m_windows;
    QProgressBar *m_lod = nullptr;
    QTimer *m_timer = nullptr;
};

} // namespace tav
