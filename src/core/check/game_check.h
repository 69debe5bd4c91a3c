#pragma once

#include "core/check/finding.h"

#include <QString>

namespace tav::check {

// Checks a whole game folder the way the game, the sprite saver and the kit
// read it, in one pass: every folder is listed once and every file read
// once, through the kit's own readers. Nothing is written.
CheckReport checkGameFolder(const QString &rootOnDisk);

} // namespace tav::check
