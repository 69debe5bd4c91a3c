#pragma once

#include "core/common/game_folder.h"

#include <QString>
#include <QStringList>

namespace tav {

// A command line the kit starts ("explorer HELP", "Tavaria",
// "SPRSVR GRAFIK\UNITS\ORC.SPR", "NOTEPAD HELP\UNITS.txt"), split into its
// program name and arguments. Blanks separate words; double quotes group.
struct CommandLine {
    QString program;
    QStringList arguments;

    static CommandLine parse(const QString &line);
};

// What starting a command line comes down to on this desktop.
struct StartTarget {
    enum class Kind {
        Nothing,      // the program could not be found: nothing happens
        OpenFolder,   // "explorer FOLDER": open the folder in the file browser
        OpenDocument, // "notepad FILE": open the text file in its editor
        OpenUrl,      // "explorer http://...": open the web page
        Program,      // any other program, started detached
    };
    Kind kind = Kind::Nothing;
    QString path;           // folder, document, URL or program on disk
    QStringList arguments;  // for a program
};

// Resolves a command line: "explorer X" and "notepad X" (any letter case)
// open X with the desktop's default application; any other program is looked
// up in the working folder without regard to case, then beside the kit's own
// executable, then on PATH. The arguments pass unchanged.
StartTarget resolveCommandLine(const QString &line, const GameFolder &folder, const QString &kitFolderOnDisk);

// Resolves a command line of one of the kit's own programs (the sprite
// saver, "SPRSVR GRAFIK\X.SPR"): the program is looked up beside the kit's
// own executable only, without regard to case. A program of that name in the
// game folder is never run: a folder from an archive or a clone is not
// trusted to run code on a save.
StartTarget resolveKitProgram(const QString &line, const QString &kitFolderOnDisk);

} // namespace tav
