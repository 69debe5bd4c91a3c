#pragma once

#include <QString>
#include <QStringList>

namespace tav {

// What the kit's command line asks for: `tavdesigner [GAME_FOLDER]`, or a
// help or version text printed without opening a window.
struct StartOptions {
    enum class Action {
        Run,   // open the kit (on `folder` when one was given)
        Print, // print `text` on standard output, exit 0
        Refuse // print `text` on standard error, exit 2
    };

    Action action = Action::Run;
    // Run: the absolute folder given, without a trailing slash; empty when none.
    QString folder;
    QString text;

    int exitCode() const { return action == Action::Refuse ? 2 : 0; }
};

// Reads the arguments that follow the program name. Unknown options win over
// everything else, then --help, then --version; at most one folder is taken.
// A relative folder is taken from the current folder.
StartOptions parseStartOptions(const QStringList &arguments);

// Whether the kit may create and replace files in a folder.
bool folderIsWritable(const QString &diskFolder);

} // namespace tav
