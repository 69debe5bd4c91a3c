#include "core/sprite/sprite_image_files.h"

#include "core/common/file_io.h"
#include "core/sprite/palette_file.h"
#include "core/sprite/sprite_file.h"
#include "core/sprite/sprite_name.h"

namespace tav {
namespace {

Status checkSavedName(const QString &name)
{
    if (const Status inside = checkSpriteFileName(name); !inside)
        return inside;
    if (!isDosSpriteName(name))
        return Status::failure(kDosNameMessage);
    return Status::success();
}

} // namespace

GamePalette readGamePalette(const GameFolder &folder)
{
    const PaletteFile file = readPaletteFile(folder.resolve(QStringLiteral("GAMEDATA\\MASTER.PAL")));
    return {file.colours, file.problem};
}

Status exportSpriteImage(const GameFolder &folder, const QString &spriteName, const QString &imageDiskPath, int scale,
                         const SpriteColourMap &colours)
{
    if (const Status inside = checkSpriteFileName(spriteName); !inside)
        return inside;
    const Result<SpriteFileContents> sprite = readSpriteFile(folder.resolve(spriteFileGamePath(spriteName)));
    if (!sprite)
        return sprite.status();
    if (sprite->width == 0 || sprite->height == 0)
        return Status::failure(QStringLiteral("%1 holds no pixels.").arg(spriteFileGamePath(spriteName)));
    return writePngFile(imageDiskPath, spritePicture(sprite->pixels, sprite->width, sprite->height, colours, scale));
}

Result<SpriteSheet> exportSpriteSheet(const GameFolder &folder, const QString &folderEntry,
                                      const QString &imageDiskPath, const SheetExport &options,
                                      const SpriteColourMap &colours, QStringList *problems)
{
    const QString gameFolderPath = QStringLiteral("GRAFIK") + folderEntry;
    if (!folder.isFolder(gameFolderPath))
        return Status::failure(QStringLiteral("The folder %1 does not exist.").arg(gameFolderPath));
    FolderSprites found = readFolderSprites(folder, folderEntry);
    if (problems)
        *problems = found.problems;
    if (found.sprites.isEmpty())
        return Status::failure(QStringLiteral("The folder %1 holds no sprites.").arg(gameFolderPath));
    SpriteSheet sheet = composeSpriteSheet(found.sprites, options.columns, QSize(CellGrid::kSide, CellGrid::kSide),
                                           colours, options.scale);
    const Result<QByteArray> png = pngFileBytes(imageDiskPath, sheet.image);
    if (!png)
        return png.status();
    // The image and its rectangles are replaced together, never one alone.
    if (const Status written = writeFilesTogether(
            {{imageDiskPath, *png}, {spriteSheetJsonPath(imageDiskPath), spriteSheetJson(sheet)}});
        !written)
        return written;
    return sheet;
}

Result<ImageMapping> importSpriteImage(const GameFolder &folder, const QString &spriteName,
                                       const QString &imageDiskPath, bool cropToSprite, const SpriteColourMap &colours)
{
    if (const Status valid = checkSavedName(spriteName); !valid)
        return valid;
    const Result<QImage> image = readSpriteImageFile(imageDiskPath, cropToSprite);
    if (!image)
        return image.status();
    ImageMapping mapping = mapImage(*image, colours);
    const Status written = writeSpriteFile(folder.resolve(spriteFileGamePath(spriteName)), mapping.width,
                                           mapping.height, rowPixels(mapping.pixels, mapping.width, mapping.height));
    if (!written)
        return written;
    return mapping;
}

} // namespace tav
