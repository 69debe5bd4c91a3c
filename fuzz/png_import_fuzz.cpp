// An image file of any bytes imported as a sprite the way tavtool's sprite
// import reads it (cut to 40 x 40): the mapping stays inside the sprite and
// its counts add up.
#include "core/common/file_io.h"
#include "core/sprite/palette_file.h"
#include "core/sprite/sprite_image_exchange.h"
#include "fuzz_support.h"

#include <QTemporaryDir>

namespace {

std::array<QRgb, tav::SpriteColourMap::kColours> testColours()
{
    std::array<QRgb, tav::SpriteColourMap::kColours> colours{};
    for (int i = 0; i < tav::SpriteColourMap::kColours; ++i)
        colours[std::size_t(i)] = qRgb(i, (i * 37) & 255, 255 - i);
    return colours;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace tav;
    static const QTemporaryDir folder;
    static const QString path = folder.filePath(QStringLiteral("input.png"));
    static const SpriteColourMap colours(testColours());
    FUZZ_CHECK(writeFileAtomically(path, fuzz::bytes(data, size)).ok());
    const Result<QImage> image = readSpriteImageFile(path, true);
    if (!image)
        return 0;
    FUZZ_CHECK(fitsSprite(image->size()));
    const ImageMapping mapping = mapImage(image.value(), colours);
    FUZZ_CHECK(mapping.width == image->width() && mapping.height == image->height());
    FUZZ_CHECK(mapping.exactPixels + mapping.partlyTransparentPixels <= mapping.pixelCount());
    FUZZ_CHECK(mapping.largestError >= 0);
    for (int y = 0; y < CellGrid::kSide; ++y)
        for (int x = 0; x < CellGrid::kSide; ++x)
            FUZZ_CHECK((x < mapping.width && y < mapping.height) || mapping.pixels.at(x, y) == 0);
    return 0;
}
