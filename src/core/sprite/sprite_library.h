#pragma once

#include "core/common/game_folder.h"

#include <QStringList>

namespace tav {

// The sprites below GRAFIK as the file dialog lists them.

// An empty entry for GRAFIK itself, then "\NAME" for every direct subfolder.
QStringList spriteFolderEntries(const GameFolder &folder);

// The sprite files ("*.SPR") of a folder entry, each without its extension.
QStringList spriteEntries(const GameFolder &folder, const QString &folderEntry);

} // namespace tav
