#pragma once

#include <QString>
#include <QStringList>

namespace tav::test {

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the built tavtool in workingFolder and waits for it (30 s at most).
ToolRun runTavtool(const QStringList &arguments, const QString &workingFolder = QString());

// The same as the user nobody when the tests run as root (which reads
// every file), as the user running the tests otherwise.
ToolRun runTavtoolAsNobody(const QStringList &arguments);

} // namespace tav::test
