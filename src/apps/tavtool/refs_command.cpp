#include "apps/tavtool/refs_command.h"

#include "apps/tavtool/indexed_folder.h"
#include "apps/tavtool/tool_command.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace tav::tool {
namespace {

using namespace tav::refs;

const QString kName = QStringLiteral("refs");

const char kHelp[] = "Usage: tavtool refs [--format=text|json] [--game-paths] KIND NAME [FOLDER]\n"
                     "\n"
                     "Lists every use of a name in the game folder FOLDER (default: the current\n"
                     "folder), one line each in the form compilers use, then how many:\n"
                     "\n"
                     "  GAMEDATA/UNITS/BOGLING.UNI:2: note: sprite BOGL\n"
                     "  GAMEDATA/UNITS/ROTBOGL.UNI:2: note: sprite BOGL\n"
                     "  2 uses of sprite BOGL; MAP files not searched\n"
                     "\n"
                     "KIND and what names it:\n"
                     "  sprite  a unit sprite's base name (BOGL): line 2 of the unit files\n"
                     "  unit    a unit (WARDEN): macro KIL\n"
                     "  item    an item's number: the inventory of PLAYER.STS and TRAIN.STS (and\n"
                     "          its copy of the first position), macro ITM +, -, ! and ? and BUB\n"
                     "          (ITM &, ~ and # give main items), ITMNAMES.DAT's number lines, and\n"
                     "          the items macro's POS i by the item's name\n"
                     "  goal    a goal's number: PLAYER.STS line 130, macro XXX\n"
                     "  person  a person's key: DEF_PIDL.DAT\n"
                     "  sound   a sound's name: DEF_PIDL.DAT, macro WAV and POS s\n"
                     "  square  a square of the world (12,8): AUTOMAP.DAT's keys, the current MAP and\n"
                     "          the goal position of PLAYER.STS, the square macro XXX marks\n"
                     "Names are matched in any letter case. MAP files belong to the map editor and\n"
                     "are not read: every answer says so. A file that cannot be read is named with\n"
                     "a warning line, since its uses are not known. Nothing is written.\n"
                     "\n"
                     "Options:\n"
                     "  --format=json   one JSON object: kind, name, count, uses (path, file, line,\n"
                     "                  column or null, text), unread (path, file, reason) and\n"
                     "                  notSearched\n"
                     "  --format=text   one line per use and the count (the default)\n"
                     "  --game-paths    name files as the game writes them (GAMEDATA\\UNITS\\ORC.UNI)\n"
                     "  -h, --help      this help\n"
                     "\n"
                     "Exit status: 0 with uses, 1 with none, 2 on a usage error (an unknown KIND, a\n"
                     "NAME that is no name of it) or when FOLDER is not a game folder.";

QString counted(qsizetype count, const QString &what)
{
    return QStringLiteral("%1 use%2 of %3").arg(count).arg(count == 1 ? "" : "s", what);
}

} // namespace

int runRefs(const QStringList &arguments)
{
    if (wantsHelp(arguments)) {
        printOut(QLatin1String(kHelp));
        return kExitClean;
    }
    const auto args = UsesArguments::parse(kName, arguments, {"--format=json", "--format=text", "--game-paths"}, 2);
    if (!args)
        return kExitUsage;
    const std::optional<ReferenceKind> kind = parseKind(args->positional[0]);
    if (!kind)
        return usageError(kName, QStringLiteral("KIND is one of %1, not '%2'")
                                     .arg(kindNames().join(QStringLiteral(", ")), args->positional[0]));
    const std::optional<QString> key = referenceKey(*kind, args->positional[1]);
    if (!key)
        return usageError(kName, QStringLiteral("'%1' is no %2 name%3")
                                     .arg(args->positional[1], kindName(*kind),
                                          *kind == ReferenceKind::Square ? QStringLiteral(" (X,Y as in 12,8)")
                                          : *kind == ReferenceKind::Item || *kind == ReferenceKind::Goal
                                              ? QStringLiteral(" (a number)")
                                              : QString()));
    const std::optional<IndexedFolder> game =
        IndexedFolder::read(kName, args->positional.value(2), args->has("--game-paths"));
    if (!game)
        return kExitUsage;

    const QString what = QStringLiteral("%1 %2").arg(kindName(*kind), *key);
    const QList<Use> uses = game->index.usesOf(*kind, *key);
    const QList<Unread> unread = game->index.unread();
    if (args->has("--format=json")) {
        QJsonArray list;
        for (const Use &use : uses)
            list.append(
                QJsonObject{{"path", game->shown(use.file)},
                            {"file", use.file},
                            {"line", use.reference.line},
                            {"column", use.reference.isSpan() ? QJsonValue(int(use.reference.from) + 1) : QJsonValue()},
                            {"text", use.reference.text()}});
        QJsonArray notRead;
        for (const Unread &file : unread)
            notRead.append(QJsonObject{{"path", game->shown(file.file)}, {"file", file.file}, {"reason", file.reason}});
        const QJsonObject answer{{"kind", kindName(*kind)}, {"name", *key},
                                 {"count", uses.size()},    {"uses", list},
                                 {"unread", notRead},       {"notSearched", QJsonArray{QStringLiteral("MAP files")}}};
        std::fputs(QJsonDocument(answer).toJson(QJsonDocument::Indented).constData(), stdout);
    } else {
        for (const Use &use : uses)
            printOut(game->line(use.file, use.reference.line, "note", use.reference.text()));
        for (const Unread &file : unread)
            printOut(game->line(file.file, 0, "warning",
                                QStringLiteral("could not be read (%1); its uses are not known").arg(file.reason)));
        printOut(QStringLiteral("%1; %2").arg(counted(uses.size(), what), kNotSearched));
    }
    return uses.isEmpty() ? kExitFindings : kExitClean;
}

} // namespace tav::tool
