#pragma once

#include "core/check/finding.h"
#include "core/refs/reference_index.h"

#include <QString>

namespace tav::check {

// Checks a whole game folder the way the game, the sprite saver and the kit
// read it, in one pass: every folder is listed once and every file read
// once, through the kit's own readers. Nothing is written. Given an index,
// the same pass fills it with the uses of names the files hold.
CheckReport checkGameFolder(const QString &rootOnDisk, refs::ReferenceIndex *index = nullptr);

} // namespace tav::check
