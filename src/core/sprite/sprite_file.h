#pragma once

#include "core/common/result.h"
#include "core/sprite/cell_grid.h"

#include <QByteArray>
#include <QString>

namespace tav {

// A sprite file (.SPR), little-endian:
//   offset 0, 7 bytes   leading header "TAVSPR" and the format version 0x01;
//                       written by the sprite saver, never checked on reading
//   offset 7, int16     width field: the width in pixels x 8 (bits per row)
//   offset 9, int16     height in pixels
//   offset 11           one colour index byte per pixel, row after row from
//                       the top, each row left to right, rows not padded
struct SpriteFileLayout {
    static constexpr char kLeadingHeader[8] = "TAVSPR\x01";
    static constexpr int kLeadingHeaderBytes = 7;
    static constexpr int kWidthFieldOffset = 7;
    static constexpr int kHeightOffset = 9;
    static constexpr int kPixelOffset = 11;
};

// What a sprite file holds, fitted to the editor's 40 x 40 grid.
struct SpriteFileContents {
    // The width field as stored (0 for a file shorter than its header).
    int widthField = 0;
    // The size the file states: width field / 8 (cut toward zero) and height.
    int statedWidth = 0;
    int statedHeight = 0;
    // The part that fits the grid: the stated size limited to 0-40.
    int width = 0;
    int height = 0;
    // Pixels (x, y) for x < width and y < height; every other cell is 0.
    CellGrid pixels;
    // The file ends before all of those pixels; the missing ones read as 0.
    bool pixelsMissing = false;
    // Why the file could not be taken as it stands and what was read instead
    // ("the file is 5 bytes long, shorter than its 11-byte header, so no
    // pixel could be read"); empty for a sound sprite file.
    QString fallback;

    bool isCut() const { return width != statedWidth || height != statedHeight; }
};

// Never reads past the data: a file shorter than its 11-byte header reads as
// a 0 x 0 sprite.
SpriteFileContents parseSpriteFile(const QByteArray &bytes);
// The sizes alone, for those that need no pixels; the pixels stay 0.
SpriteFileContents parseSpriteHeader(const QByteArray &bytes);
// Fails when the file is missing or cannot be read.
Result<SpriteFileContents> readSpriteFile(const QString &diskPath);

// "40 x 40", with a note when the file was cut to the grid or is short.
QString dimensionText(const SpriteFileContents &contents);

// The bytes of a sprite file for width x height pixels given row after row.
QByteArray spriteFileBytes(int width, int height, const QByteArray &rowPixels);
Status writeSpriteFile(const QString &diskPath, int width, int height, const QByteArray &rowPixels);

// The top-left width x height cells of a grid, row after row.
QByteArray rowPixels(const CellGrid &cells, int width, int height);

} // namespace tav
