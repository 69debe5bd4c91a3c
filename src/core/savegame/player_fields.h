#pragma once

#include "core/common/line_fields.h"

namespace tav {

// The 138 lines of a player savegame file under the names dumps, loads and
// diffs use, in file order. Lines the editor always writes the same way are
// under "fixed/NNN", lines that follow from other fields under "derived/".
const LineFieldTable &playerFileFields();

} // namespace tav
