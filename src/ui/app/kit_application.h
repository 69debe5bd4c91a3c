#pragma once

#include "core/common/game_folder.h"

namespace tav {

// Starts the kit in a working folder: the splash, the preloading, the launch
// window. Returns when the program ends.
int runKit(const GameFolder &folder);

// Whether a window system is reachable; without one the kit says so in one
// line instead of failing inside the toolkit.
bool displayAvailable();

} // namespace tav
