#pragma once

#include "core/common/game_folder.h"
#include "core/sprite/cell_grid.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>
#include <QStringList>

namespace tav {

class Scrapboard;
class SpriteColourMap;

// One sprite to be placed on a sheet; a sprite of size 0 leaves its cell empty.
struct SheetSprite {
    QString name;
    int width = 0;
    int height = 0;
    CellGrid pixels;
};

// Where a sprite went: its pixels' rectangle on the sheet.
struct SheetCell {
    QString name;
    QRect rect;
};

// Sprites laid out row by row, each at the top-left corner of a cell, as one
// indexed image through the screen palette.
struct SpriteSheet {
    QImage image;
    QList<SheetCell> cells;
    int columns = 0;
    // The size of a cell on the sheet, scale included.
    QSize cellSize;
    int scale = 1;
};

// cellSize is in sprite pixels; every pixel becomes scale x scale.
SpriteSheet composeSpriteSheet(const QList<SheetSprite> &sprites, int columns, QSize cellSize,
                               const SpriteColourMap &colours, int scale = 1);

// The sheet's description: the cell layout and, per sprite, its name and
// rectangle on the sheet.
QByteArray spriteSheetJson(const SpriteSheet &sheet);
// The description's file beside the image: sheet.png gives sheet.json.
QString spriteSheetJsonPath(const QString &imageDiskPath);

// The sprites of a folder entry ("" for GRAFIK itself, "\UNITS") in the
// order the load dialog lists them. A sprite that cannot be read, or holds
// no pixels, is left out with a line in problems; one cut to 40 x 40 or
// shorter than its size is kept with a line.
struct FolderSprites {
    QList<SheetSprite> sprites;
    QStringList problems;
};
FolderSprites readFolderSprites(const GameFolder &folder, const QString &folderEntry);

// Frames 1 to count of the scrapboard side by side, each in a cell as large
// as the largest of them; empty frames stay transparent.
SpriteSheet scrapboardStrip(const Scrapboard &board, int count, const SpriteColourMap &colours);

} // namespace tav
