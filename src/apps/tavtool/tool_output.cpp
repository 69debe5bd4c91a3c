#include "apps/tavtool/tool_command.h"

#include <cstdio>

namespace tav::tool {

void printOut(const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stdout);
    std::fputc('\n', stdout);
}

void printErr(const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
}

int usageError(const QString &command, const QString &message)
{
    const QString prefix = command.isEmpty() ? QStringLiteral("tavtool") : QStringLiteral("tavtool ") + command;
    printErr(QStringLiteral("%1: %2").arg(prefix, message));
    printErr(QStringLiteral("Try '%1 --help'.").arg(prefix));
    return kExitUsage;
}

bool wantsHelp(const QStringList &arguments)
{
    return arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"));
}

} // namespace tav::tool
