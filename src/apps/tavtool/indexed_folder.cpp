#include "apps/tavtool/indexed_folder.h"

#include "apps/tavtool/tool_command.h"
#include "core/check/game_check.h"
#include "core/common/file_name_text.h"

#include <QDir>

namespace tav::tool {

std::optional<UsesArguments> UsesArguments::parse(const QString &command, const QStringList &arguments,
                                                  const QStringList &allowed, int needed)
{
    UsesArguments parsed;
    for (const QString &argument : arguments) {
        if (allowed.contains(argument)) {
            parsed.options.insert(argument.startsWith(QLatin1String("--format="))
                                      ? QStringLiteral("--format=") + argument.mid(9)
                                      : argument);
        } else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1 && !argument.at(1).isDigit()) {
            usageError(command, QStringLiteral("unknown option '%1'").arg(argument));
            return std::nullopt;
        } else {
            parsed.positional.append(argument);
        }
    }
    if (parsed.positional.size() < needed || parsed.positional.size() > needed + 1) {
        usageError(
            command,
            QStringLiteral("%1 arguments and a FOLDER at most, not %2").arg(needed).arg(parsed.positional.size()));
        return std::nullopt;
    }
    return parsed;
}

std::optional<IndexedFolder> IndexedFolder::read(const QString &command, const QString &given, bool gamePaths)
{
    const QString folder = given.isEmpty() ? QStringLiteral(".") : given;
    if (!holdsGameData(folder)) {
        printErr(QStringLiteral("tavtool %1: %2 is not a game folder (it holds no GAMEDATA)")
                     .arg(command, QDir::toNativeSeparators(folder)));
        return std::nullopt;
    }
    IndexedFolder indexed{GameFolder(folder), {}, check::FindingPaths(given, gamePaths)};
    check::checkGameFolder(folder, &indexed.index);
    return indexed;
}

QString IndexedFolder::shown(const QString &gamePath) const
{
    const QString disk = folder.resolve(gamePath);
    return paths.shown(gamePath, disk.mid(folder.root().size() + 1));
}

QString IndexedFolder::line(const QString &gamePath, int line, const char *kind, const QString &text) const
{
    const QString place = line > 0 ? QStringLiteral("%1:%2").arg(shown(gamePath)).arg(line) : shown(gamePath);
    return escapeControlCharacters(QStringLiteral("%1: %2: %3").arg(place, QLatin1String(kind), text));
}

} // namespace tav::tool
