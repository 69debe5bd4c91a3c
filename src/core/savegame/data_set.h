#pragma once

#include <QString>

namespace tav {

// The data sets of saved-game files: the default set (index 0, the game's
// initial state, folder GAMEDATA\MAPS) and the SaveGame slots 1 to 5
// (folders GAMEDATA\SAVE1 to GAMEDATA\SAVE5).
constexpr int kSlotCount = 5;

// Whether index names a SaveGame slot (1 to 5) rather than the default set.
constexpr bool isSlot(int index)
{
    return index >= 1 && index <= kSlotCount;
}

// The folder name of a data set, the editor's `MAPDir`: "MAPS" for the
// default set (index 0 or anything that is not a slot), "SAVE"n for slot n.
QString dataSetFolderName(int index);

// "GAMEDATA\" + folder name: the data set folder as a game path.
QString dataSetFolderPath(const QString &folderName);

// "GAMEDATA\" + folder name + "\" + file name.
QString dataSetFilePath(const QString &folderName, const QString &fileName);

} // namespace tav
