#include "apps/tavtool/check_command.h"

#include "apps/tavtool/tool_command.h"
#include "core/check/game_check.h"
#include "core/common/game_folder.h"
#include "core/check/report_format.h"

#include <QDir>

#include <cstdio>

namespace tav::tool {
namespace {

const QString kName = QStringLiteral("check");

void printCheckHelp()
{
    printOut(QStringLiteral("Usage: tavtool check [--strict] [--format=text|json] [FOLDER]\n"
                            "\n"
                            "Checks the game folder FOLDER (default: the current folder) the way the game,\n"
                            "the sprite saver and the kit read it, and prints one line per finding:\n"
                            "\n"
                            "  GAMEDATA\\UNITS\\ORC.UNI:5: error: afraid-of code 3 is not one of 0, 2, 4, 5, 6, 8\n"
                            "\n"
                            "Paths are written as the game writes them; the line number is there when one\n"
                            "line is at fault. 'error' is what the game or the kit would read wrongly or\n"
                            "not at all; 'warning' is what reads but is probably a mistake. A last line\n"
                            "sums up. Nothing is ever written.\n"
                            "\n"
                            "Options:\n"
                            "  --strict         warnings fail the check too\n"
                            "  --format=json    print the findings as one JSON array of objects with file,\n"
                            "                   line, severity, code and message; each macro is listed\n"
                            "                   too (severity \"info\", code \"macro-type\") with its type\n"
                            "                   and info comment\n"
                            "  --format=text    one line per finding and a summary (the default)\n"
                            "  -h, --help       this help\n"
                            "\n"
                            "Exit status: 0 without errors, 1 with errors (or warnings under --strict),\n"
                            "2 on a usage error or when FOLDER is not a game folder (no GAMEDATA)."));
}

} // namespace

int runCheck(const QStringList &arguments)
{
    if (wantsHelp(arguments)) {
        printCheckHelp();
        return kExitClean;
    }
    bool strict = false;
    bool json = false;
    QStringList folders;
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--strict"))
            strict = true;
        else if (argument == QLatin1String("--format=json") || argument == QLatin1String("--format=text"))
            json = argument.endsWith(QLatin1String("json"));
        else if (argument.startsWith(QLatin1Char('-')))
            return usageError(kName, QStringLiteral("unknown option '%1'").arg(argument));
        else
            folders.append(argument);
    }
    if (folders.size() > 1)
        return usageError(kName, QStringLiteral("one folder at most, not %1").arg(folders.size()));
    const QString folder = folders.value(0, QStringLiteral("."));
    if (!holdsGameData(folder)) {
        printErr(QStringLiteral("tavtool check: %1 is not a game folder (it holds no GAMEDATA)")
                     .arg(QDir::toNativeSeparators(folder)));
        return kExitUsage;
    }

    const check::CheckReport report = check::checkGameFolder(folder);
    if (json) {
        std::fputs(check::reportJson(report).constData(), stdout);
    } else {
        for (const check::Finding &finding : report.findings)
            printOut(check::findingLine(finding));
        printOut(check::summaryLine(report));
    }
    const bool failed =
        report.count(check::Severity::Error) > 0 || (strict && report.count(check::Severity::Warning) > 0);
    return failed ? kExitFindings : kExitClean;
}

} // namespace tav::tool
