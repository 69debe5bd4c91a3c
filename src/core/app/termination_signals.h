#pragma once

#include <QObject>

class QSocketNotifier;

namespace tav {

// SIGTERM (a logout or shutdown), SIGHUP and SIGINT reach the event loop as
// a signal of this object: the handler only writes the signal's number into
// a pipe, and a socket notifier reads it between two events, so work under
// way finishes first. One instance at a time.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

    bool isInstalled() const { return m_notifier != nullptr; }

Q_SIGNALS:
    void received(int signalNumber);

private:
    void readPipe();

    QSocketNotifier *m_notifier = nullptr;
};

} // namespace tav
