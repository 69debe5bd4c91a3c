#pragma once

#include "core/common/program_tables.h"
#include "core/common/result.h"
#include "core/sprite/cell_grid.h"

#include <QImage>
#include <QList>
#include <QRgb>
#include <QSize>
#include <QString>

#include <array>

namespace tav {

// Sprites meet ordinary images (PNG) through the screen palette: index 0 is
// fully transparent, every other index shows its screen colour.
class SpriteColourMap {
public:
    static constexpr int kColours = 256;

    explicit SpriteColourMap(const std::array<QRgb, kColours> &screenColours);

    // The colour table of an exported image: entry 0 transparent, entry i
    // the screen colour of index i.
    const QList<QRgb> &colourTable() const { return m_table; }

    // The index for one pixel: a pixel with alpha below 128 is index 0;
    // every other takes the nearest of the indices 1-255 by the blur filter's
    // rule. distance is the sum of the channel differences that remain.
    int indexOf(QRgb colour, int *distance = nullptr) const;

private:
    QList<QRgb> m_table;
    std::array<PalEntry, kColours> m_entries{};
};

// An image turned into colour indices, with how well it fitted the palette.
struct ImageMapping {
    int width = 0;
    int height = 0;
    // Pixels (x, y) inside the size; every other cell is 0.
    CellGrid pixels;
    // Pixels that were fully transparent or opaque in a palette colour.
    int exactPixels = 0;
    // Pixels neither fully transparent nor opaque.
    int partlyTransparentPixels = 0;
    // The largest distance of a pixel to the colour it was given.
    int largestError = 0;

    int pixelCount() const { return width * height; }
    // "1600 pixels, 1598 of them exactly in a palette colour, largest colour error 12."
    QString summary() const;
};

// Maps the top-left 40 x 40 (at most) of an image. An indexed image whose
// colour at entry i is the screen colour of index i keeps i, so colours the
// palette holds twice come back as they went out.
ImageMapping mapImage(const QImage &image, const SpriteColourMap &colours);

// The top-left width x height cells as an indexed image through the screen
// palette, each pixel scaled to scale x scale.
QImage spritePicture(const CellGrid &cells, int width, int height, const SpriteColourMap &colours, int scale = 1);

// Puts the top-left width x height cells into an indexed image at a place.
void drawSpriteCells(QImage &target, QPoint at, const CellGrid &cells, int width, int height);

// The largest side an image file may state before it is decoded at all.
inline constexpr int kLargestImageSide = 8192;

bool fitsSprite(QSize size);
// "walk.png is 64 x 48 pixels; a sprite is at most 40 x 40."
QString tooLargeForSpriteMessage(const QString &diskPath, QSize size);

// The size an image file states, read before anything is decoded. Refuses a
// missing or unreadable file, one that is no image, an empty image and an
// absurd size.
Result<QSize> imageFileSize(const QString &diskPath);
// Reads an image file for a sprite: one larger than 40 x 40 is refused, or,
// when cropping, cut to its top-left 40 x 40.
Result<QImage> readSpriteImageFile(const QString &diskPath, bool cropToSprite);
// The bytes of an image as PNG; diskPath only names the file in a failure.
Result<QByteArray> pngFileBytes(const QString &diskPath, const QImage &image);
// Writes an image as PNG through the atomic writer.
Status writePngFile(const QString &diskPath, const QImage &image);

} // namespace tav
