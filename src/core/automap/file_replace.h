#pragma once

#include "core/common/result.h"

#include <QString>

namespace tav {

// Whether a file may be replaced: it is a file and its mode bits allow
// writing (a read-only file is never replaced behind the user's back).
Status checkReplaceable(const QString &diskPath);

// Moves a finished file onto its target in one step; the target is replaced
// whole or stays as it was.
Status replaceFile(const QString &fromDiskPath, const QString &toDiskPath);

// Renames a file to a name that must be free; an existing file of that name
// is never overwritten.
Status renameToFreeName(const QString &fromDiskPath, const QString &toDiskPath);

} // namespace tav
