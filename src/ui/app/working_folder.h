#pragma once

#include "core/common/game_folder.h"

#include <QString>

#include <optional>

namespace tav {

// Settles the working folder before the splash and makes it the current
// folder. A folder given on the command line is taken as it is; without one,
// the current folder is taken when it holds GAMEDATA, and otherwise the user
// chooses one (a folder without GAMEDATA only after a yes to using it
// anyway). A folder where nothing can be saved is said so once. Returns
// nullopt when the user cancelled or the folder cannot be entered.
std::optional<GameFolder> openWorkingFolder(const QString &givenFolder);

} // namespace tav
