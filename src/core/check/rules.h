#pragma once

#include "core/check/check_context.h"

#include <optional>

namespace tav::check {

// The rule families. Each reads its files through the context, once, and
// reports what it finds there.

// What the other families look up in the reference lists.
struct References {
    std::optional<int> itemCount; // items in ITMNAMES.DAT, when it could be read
    std::optional<int> goalCount; // goals in GOALS.DAT, when it could be read
};

// Folders that cannot be read: one finding each; the other rules say
// nothing about what such a folder holds.
void checkFolders(CheckContext &context);
// File names: too long for the kit, or clashing in letter case.
void checkNames(CheckContext &context);
// GAMEDATA\MASTER.PAL.
void checkPalette(CheckContext &context);
// The sprite files of GRAFIK and its subfolders.
void checkSprites(CheckContext &context);
// SLOTS.INI, the slot folders and their SKILL.STS.
void checkSlots(CheckContext &context);
// ITMNAMES.DAT; gives the number of items.
std::optional<int> checkItemNames(CheckContext &context);
// PLAYER.STS and TRAIN.STS of every data set.
void checkPlayerFiles(CheckContext &context, const References &references);
// The unit files of GAMEDATA\UNITS.
void checkUnits(CheckContext &context);
// The macro files of GAMEDATA\MAKRO.
void checkMacros(CheckContext &context, const References &references);
// The MAP files and automap files of every data set, and AUTOMAP.CHT.
void checkMapFiles(CheckContext &context);
// GAMEDATA\AUTOMAP.DAT.
void checkAutomapTable(CheckContext &context);
// GOALS.DAT; gives the number of goals.
std::optional<int> checkGoals(CheckContext &context);
// PEOPLE.DAT and DEF_PIDL.DAT.
void checkIdleSounds(CheckContext &context);

} // namespace tav::check
