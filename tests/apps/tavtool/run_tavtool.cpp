#include "run_tavtool.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <unistd.h>

namespace tav::test {

namespace {

ToolRun runProgram(const QString &program, const QStringList &arguments, const QString &workingFolder)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // tavtool must never need a display.
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(environment);
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    process.start(program, arguments);
    ToolRun run;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        run.err = QStringLiteral("tavtool did not finish");
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

} // namespace

ToolRun runTavtool(const QStringList &arguments, const QString &workingFolder)
{
    return runProgram(QStringLiteral(TAVTOOL_PATH), arguments, workingFolder);
}

ToolRun runTavtoolAsNobody(const QStringList &arguments)
{
    if (::geteuid() != 0)
        return runTavtool(arguments);
    return runProgram(QStringLiteral("setpriv"),
                      QStringList{"--reuid=nobody", "--regid=nogroup", "--clear-groups", QStringLiteral(TAVTOOL_PATH)} +
                          arguments,
                      QString());
}

} // namespace tav::test
