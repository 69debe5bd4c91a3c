#include "core/sprite/sprite_image_exchange.h"

#include "core/common/file_io.h"
#include "core/sprite/sprite_operations.h"

#include <QBuffer>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QImageWriter>

#include <algorithm>

namespace tav {
namespace {

constexpr int kOpaqueFrom = 128;

struct PixelIndex {
    int index = 0;
    int distance = 0;
};

// Counts a pixel into the mapping's figures.
void account(ImageMapping &mapping, QRgb colour, int distance)
{
    const int alpha = qAlpha(colour);
    if (alpha > 0 && alpha < 255)
        ++mapping.partlyTransparentPixels;
    else if (alpha == 0 || distance == 0)
        ++mapping.exactPixels;
    mapping.largestError = std::max(mapping.largestError, distance);
}

} // namespace

SpriteColourMap::SpriteColourMap(const std::array<QRgb, kColours> &screenColours)
{
    m_table.reserve(kColours);
    for (int i = 0; i < kColours; ++i) {
        const QRgb colour = screenColours[static_cast<std::size_t>(i)];
        m_table.append(i == 0 ? qRgba(0, 0, 0, 0) : qRgb(qRed(colour), qGreen(colour), qBlue(colour)));
        m_entries[static_cast<std::size_t>(i)] =
            PalEntry{static_cast<std::int16_t>(qRed(colour)), static_cast<std::int16_t>(qGreen(colour)),
                     static_cast<std::int16_t>(qBlue(colour))};
    }
}

int SpriteColourMap::indexOf(QRgb colour, int *distance) const
{
    if (qAlpha(colour) < kOpaqueFrom) {
        if (distance)
            *distance = 0;
        return 0;
    }
    const int red = qRed(colour), green = qGreen(colour), blue = qBlue(colour);
    const int index = nearestPaletteIndex(m_entries, 1, red, green, blue);
    if (distance)
        *distance = colourDistance(m_entries[static_cast<std::size_t>(index)], red, green, blue);
    return index;
}

QString ImageMapping::summary() const
{
    QString text = QStringLiteral("%1 pixels, %2 of them exactly in a palette colour, largest colour error %3")
                       .arg(pixelCount())
                       .arg(exactPixels)
                       .arg(largestError);
    if (partlyTransparentPixels > 0)
        text += QStringLiteral(", %1 partly transparent").arg(partlyTransparentPixels);
    return text + QLatin1Char('.');
}

ImageMapping mapImage(const QImage &image, const SpriteColourMap &colours)
{
    ImageMapping mapping;
    mapping.width = std::clamp(image.width(), 0, CellGrid::kSide);
    mapping.height = std::clamp(image.height(), 0, CellGrid::kSide);
    if (image.format() == QImage::Format_Indexed8) {
        const QList<QRgb> table = image.colorTable();
        std::array<PixelIndex, 256> byEntry{};
        for (int t = 0; t < 256; ++t) {
            const QRgb colour = t < table.size() ? table[t] : qRgba(0, 0, 0, 0);
            PixelIndex &mapped = byEntry[static_cast<std::size_t>(t)];
            if (t > 0 && qAlpha(colour) == 255 && colour == colours.colourTable()[t])
                mapped.index = t;
            else
                mapped.index = colours.indexOf(colour, &mapped.distance);
        }
        for (int y = 0; y < mapping.height; ++y) {
            const uchar *line = image.constScanLine(y);
            for (int x = 0; x < mapping.width; ++x) {
                const int t = line[x];
                const PixelIndex &mapped = byEntry[static_cast<std::size_t>(t)];
                mapping.pixels.set(x, y, static_cast<std::uint8_t>(mapped.index));
                account(mapping, t < table.size() ? table[t] : qRgba(0, 0, 0, 0), mapped.distance);
            }
        }
        return mapping;
    }
    const QImage argb = image.copy(0, 0, mapping.width, mapping.height).convertToFormat(QImage::Format_ARGB32);
    // Drawn images repeat few colours; each is looked up once.
    QHash<QRgb, PixelIndex> seen;
    for (int y = 0; y < mapping.height; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < mapping.width; ++x) {
            const QRgb colour = line[x];
            auto found = seen.constFind(colour);
            if (found == seen.constEnd()) {
                PixelIndex mapped;
                mapped.index = colours.indexOf(colour, &mapped.distance);
                found = seen.insert(colour, mapped);
            }
            mapping.pixels.set(x, y, static_cast<std::uint8_t>(found->index));
            account(mapping, colour, found->distance);
        }
    }
    return mapping;
}

