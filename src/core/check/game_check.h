#pragma once

#include "core/check/finding.h"
#include "core/check/folder_listing.h"
#include "core/refs/reference_index.h"

#include <QString>

namespace tav::check {

// Checks a whole game folder the way the game, the sprite saver and the kit
// read it, in one pass: every folder is listed once and every file read
// once, through the kit's own readers. Nothing is written. Given an index,
// the same pass fills it with the uses of names the files hold.
CheckReport checkGameFolder(const QString &rootOnDisk, refs::ReferenceIndex *index = nullptr);

// The same checks on a game folder of just the files given in memory, by
// their game paths: what a file would give before it is written.
CheckReport checkFiles(const FilesInMemory &files);

} // namespace tav::check
