#pragma once

#include "core/common/game_folder.h"
#include "core/common/result.h"
#include "core/refs/change_plan.h"

#include <QString>

namespace tav::refs {

// Goals and items are named by their place in their list (GOALS.DAT from 0,
// ITMNAMES.DAT from 1): moving, deleting or inserting one shifts those after
// it. These plans change the list and every use of a number that shifts
// (savegames of every data set, macros, ITMNAMES.DAT's number lines), each
// number rewritten in place.

// Moves goal or item `from` so that it becomes number `to`; the numbers
// between move by one towards `from`'s old place.
Result<ChangePlan> planRenumber(const GameFolder &folder, const ReferenceIndex &index, ReferenceKind kind, int from,
                                int to);

// Deletes a goal (never the last one left); later goals move up one. The
// uses of the deleted goal are listed in the plan's `left` and kept as they
// are.
Result<ChangePlan> planGoalDelete(const GameFolder &folder, const ReferenceIndex &index, int goal);

// Inserts a goal before goal `before` (the number of goals: at the end);
// it and the later goals move down one.
Result<ChangePlan> planGoalInsert(const GameFolder &folder, const ReferenceIndex &index, int before,
                                  const QString &description);

} // namespace tav::refs
