#include "apps/tavtool/indexed_folder.h"
#include "apps/tavtool/refs_command.h"
#include "apps/tavtool/tool_command.h"
#include "core/refs/rename_plan.h"
#include "core/refs/renumber_plan.h"

#include <algorithm>

namespace tav::tool {
namespace {

using namespace tav::refs;

const char kRenameHelp[] = "Usage: tavtool rename [--dry-run] KIND OLD NEW [FOLDER]\n"
                           "\n"
                           "Renames a sprite, a unit or a sound of the game folder FOLDER (default: the\n"
                           "current folder): its files and every use of its name (see 'tavtool refs').\n"
                           "  sprite  every OLD + U or Z + digits + .SPR of GRAFIK\\UNITS and GRAFIK\\BOSS\n"
                           "          (BOGLU1.SPR, BOGLZ1.SPR; BOGLAU1.SPR belongs to BOGLA) and line 2 of\n"
                           "          the units; NEW leaves room for the files' endings within 8 characters\n"
                           "  unit    GAMEDATA\\UNITS\\OLD.UNI and macro KIL\n"
                           "  sound   SOUNDS\\OLD.wav, DEF_PIDL.DAT and macro WAV and POS s\n"
                           "Sprite and unit names are written in upper case; a sound keeps NEW's letters\n"
                           "(DEF_PIDL.DAT holds it in upper case). In every file only the bytes of the\n"
                           "name change, so renaming back restores every byte. Each changed file is\n"
                           "printed with what changes, then a summary.\n"
                           "\n"
                           "All or nothing: the new contents are written to temporary files first, then\n"
                           "they replace the files and the files are renamed. A failure (a read-only\n"
                           "file, a full disk, a file changed meanwhile) puts back what was done and\n"
                           "names the file and why. A process killed while the files are replaced or\n"
                           "renamed can leave part of the work done: the same rename again does the rest.\n"
                           "Refused, with the reason: a NEW the kit would refuse (too long, characters a\n"
                           "file name cannot hold, the same name in other letters), and a file of the NEW\n"
                           "name while the OLD file of the same ending is there too. MAP files are not\n"
                           "searched.\n"
                           "\n"
                           "Options:\n"
                           "  --dry-run   print what would change and write nothing\n"
                           "  -h, --help  this help\n"
                           "\n"
                           "Exit status: 0 when renamed (or, with --dry-run, when it could be), 1 when\n"
                           "it is refused or fails, 2 on a usage error or when FOLDER is not a game\n"
                           "folder.";

const char kRenumberHelp[] = "Usage: tavtool renumber [--dry-run] goal|item FROM TO [FOLDER]\n"
                             "\n"
                             "Moves goal or item FROM of the game folder FOLDER (default: the current\n"
                             "folder) to number TO: its line in GAMEDATA\\GOALS.DAT (goals from 0) or its\n"
                             "pair of lines in GAMEDATA\\ITMNAMES.DAT (items from 1) moves, the ones\n"
                             "between shift by one, and every use of a number that changes is rewritten:\n"
                             "PLAYER.STS and TRAIN.STS of every data set, macros (XXX; ITM +, -, !, ? and\n"
                             "BUB) and ITMNAMES.DAT's number lines. Only the digits change. Each changed\n"
                             "file is printed with what changes, then a summary.\n"
                             "\n"
                             "All or nothing, as 'tavtool rename': a failure leaves every file as it was\n"
                             "and names the file and why. MAP files are not searched.\n"
                             "\n"
                             "Options:\n"
                             "  --dry-run   print what would change and write nothing\n"
                             "  -h, --help  this help\n"
                             "\n"
                             "Exit status: 0 when done (or, with --dry-run, when it could be), 1 when it\n"
                             "is refused or fails, 2 on a usage error or when FOLDER is not a game folder.";

// Prints the plan and makes it, unless it is a dry run.
int carryOut(const QString &command, const IndexedFolder &game, const Result<ChangePlan> &plan, bool dryRun)
{
    if (!plan) {
        printErr(QStringLiteral("tavtool %1: %2").arg(command, plan.error()));
        return kExitFindings;
    }
    for (const FileChange &change : plan->changes)
        for (const ChangeNote &note : change.notes)
            printOut(game.line(change.file, note.line, "note", note.text));
    for (const Use &use : plan->left)
        printOut(game.line(use.file, use.reference.line, "warning",
                           QStringLiteral("%1 stays: it %2").arg(use.reference.text(), plan->leftBecause)));
    const qsizetype files = plan->changes.size();
    const QString count = QStringLiteral("%1 file%2").arg(files).arg(files == 1 ? "" : "s");
    if (dryRun) {
        printOut(
            QStringLiteral("%1: %2 would change (dry run: nothing written); %3").arg(plan->title, count, kNotSearched));
        return kExitClean;
    }
    if (const Status done = applyPlan(game.folder, plan.value()); !done) {
        printErr(QStringLiteral("tavtool %1: %2").arg(command, done.error()));
        return kExitFindings;
    }
    printOut(QStringLiteral("%1: %2 changed; %3").arg(plan->title, count, kNotSearched));
    return kExitClean;
}

// The arguments of rename and renumber with their KIND.
struct ChangeArguments {
    QStringList positional;
    ReferenceKind kind;
    bool dryRun;
};

// Nothing, with `exit` set, when help was asked for or on a usage error.
std::optional<ChangeArguments> changeArguments(const QString &name, const char *help, const QStringList &arguments,
                                               std::initializer_list<ReferenceKind> kinds, const char *kindsText,
                                               int &exit)
{
    exit = kExitUsage;
    if (wantsHelp(arguments)) {
        printOut(QLatin1String(help));
        exit = kExitClean;
        return std::nullopt;
    }
    const auto args = UsesArguments::parse(name, arguments, {"--dry-run"}, 3);
    if (!args)
        return std::nullopt;
    const std::optional<ReferenceKind> kind = parseKind(args->positional[0]);
    if (!kind || std::find(kinds.begin(), kinds.end(), *kind) == kinds.end()) {
        usageError(name, QStringLiteral("KIND is %1, not '%2'").arg(QLatin1String(kindsText), args->positional[0]));
        return std::nullopt;
    }
    return ChangeArguments{args->positional, *kind, args->has("--dry-run")};
}

std::optional<int> number(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= 0 ? std::optional(value) : std::nullopt;
}

} // namespace

int runRename(const QStringList &arguments)
{
    const QString name = QStringLiteral("rename");
    int exit = kExitClean;
    const auto args = changeArguments(name, kRenameHelp, arguments,
                                      {ReferenceKind::Sprite, ReferenceKind::Unit, ReferenceKind::Sound},
                                      "sprite, unit or sound", exit);
    if (!args)
        return exit;
    const QStringList &values = args->positional;
    const std::optional<IndexedFolder> game = IndexedFolder::read(name, values.value(3), false);
    if (!game)
        return kExitUsage;
    return carryOut(name, *game, planRename(game->folder, game->index, args->kind, values[1], values[2]), args->dryRun);
}

int runRenumber(const QStringList &arguments)
{
    const QString name = QStringLiteral("renumber");
    int exit = kExitClean;
    const auto args = changeArguments(name, kRenumberHelp, arguments, {ReferenceKind::Goal, ReferenceKind::Item},
                                      "goal or item", exit);
    if (!args)
        return exit;
    const QStringList &values = args->positional;
    const std::optional<int> from = number(values[1]);
    const std::optional<int> to = number(values[2]);
    if (!from || !to)
        return usageError(name, QStringLiteral("FROM and TO are numbers, not '%1' and '%2'").arg(values[1], values[2]));
    const std::optional<IndexedFolder> game = IndexedFolder::read(name, values.value(3), false);
    if (!game)
        return kExitUsage;
    return carryOut(name, *game, planRenumber(game->folder, game->index, args->kind, *from, *to), args->dryRun);
}

} // namespace tav::tool
