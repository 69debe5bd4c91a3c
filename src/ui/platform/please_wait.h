#pragma once

#include <QPointer>
#include <QWidget>

namespace tav::platform {

// `Form5`, the "Please wait..." window that long operations put up.
class Form5 : public QWidget {
    Q_OBJECT
public:
    explicit Form5(QWidget *parent = nullptr);
};

// Shows `Form5` for the lifetime of the scope: the caller's window is
// disabled, the box is shown centred on the screen, pending window events run
// once (unless the caller says not to), and at the end the box closes and
// the caller is enabled again.
class PleaseWait {
public:
    explicit PleaseWait(QWidget *caller, bool processEventsOnce = true);
    ~PleaseWait();
    PleaseWait(const PleaseWait &) = delete;
    PleaseWait &operator=(const PleaseWait &) = delete;

    // The box while it is shown (for tests), nullptr otherwise.
    static Form5 *current();
    // How many times the box has been shown since the program started.
    static int timesShown();

private:
    QPointer<QWidget> m_caller;
};

} // namespace tav::platform
