#pragma once

#include "core/common/game_folder.h"
#include "core/common/result.h"

#include <QByteArray>

namespace tav {

// `design.sts` in the working folder records that the backup warning was
// shown. A file longer than zero bytes counts as present; its content is
// never read.
inline const QString kDesignMarkerPath = QStringLiteral("design.sts");

// The 4 bytes written: a tagged 16-bit integer 1 (02 00 01 00).
QByteArray designMarkerBytes();

bool designMarkerPresent(const GameFolder &folder);

// Writes the 4 bytes; an existing non-empty marker is never rewritten.
Status writeDesignMarker(const GameFolder &folder);

} // namespace tav