void drawSpriteCells(QImage &target, QPoint at, const CellGrid &cells, int width, int height)
{
    if (target.format() != QImage::Format_Indexed8)
        return;
    const QRect area =
        QRect(at, QSize(std::min(width, CellGrid::kSide), std::min(height, CellGrid::kSide))) & target.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        uchar *line = target.scanLine(y);
        for (int x = area.left(); x <= area.right(); ++x)
            line[x] = cells.at(x - at.x(), y - at.y());
    }
}

QImage spritePicture(const CellGrid &cells, int width, int height, const SpriteColourMap &colours, int scale)
{
    QImage image(width, height, QImage::Format_Indexed8);
    image.setColorTable(colours.colourTable());
    drawSpriteCells(image, QPoint(0, 0), cells, width, height);
    if (scale <= 1)
        return image;
    return image.scaled(width * scale, height * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

bool fitsSprite(QSize size)
{
    return size.width() <= CellGrid::kSide && size.height() <= CellGrid::kSide;
}

QString tooLargeForSpriteMessage(const QString &diskPath, QSize size)
{
    return QStringLiteral("%1 is %2 x %3 pixels; a sprite is at most 40 x 40.")
        .arg(displayName(diskPath))
        .arg(size.width())
        .arg(size.height());
}

namespace {

// The size an image's bytes state, or why they cannot be read as an image.
Result<QSize> statedImageSize(const QString &diskPath, const QByteArray &bytes)
{
    const QString name = displayName(diskPath);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (!reader.canRead())
        return Status::failure(
            QStringLiteral("%1 is not an image that can be read (%2).").arg(name, reader.errorString()));
    const QSize size = reader.size();
    if (!size.isValid())
        return Status::failure(QStringLiteral("%1 is damaged or cut short: its size cannot be read.").arg(name));
    if (size.isEmpty())
        return Status::failure(QStringLiteral("%1 holds no pixels.").arg(name));
    if (size.width() > kLargestImageSide || size.height() > kLargestImageSide)
        return Status::failure(QStringLiteral("%1 states a size of %2 x %3 pixels, too large to be read.")
                                   .arg(name)
                                   .arg(size.width())
                                   .arg(size.height()));
    return size;
}

} // namespace

// Image files are read whole through the bounded reader first, so a FIFO or
// a file that never ends is refused instead of read without end.
Result<QSize> imageFileSize(const QString &diskPath)
{
    const Result<QByteArray> bytes = readWholeFile(diskPath);
    return bytes ? statedImageSize(diskPath, *bytes) : bytes.status();
}

Result<QImage> readSpriteImageFile(const QString &diskPath, bool cropToSprite)
{
    const Result<QByteArray> bytes = readWholeFile(diskPath);
    if (!bytes)
        return bytes.status();
    const Result<QSize> size = statedImageSize(diskPath, *bytes);
    if (!size)
        return size.status();
    QBuffer buffer;
    buffer.setData(*bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (!fitsSprite(*size)) {
        if (!cropToSprite)
            return Status::failure(tooLargeForSpriteMessage(diskPath, *size));
        reader.setClipRect(
            QRect(0, 0, std::min(size->width(), CellGrid::kSide), std::min(size->height(), CellGrid::kSide)));
    }
    QImage image;
    if (!reader.read(&image))
        return Status::failure(
            QStringLiteral("%1 could not be decoded: %2").arg(displayName(diskPath), reader.errorString()));
    return image;
}

Result<QByteArray> pngFileBytes(const QString &diskPath, const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image))
        return Status::failure(QStringLiteral("%1 could not be made into a PNG image: %2")
                                   .arg(displayName(diskPath), writer.errorString()));
    return bytes;
}

Status writePngFile(const QString &diskPath, const QImage &image)
{
    const Result<QByteArray> bytes = pngFileBytes(diskPath, image);
    return bytes ? writeFileAtomically(diskPath, *bytes) : bytes.status();
}

} // namespace tav
