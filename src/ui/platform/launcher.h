#pragma once

#include "core/common/game_folder.h"
#include "ui/platform/watched_program.h"

#include <QString>

namespace tav::platform {

enum class WindowStyle { NormalFocus, Hidden };

// Starts command lines ("explorer HELP", "Tavaria", "SPRSVR GRAFIK\X.SPR")
// in the working folder, never through a shell. The kit never waits for a
// started program; a failure is reported only by the result.
class Launcher {
public:
    virtual ~Launcher() = default;
    // Starts the command line detached.
    virtual bool start(const GameFolder &folder, const QString &commandLine, WindowStyle style) = 0;
    // Starts one of the kit's own programs (the sprite saver) as a process
    // the kit watches, owned by owner, in the working folder. The program is
    // the one installed beside the kit, never one the game folder holds;
    // nullptr when it cannot be found there.
    virtual WatchedProgram *startWatched(const GameFolder &folder, const QString &commandLine, WindowStyle style,
                                         QObject *owner) = 0;
};

Launcher &launcher();
// Installs a replacement (not owned); nullptr restores the real one.
void installLauncher(Launcher *replacement);

// Starts a command line through the launcher. When the desktop cannot open
// what "notepad FILE" or "explorer FOLDER" names, the kit shows the text in
// its own viewer, a folder of texts as its own list of them, or another
// folder's path in a message the user can copy, so nothing is lost. True when the user was shown something.
bool startCommand(const GameFolder &folder, const QString &commandLine,
                  WindowStyle style = WindowStyle::NormalFocus);

} // namespace tav::platform
