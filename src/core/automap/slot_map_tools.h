#pragma once

#include "core/automap/map_file_name.h"
#include "core/common/game_folder.h"
#include "core/common/result.h"

#include <QString>

namespace tav {

// Repairs of a SaveGame slot's automap and MAP files from the default data
// set. Each works on a slot folder given as a game path ("GAMEDATA\SAVE1")
// and refuses the default data set itself and a slot folder that does not
// exist.

// The question asked before any of them: slotIndex is the slot's entry in
// the data set list, entryText that entry ("2. Beta").
QString slotActionQuestion(int slotIndex, const QString &entryText);

// The fully uncovered automap in the working folder.
inline const QString kUncoveredAutomapPath = QStringLiteral("AUTOMAP.CHT");
inline const QString kAutomapFileName = QStringLiteral("AUTOMAP.STS");
inline const QString kAutomapBackupName = QStringLiteral("AUTOMAP.OLD");

enum class AutomapSource {
    Uncovered,  // AUTOMAP.CHT of the working folder
    DefaultSet, // GAMEDATA\MAPS\AUTOMAP.STS
};

struct AutomapReplaced {
    // Whether the slot had an AUTOMAP.STS that is now kept as AUTOMAP.OLD.
    bool backupMade = false;
};

// Replaces the slot's AUTOMAP.STS by a copy of the source, keeping the old
// one as AUTOMAP.OLD. An existing AUTOMAP.OLD is never overwritten: then,
// and whenever the source is missing or the backup cannot be made, nothing
// is changed. A failed copy puts the old file back.
Result<AutomapReplaced> replaceSlotAutomap(const GameFolder &folder, const QString &slotPath, AutomapSource source);

// Makes the slot's MAP file of a position a copy of the default one; when the
// default set has no such file, the slot's file is deleted too.
Status resetSlotMap(const GameFolder &folder, const QString &slotPath, const MapPosition &position);

struct MapsReset {
    int deleted = 0;   // slot MAP files that the default set does not have
    int copied = 0;    // default MAP files written into the slot
    int unchanged = 0; // slot MAP files that already held the default bytes
};

// Makes the slot's MAP files those of the default set: afterwards the slot
// holds exactly the default MAP files of X 1..20, Y 1..15, levels 0..9, each
// under its "XX-YY-ZZ.MAP" name with the default bytes, and no other *.MAP
// file (any letter case). A slot file that already holds the default bytes
// is left as it is; the others are replaced whole. Goes on past a file that
// fails and reports the failures at the end.
Result<MapsReset> resetAllSlotMaps(const GameFolder &folder, const QString &slotPath);

} // namespace tav
