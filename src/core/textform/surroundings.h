#pragma once

#include "core/textform/text_format.h"

#include <QString>

namespace tav::textform {

// The game folder at or above a disk folder (up to three levels: a savegame
// in GAMEDATA\MAPS finds it), and the item names it gives; nothing when no
// folder up there holds GAMEDATA.
Surroundings surroundingsFrom(const QString &diskFolder);

} // namespace tav::textform
