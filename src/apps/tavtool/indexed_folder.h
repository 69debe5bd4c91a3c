#pragma once

#include "core/check/report_format.h"
#include "core/common/game_folder.h"
#include "core/refs/reference_index.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

namespace tav::tool {

// The arguments of refs, rename and renumber: the options given (from the
// allowed ones) and the rest in order.
struct UsesArguments {
    QSet<QString> options;
    QStringList positional;

    // Null with the usage error printed for an option not allowed, or fewer
    // or more positional arguments than `needed` (and an optional FOLDER).
    static std::optional<UsesArguments> parse(const QString &command, const QStringList &arguments,
                                              const QStringList &allowed, int needed);
    bool has(const char *option) const { return options.contains(QLatin1String(option)); }
};

// A game folder read once by the checker's pass, with the uses of names it
// holds, and the paths of its files as the shell sees them.
struct IndexedFolder {
    GameFolder folder;
    refs::ReferenceIndex index;
    check::FindingPaths paths;

    // Null, with the error printed, when `given` (empty: the current folder)
    // is no game folder.
    static std::optional<IndexedFolder> read(const QString &command, const QString &given, bool gamePaths);

    // A file (a game path) as the shell sees it, or in the game's form.
    QString shown(const QString &gamePath) const;
    // "PATH:LINE: KIND: TEXT", as compilers and `tavtool check` write it.
    QString line(const QString &gamePath, int line, const char *kind, const QString &text) const;
};

} // namespace tav::tool
