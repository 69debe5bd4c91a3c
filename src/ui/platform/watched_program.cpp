#include "ui/platform/watched_program.h"

#include <QProcess>

namespace tav::platform {
namespace {

class ProcessProgram final : public WatchedProgram {
public:
    ProcessProgram(const GameFolder &folder, const QString &program, const QStringList &arguments, QObject *owner)
        : WatchedProgram(owner)
        , m_process(new QProcess(this))
    {
        m_process->setProgram(program);
        m_process->setArguments(arguments);
        m_process->setWorkingDirectory(folder.root());
        m_process->setStandardOutputFile(QProcess::nullDevice());
        connect(m_process, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
            const QString errors = QString::fromLocal8Bit(m_process->readAllStandardError()).trimmed();
            if (status == QProcess::NormalExit)
                end(code, errors);
            else
                end(-1, errors.isEmpty() ? QStringLiteral("%1 stopped before it was done.").arg(name()) : errors);
        });
        connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
            if (error != QProcess::FailedToStart)
                return;
            // This may come from within start(), before anyone listens.
            m_startFailure = QStringLiteral("%1 could not be started: %2").arg(name(), m_process->errorString());
            QMetaObject::invokeMethod(this, [this] { end(-1, m_startFailure); }, Qt::QueuedConnection);
        });
        m_process->start();
    }

    bool isRunning() const override { return !m_ended; }

    bool waitForEnd(int msecs) override
    {
        if (!m_ended && m_startFailure.isEmpty())
            m_process->waitForFinished(msecs);
        if (!m_startFailure.isEmpty())
            end(-1, m_startFailure);
        return m_ended;
    }

private:
    QString name() const { return m_process->program().section(QLatin1Char('/'), -1); }

    void end(int exitCode, const QString &errors)
    {
        if (m_ended)
            return;
        m_ended = true;
        Q_EMIT ended(exitCode, errors);
    }

    QProcess *m_process;
    QString m_startFailure;
    bool m_ended = false;
};

} // namespace

WatchedProgram *startWatchedProcess(const GameFolder &folder, const QString &program, const QStringList &arguments,
                                    QObject *owner)
{
    return new ProcessProgram(folder, program, arguments, owner);
}

} // namespace tav::platform
