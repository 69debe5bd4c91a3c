#pragma once

#include "core/common/line_fields.h"

namespace tav::enemy {

// The twelve lines of a unit file under the names dumps, loads and diffs use,
// in file order (the values are those the file stores: codes, signed
// behaviour).
const LineFieldTable &unitFileFields();

} // namespace tav::enemy
