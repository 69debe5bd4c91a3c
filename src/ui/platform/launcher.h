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

inline bool startCommand(const GameFolder &folder, const QString &commandLine,
                         WindowStyle style = WindowStyle::NormalFocus)
{
    return launcher().start(folder, commandLine, style);
}

} // namespace tav::platform
