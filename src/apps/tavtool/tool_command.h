#pragma once

#include <QString>
#include <QStringList>

namespace tav::tool {

// Exit statuses shared by every subcommand.
enum ExitCode : int {
    kExitClean = 0,    // nothing found, or the work was done
    kExitFindings = 1, // findings (or a failure of the work itself)
    kExitUsage = 2,    // a usage error, or the folder is not a game folder
};

// One subcommand: `tavtool NAME ARGS...`. run() gets the arguments after the
// subcommand's name and returns an ExitCode.
struct ToolCommand {
    const char *name;
    const char *summary;
    int (*run)(const QStringList &arguments);
};

// Findings and results go to stdout, errors and usage to stderr.
void printOut(const QString &text);
void printErr(const QString &text);

// Prints "tavtool COMMAND: MESSAGE" and a hint to --help on stderr; returns kExitUsage.
int usageError(const QString &command, const QString &message);

// True when the arguments ask for help (-h or --help).
bool wantsHelp(const QStringList &arguments);

} // namespace tav::tool
