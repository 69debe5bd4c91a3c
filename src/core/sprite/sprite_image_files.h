#pragma once

#include "core/common/game_folder.h"
#include "core/common/result.h"
#include "core/sprite/sprite_image_exchange.h"
#include "core/sprite/sprite_sheet.h"

namespace tav {

// Sprites of a game folder in and out of PNG files. Sprite names are checked
// by the save dialog's rules; every file goes through the atomic writer.

// The screen colours of GAMEDATA\MASTER.PAL; problem is empty when it was
// read whole, otherwise a sentence saying the grey fallback is used.
struct GamePalette {
    std::array<QRgb, SpriteColourMap::kColours> colours{};
    QString problem;
};
GamePalette readGamePalette(const GameFolder &folder);

// Writes a sprite at its size as PNG, each pixel scale x scale.
Status exportSpriteImage(const GameFolder &folder, const QString &spriteName, const QString &imageDiskPath, int scale,
                         const SpriteColourMap &colours);

// Writes the sprites of a folder entry as one sheet PNG and its JSON
// description beside it. Sprites left out are named in problems.
struct SheetExport {
    int columns = 16;
    int scale = 1;
};
Result<SpriteSheet> exportSpriteSheet(const GameFolder &folder, const QString &folderEntry,
                                      const QString &imageDiskPath, const SheetExport &options,
                                      const SpriteColourMap &colours, QStringList *problems = nullptr);

// Maps an image file to the palette and writes it as the sprite of a name.
Result<ImageMapping> importSpriteImage(const GameFolder &folder, const QString &spriteName,
                                       const QString &imageDiskPath, bool cropToSprite, const SpriteColourMap &colours);

} // namespace tav
