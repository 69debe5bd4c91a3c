#include "apps/tavtool/text_form_commands.h"

#include "apps/tavtool/tool_command.h"
#include "core/app/recovery_copy.h"
#include "core/common/file_io.h"
#include "core/textform/surroundings.h"
#include "core/textform/text_form.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>

#include <cstdio>
#include <functional>
#include <optional>

namespace tav::tool {
namespace {

using textform::TextFormat;

const char kDumpHelp[] = "Usage: tavtool dump FILE\n"
                         "\n"
                         "Prints a game file as JSON on standard output: PLAYER.STS and TRAIN.STS,\n"
                         "unit files (.UNI), AUTOMAP.DAT, GOALS.DAT, DEF_PIDL.DAT, PEOPLE.DAT,\n"
                         "ITMNAMES.DAT, SLOTS.INI, SKILL.STS, MASTER.PAL, sprites (.SPR) and macros\n"
                         "(.cmd). The format is known from the end of the file's name (or a sprite's\n"
                         "header). Text is UTF-8 in the JSON and Windows-1252 in the file.\n"
                         "\n"
                         "The JSON holds \"format\", the file's fields under their names, and\n"
                         "\"normalised\": what the kit's writer would write differently from the file\n"
                         "as it stands (bare LF line ends, loose blanks, an incomplete last record,\n"
                         "other header bytes); empty for a file in the kit's own form. The item\n"
                         "names of a savegame's inventory are added when the game folder is found\n"
                         "above the file or the current folder.\n"
                         "\n"
                         "Options:\n"
                         "  -h, --help    this help\n"
                         "\n"
                         "Exit status: 0 when dumped, 1 when the file cannot be read or the readers\n"
                         "refuse it (the reason goes to stderr), 2 on a usage error or a file dump\n"
                         "does not know (VERSION.DAT, AUTOMAP.STS, MAP files, sounds, ...).";

const char kLoadHelp[] = "Usage: tavtool load [--force] FILE.json TARGET\n"
                         "\n"
                         "Writes the JSON of 'tavtool dump' back as the game file TARGET, through the\n"
                         "kit's own writer, in one step: a failed write leaves TARGET as it was.\n"
                         "Refused, with a message naming the field, and nothing written:\n"
                         "  - JSON that is not a dump (wrong types, missing or unknown fields, texts\n"
                         "    with line breaks or characters Windows-1252 cannot hold);\n"
                         "  - values the kit would read back otherwise (out of range, or following\n"
                         "    from other fields, such as a savegame's derived lines);\n"
                         "  - values 'tavtool check' calls an error in that file (rules about other\n"
                         "    files, such as a unit's sprite, are left to 'tavtool check');\n"
                         "  - a TARGET whose name is not of the dump's format, or whose base name is\n"
                         "    longer than the kit's 8 characters (units, macros, sprites).\n"
                         "The \"normalised\" list and shown-only members (item names, a macro's type\n"
                         "and info) are not read. FILE.json may also be a recovery copy of work the\n"
                         "kit had not saved (see the README); its \"document\" is written.\n"
                         "\n"
                         "Options:\n"
                         "  --force       replace an existing TARGET\n"
                         "  -h, --help    this help\n"
                         "\n"
                         "Exit status: 0 when written, 1 when refused or the write failed, 2 on a\n"
                         "usage error.";

const char kShowHelp[] = "Usage: tavtool show FILE\n"
                         "\n"
                         "Prints a game file as stable text, one field a line, for diffs: a sprite\n"
                         "as one line per pixel row with the indices in two hex digits, a savegame\n"
                         "as 'NNN name: value' (item names added when the current folder, or one\n"
                         "above it, is the game folder), every other file as its dump, one value a\n"
                         "line. The format is known from the end of the name, so the temporary\n"
                         "copies git hands a textconv (/tmp/ab12cd_PLAYER.STS) work:\n"
                         "\n"
                         "  git config diff.tav.textconv \"tavtool show\"\n"
                         "\n"
                         "Options:\n"
                         "  -h, --help    this help\n"
                         "\n"
                         "Exit status as for 'tavtool dump'.";

int failed(const QString &command, const QString &message)
{
    printErr(QStringLiteral("tavtool %1: %2").arg(command, message));
    return kExitFindings;
}

// Reads the file and finds its format; prints the reason and sets the exit
// status when one of them fails.
struct GameFile {
    QByteArray bytes;
    const TextFormat *format = nullptr;
    int exit = kExitClean;
};

GameFile openGameFile(const QString &command, const QString &path)
{
    GameFile file;
    if (QFileInfo(path).isDir()) {
        file.exit = failed(command, QStringLiteral("%1 is a folder, not a file").arg(path));
        return file;
    }
    const Result<QByteArray> bytes = readWholeFile(path);
    if (!bytes) {
        file.exit = failed(command, bytes.error());
        return file;
    }
    file.bytes = bytes.value();
    file.format = textform::formatOf(QFileInfo(path).fileName(), file.bytes);
    if (!file.format) {
        printErr(QStringLiteral("tavtool %2: %1 is not a file dump knows (it knows PLAYER.STS, TRAIN.STS, .UNI, "
                                "AUTOMAP.DAT, GOALS.DAT, DEF_PIDL.DAT, PEOPLE.DAT, ITMNAMES.DAT, SLOTS.INI, "
                                "SKILL.STS, MASTER.PAL, .SPR and .cmd files)")
                     .arg(path, command));
        file.exit = kExitUsage;
    }
    return file;
}

// The single FILE argument of dump and show, or the exit status of a usage error.
std::optional<QString> onePath(const QString &command, const QStringList &arguments, int *exit)
{
    QStringList paths;
    for (const QString &argument : arguments) {
        if (argument.startsWith(QLatin1Char('-')) && argument != QLatin1String("-")) {
            *exit = usageError(command, QStringLiteral("unknown option '%1'").arg(argument));
            return std::nullopt;
        }
        paths.append(argument);
    }
    if (paths.size() != 1) {
        *exit = usageError(command, QStringLiteral("give one FILE"));
        return std::nullopt;
    }
    return paths.first();
}

Result<QJsonObject> dumpOf(const GameFile &file, const textform::Surroundings &surroundings)
{
    return textform::dumpBytes(*file.format, file.bytes, surroundings);
}

} // namespace

namespace {

// The common start of dump and show: help, one FILE, its format and its
// dump; then `print` prints it. `surroundingsOf` finds the item names.
int runOnDump(const QString &command, const char *help, const QStringList &arguments,
              const std::function<textform::Surroundings(const QString &path)> &surroundingsOf,
              const std::function<void(const GameFile &file, const QJsonObject &dump)> &print)
{
    if (wantsHelp(arguments)) {
        printOut(QLatin1String(help));
        return kExitClean;
    }
    int exit = kExitUsage;
    const std::optional<QString> path = onePath(command, arguments, &exit);
    if (!path)
        return exit;
    const GameFile file = openGameFile(command, *path);
    if (!file.format)
        return file.exit;
    const Result<QJsonObject> dump = dumpOf(file, surroundingsOf(*path));
    if (!dump)
        return failed(command, QStringLiteral("%1 %2").arg(*path, dump.error()));
    print(file, dump.value());
    return kExitClean;
}

} // namespace

int runDump(const QStringList &arguments)
{
    return runOnDump(
        QStringLiteral("dump"), kDumpHelp, arguments,
        [](const QString &path) {
            textform::Surroundings surroundings = textform::surroundingsFrom(QFileInfo(path).absolutePath());
            if (!surroundings.itemNames)
                surroundings = textform::surroundingsFrom(QDir::currentPath());
            return surroundings;
        },
        [](const GameFile &, const QJsonObject &dump) {
            std::fputs(QJsonDocument(dump).toJson(QJsonDocument::Indented).constData(), stdout);
        });
}

int runShow(const QStringList &arguments)
{
    return runOnDump(
        QStringLiteral("show"), kShowHelp, arguments,
        [](const QString &) { return textform::surroundingsFrom(QDir::currentPath()); },
        [](const GameFile &file, const QJsonObject &dump) {
            printOut(file.format->showLines(dump).join(QLatin1Char('\n')));
        });
}

int runLoad(const QStringList &arguments)
{
    const QString command = QStringLiteral("load");
    if (wantsHelp(arguments)) {
        printOut(QLatin1String(kLoadHelp));
        return kExitClean;
    }
    bool force = false;
    QStringList paths;
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--force"))
            force = true;
        else if (argument.startsWith(QLatin1Char('-')) && argument != QLatin1String("-"))
            return usageError(command, QStringLiteral("unknown option '%1'").arg(argument));
        else
            paths.append(argument);
    }
    if (paths.size() != 2)
        return usageError(command, QStringLiteral("give FILE.json and TARGET"));
    const QString &jsonPath = paths[0];
    const QString &target = paths[1];
    if (!force && QFileInfo::exists(target))
        return failed(command, QStringLiteral("%1 exists already; give --force to replace it").arg(target));

