#pragma once

#include "core/common/game_folder.h"
#include "core/common/result.h"
#include "core/refs/change_plan.h"

namespace tav::refs {

// Renames a sprite, a unit or a sound, its files and every use of its name:
// - a sprite's files are every OLD + U or Z + digits + .SPR in GRAFIK\UNITS
//   and GRAFIK\BOSS (BOGLU1.SPR, BOGLZ1.SPR; BOGLAU1.SPR is another
//   sprite's), and the new name leaves room for the longest of those
//   endings within 8 characters;
// - a unit's file is GAMEDATA\UNITS\OLD.UNI, a sound's SOUNDS\OLD.wav.
// Sprite and unit names are written in upper case, as the kit stores them;
// a sound keeps the letters as given, except in DEF_PIDL.DAT, which holds
// names in upper case. A file of the new name is refused while the old file
// of the same ending is there too; one without its old file is left, so a
// rename that was cut short is completed by asking for it again.
Result<ChangePlan> planRename(const GameFolder &folder, const ReferenceIndex &index, ReferenceKind kind,
                              const QString &oldName, const QString &newName);

} // namespace tav::refs
