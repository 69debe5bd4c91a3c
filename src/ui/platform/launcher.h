#pragma once

#include "core/common/game_folder.h"

#include <QString>

namespace tav::platform {

enum class WindowStyle { NormalFocus, Hidden };

// Starts command lines ("explorer HELP", "Tavaria", "SPRSVR GRAFIK\X.SPR")
// in the working folder, detached and never through a shell. The kit never
// waits for a started program; a failure is reported only by the result.
class Launcher {
public:
    virtual ~Launcher() = default;
    virtual bool start(const GameFolder &folder, const QString &commandLine, WindowStyle style) = 0;
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