    const Result<QByteArray> json = readWholeFile(jsonPath, textform::kLargestDump);
    if (!json)
        return failed(command, json.error());
    const Result<QJsonObject> dump = textform::parseDump(json.value());
    if (!dump)
        return failed(command, QStringLiteral("%1 %2").arg(jsonPath, dump.error()));
    const TextFormat *format = nullptr;
    const Result<QByteArray> bytes = textform::bytesFromDump(dumpOfCopy(dump.value()), &format);
    if (!bytes)
        return failed(command, QStringLiteral("%1: %2; nothing was written").arg(jsonPath, bytes.error()));

    const QFileInfo targetInfo(target);
    if (!format->matchesName(targetInfo.fileName()))
        return failed(command,
                      QStringLiteral("%1 is not named as a %2 file; nothing was written").arg(target, format->id()));
    const int longest = format->longestBaseName();
    if (longest > 0 && targetInfo.completeBaseName().size() > longest)
        return failed(command, QStringLiteral("the name %1 is longer than the %2 characters the kit gives a %3 "
                                              "file; nothing was written")
                                   .arg(targetInfo.completeBaseName())
                                   .arg(longest)
                                   .arg(format->id()));
    const QStringList errors = textform::checkerErrors(*format, bytes.value());
    if (!errors.isEmpty()) {
        for (const QString &error : errors)
            printErr(QStringLiteral("tavtool load: %1: error: %2").arg(jsonPath, error));
        return failed(command, QStringLiteral("the check finds %1 error(s) in that %2 file; nothing was written")
                                   .arg(errors.size())
                                   .arg(format->id()));
    }
    if (const Status written = writeFileAtomically(target, bytes.value()); !written)
        return failed(command, written.error());
    return kExitClean;
}

} // namespace tav::tool
