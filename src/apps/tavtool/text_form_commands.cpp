#include "apps/tavtool/text_form_commands.h"

#include "apps/tavtool/tool_command.h"
#include "core/app/recovery_copy.h"
#include "core/common/file_io.h"
#include "core/common/game_folder.h"
#include "core/common/write_place.h"
#include "core/textform/raw_form.h"
#include "core/textform/surroundings.h"
#include "core/textform/text_form.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>

#include <cstdio>
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
                         "\"normalised\": what one save of the kit writes differently from the file\n"
                         "as it stands (bare LF line ends, a lone CR that ends a macro line as the\n"
                         "macro editor takes it, loose blanks, an incomplete last record, other\n"
                         "header bytes); empty for a file in the kit's own form. The item\n"
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
                         "    longer than the kit's 8 characters (units, macros, sprites);\n"
                         "  - a TARGET in a game folder that a link leads out of it, even with\n"
                         "    --force (the message names the link and where it leads);\n"
                         "  - without --force, a TARGET that exists, a link that leads nowhere too.\n"
                         "TARGET is found as the kit finds files, without regard to letter case: for\n"
                         "warden.uni beside WARDEN.UNI, WARDEN.UNI is written. A replaced file keeps\n"
                         "its mode, and its owner when run as root. The \"normalised\" list and\n"
                         "shown-only members (item names, a macro's type and info) are not read.\n"
                         "FILE.json may also be a recovery copy of work the kit had not saved (see\n"
                         "the README); its \"document\" is written.\n"
                         "\n"
                         "Options:\n"
                         "  --force       replace an existing TARGET; a link standing there is\n"
                         "                replaced by the file, never written through\n"
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
                         "So that a diff never stops at one file, a file the readers refuse is shown\n"
                         "as '# damaged: REASON' and a file of no format show knows as '# not a known\n"
                         "game file', each followed by its lines as they are (control characters as\n"
                         "\\xNN) or, for a sprite or another binary file, 16 bytes a line in hex.\n"
                         "\n"
                         "Options:\n"
                         "  -h, --help    this help\n"
                         "\n"
                         "Exit status: 0 when the file was shown (damaged and unknown files too), 1\n"
                         "when FILE does not exist or is a folder, 2 on a usage error.";

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

// Where load writes a TARGET as typed: the file the kit would read under that
// name, its parts matched without regard to letter case as the game's file
// system does, so an existing WARDEN.UNI is written for warden.uni.
QString targetOnDisk(const QString &target)
{
    const QString path = QFileInfo(target).absoluteFilePath();
    const QString gameFolder = gameFolderAround(path);
    const GameFolder folder(gameFolder.isEmpty() ? QFileInfo(path).path() : gameFolder);
    return folder.resolve(QDir(folder.root()).relativeFilePath(path));
}

// Why load may not write TARGET: a link on its way out of the game folder it
// lies in (even with --force), or, without --force, anything standing at its
// name, a link that leads nowhere too.
std::optional<QString> targetRefusal(const QString &target, const QString &onDisk, bool force)
{
    if (const Status inside = staysInside(onDisk); !inside)
        return inside.error();
    if (force || !entryExists(onDisk))
        return std::nullopt;
    const QFileInfo info(onDisk);
    const QString link = info.isSymLink() ? QStringLiteral(" (a link to %1)").arg(info.symLinkTarget()) : QString();
    return QStringLiteral("%1 exists already%2; give --force to replace it").arg(target, link);
}

// The single FILE argument of dump and show; nothing, with the exit status,
// after the help or a usage error.
std::optional<QString> onePath(const QString &command, const char *help, const QStringList &arguments, int *exit)
{
    if (wantsHelp(arguments)) {
        printOut(QLatin1String(help));
        *exit = kExitClean;
        return std::nullopt;
    }
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

} // namespace

int runDump(const QStringList &arguments)
{
    const QString command = QStringLiteral("dump");
    int exit = kExitUsage;
    const std::optional<QString> path = onePath(command, kDumpHelp, arguments, &exit);
    if (!path)
        return exit;
    const GameFile file = openGameFile(command, *path);
    if (!file.format)
        return file.exit;
    textform::Surroundings surroundings = textform::surroundingsFrom(QFileInfo(*path).absolutePath());
    if (!surroundings.itemNames)
        surroundings = textform::surroundingsFrom(QDir::currentPath());
    const Result<QJsonObject> dump = textform::dumpBytes(*file.format, file.bytes, surroundings);
    if (!dump)
        return failed(command, QStringLiteral("%1 %2").arg(*path, dump.error()));
    std::fputs(QJsonDocument(dump.value()).toJson(QJsonDocument::Indented).constData(), stdout);
    return kExitClean;
}

int runShow(const QStringList &arguments)
{
    const QString command = QStringLiteral("show");
    int exit = kExitUsage;
    const std::optional<QString> path = onePath(command, kShowHelp, arguments, &exit);
    if (!path)
        return exit;
    const QFileInfo info(*path);
    if (info.isDir() || !info.exists())
        return failed(command, info.isDir() ? QStringLiteral("%1 is a folder, not a file").arg(*path)
                                            : QStringLiteral("%1 does not exist").arg(*path));
    // From here on show prints what it can and ends with 0, so a diff that
    // runs it (git's textconv) goes on to show this file and the next.
    const Result<QByteArray> bytes = readWholeFile(*path);
    if (!bytes) {
        printOut(QStringLiteral("# damaged: ") + bytes.error());
        return kExitClean;
    }
    const TextFormat *format = textform::formatOf(info.fileName(), bytes.value());
    const Result<QJsonObject> dump =
        format ? textform::dumpBytes(*format, bytes.value(), textform::surroundingsFrom(QDir::currentPath()))
               : Result<QJsonObject>::failure(QString());
    QStringList lines;
    if (dump)
        lines = format->showLines(dump.value());
    else
        lines = QStringList{format ? QStringLiteral("# damaged: ") + dump.error()
                                   : QStringLiteral("# not a known game file")} +
                textform::rawShowLines(bytes.value(), format);
    printOut(lines.join(QLatin1Char('\n')));
    return kExitClean;
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
    const QString onDisk = targetOnDisk(target);
    if (const std::optional<QString> refusal = targetRefusal(target, onDisk, force))
        return failed(command, *refusal);

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
        return failed(
            command,
            QStringLiteral("the check finds the errors above in that %1 file; nothing was written").arg(format->id()));
    }
    // With --force a link at the target is replaced by the file, not followed.
    if (const Status written = writeFileAtomically(onDisk, bytes.value(), LinkAtTarget::Replace); !written)
        return failed(command, written.error());
    return kExitClean;
}

} // namespace tav::tool
