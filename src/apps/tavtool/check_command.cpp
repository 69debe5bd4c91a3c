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
    printOut(QStringLiteral("Usage: tavtool check [--strict] [--game-paths] [--format=text|json] [FOLDER]\n"
                            "\n"
                            "Checks the game folder FOLDER (default: the current folder) the way the game,\n"
                            "the sprite saver and the kit read it, and prints one line per finding, in the\n"
                            "form compilers use, so editors and their error lists jump to it:\n"
                            "\n"
                            "  GAMEDATA/UNITS/ORC.UNI:5: error: afraid-of code 3 is not one of 0, 2, 4, 5, 6, 8\n"
                            "  GAMEDATA/MASTER.PAL:5: error: '17,abc,17' holds something that is not a number ...\n"
                            "  GAMEDATA/MASTER.PAL:5: note: each line is three numbers 0-63 separated by commas\n"
                            "\n"
                            "Each finding starts with the file's path as the shell sees it, in the letter\n"
                            "case on disk: relative to the current folder when FOLDER is relative or left\n"
                            "out, absolute when FOLDER is absolute. The line number is there when one line\n"
                            "is at fault; a 'note:' line follows where a finding has one obvious fix.\n"
                            "'error' is what the game or the kit would read wrongly or not at all;\n"
                            "'warning' is what reads but is probably a mistake. Control characters in names\n"
                            "are written as \\xNN. A folder that cannot be read is one error ('cannot be\n"
                            "read: permission denied'); nothing more is said about what it holds. Of one\n"
                            "code in one file, 100 findings are listed and the rest counted on one line,\n"
                            "'PATH: note: 4900 more macro-unknown-command findings not shown'. A last line\n"
                            "sums up, counting every finding. Nothing is ever written.\n"
                            "\n"
                            "Options:\n"
                            "  --strict         warnings fail the check too\n"
                            "  --game-paths     name files as the game writes them (GAMEDATA\\UNITS\\ORC.UNI)\n"
                            "  --format=json    print the findings as one JSON array of objects with path\n"
                            "                   (as the shell sees it), file (as the game writes it), line\n"
                            "                   (null for a whole file), severity, code, message and note;\n"
                            "                   each macro is listed too (severity \"info\", code\n"
                            "                   \"macro-type\") with its type and info comment; the\n"
                            "                   findings past the listed 100 of a code are one object\n"
                            "                   with severity \"note\", the code, a message and \"count\"\n"
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
    bool gamePaths = false;
    QStringList folders;
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--strict"))
            strict = true;
        else if (argument == QLatin1String("--game-paths"))
            gamePaths = true;
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
    const check::FindingPaths paths(folders.value(0), gamePaths);
    if (json) {
        std::fputs(check::reportJson(report, paths).constData(), stdout);
    } else {
        for (const QString &line : check::reportLines(report, paths))
            printOut(line);
        printOut(check::summaryLine(report));
    }
    const bool failed =
        report.count(check::Severity::Error) > 0 || (strict && report.count(check::Severity::Warning) > 0);
    return failed ? kExitFindings : kExitClean;
}

} // namespace tav::tool
