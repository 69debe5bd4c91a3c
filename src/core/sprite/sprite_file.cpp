#include "core/sprite/sprite_file.h"

#include "core/common/byte_reader.h"
#include "core/common/file_io.h"

#include <QStringList>

#include <algorithm>

namespace tav {
namespace {

// What was wrong with a sprite file that the reader still read, and how.
QString fallbackReasons(const SpriteFileContents &contents, qsizetype fileBytes)
{
    QStringList reasons;
    if (contents.widthField % 8 != 0)
        reasons << QStringLiteral("its width field %1 is not a multiple of 8 (read as %2 pixels wide)")
                       .arg(contents.widthField)
                       .arg(contents.statedWidth);
    const auto inRange = [](int side) { return side >= 1 && side <= CellGrid::kSide; };
    if (contents.statedWidth > CellGrid::kSide || contents.statedHeight > CellGrid::kSide)
        reasons << QStringLiteral("its size %1 x %2 is beyond 40 x 40 (only the top-left %3 x %4 pixels were read)")
                       .arg(contents.statedWidth)
                       .arg(contents.statedHeight)
                       .arg(contents.width)
                       .arg(contents.height);
    else if (!inRange(contents.statedWidth) || !inRange(contents.statedHeight))
        reasons << QStringLiteral("its size %1 x %2 is not 1 to 40 pixels each way")
                       .arg(contents.statedWidth)
                       .arg(contents.statedHeight);
    if (contents.pixelsMissing) {
        const qint64 needed = qint64(contents.statedWidth) * contents.statedHeight;
        reasons << QStringLiteral("the file ends before its last pixel (%1 of %2 pixel bytes; the missing pixels "
                                  "read as colour 0)")
                       .arg(std::max<qint64>(0, fileBytes - SpriteFileLayout::kPixelOffset))
                       .arg(needed);
    }
    return reasons.join(QStringLiteral("; "));
}

} // namespace

SpriteFileContents parseSpriteHeader(const QByteArray &bytes)
{
    const ByteReader reader(bytes);
    SpriteFileContents contents;
    const auto widthField = reader.i16le(SpriteFileLayout::kWidthFieldOffset);
    const auto height = reader.i16le(SpriteFileLayout::kHeightOffset);
    if (!widthField || !height) {
        contents.fallback = QStringLiteral("the file is %1 bytes long, shorter than its 11-byte header, so no pixel "
                                           "could be read")
                                .arg(bytes.size());
        return contents;
    }
    contents.widthField = *widthField;
    contents.statedWidth = *widthField / 8;
    contents.statedHeight = *height;
    contents.width = std::clamp(contents.statedWidth, 0, CellGrid::kSide);
    contents.height = std::clamp(contents.statedHeight, 0, CellGrid::kSide);
    return contents;
}

SpriteFileContents parseSpriteFile(const QByteArray &bytes)
{
    const ByteReader reader(bytes);
    SpriteFileContents contents = parseSpriteHeader(bytes);
    const qint64 stride = contents.statedWidth;
    for (int y = 0; y < contents.height; ++y) {
        for (int x = 0; x < contents.width; ++x) {
            const auto pixel = reader.u8(SpriteFileLayout::kPixelOffset + y * stride + x);
            if (!pixel)
                contents.pixelsMissing = true;
            contents.pixels.set(x, y, pixel.value_or(0));
        }
    }
    if (contents.fallback.isEmpty())
        contents.fallback = fallbackReasons(contents, bytes.size());
    return contents;
}

Result<SpriteFileContents> readSpriteFile(const QString &diskPath)
{
    const Result<QByteArray> bytes = readWholeFile(diskPath);
    if (!bytes)
        return bytes.status();
    return parseSpriteFile(bytes.value());
}

QString dimensionText(const SpriteFileContents &contents)
{
    QString text = QStringLiteral("%1 x %2").arg(contents.statedWidth).arg(contents.statedHeight);
    if (contents.isCut())
        text += QStringLiteral(" (cut to %1 x %2)").arg(contents.width).arg(contents.height);
    if (contents.pixelsMissing)
        text += QStringLiteral(" (file too short)");
    return text;
}

QByteArray spriteFileBytes(int width, int height, const QByteArray &rowPixels)
{
    QByteArray bytes(SpriteFileLayout::kLeadingHeader, SpriteFileLayout::kLeadingHeaderBytes);
    const auto putI16 = [&bytes](int value) {
        const auto v = static_cast<quint16>(static_cast<qint16>(value));
        bytes.append(static_cast<char>(v & 0xFF));
        bytes.append(static_cast<char>(v >> 8));
    };
    putI16(width * 8);
    putI16(height);
    bytes.append(rowPixels);
    return bytes;
}

Status writeSpriteFile(const QString &diskPath, int width, int height, const QByteArray &rowPixels)
{
    if (width < 1 || width > CellGrid::kSide || height < 1 || height > CellGrid::kSide)
        return Status::failure(
            QStringLiteral("A sprite must be 1 to 40 pixels wide and high, not %1 x %2.").arg(width).arg(height));
    if (rowPixels.size() != qsizetype(width) * height)
        return Status::failure(QStringLiteral("A %1 x %2 sprite needs %3 pixels, not %4.")
                                   .arg(width)
                                   .arg(height)
                                   .arg(width * height)
                                   .arg(rowPixels.size()));
    return writeFileAtomically(diskPath, spriteFileBytes(width, height, rowPixels));
}

QByteArray rowPixels(const CellGrid &cells, int width, int height)
{
    QByteArray pixels;
    pixels.reserve(width * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.append(static_cast<char>(cells.at(x, y)));
    return pixels;
}

} // namespace tav
