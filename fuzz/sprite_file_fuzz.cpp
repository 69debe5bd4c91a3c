// A .SPR file of any bytes: never read past the end; a sprite that fits the
// grid, written and read again, comes back pixel for pixel.
#include "core/sprite/sprite_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace tav;
    const SpriteFileContents read = parseSpriteFile(fuzz::bytes(data, size));
    FUZZ_CHECK(read.width >= 0 && read.width <= CellGrid::kSide);
    FUZZ_CHECK(read.height >= 0 && read.height <= CellGrid::kSide);
    if (read.width == 0 || read.height == 0)
        return 0;
    const QByteArray pixels = rowPixels(read.pixels, read.width, read.height);
    const SpriteFileContents again = parseSpriteFile(spriteFileBytes(read.width, read.height, pixels));
    FUZZ_CHECK(again.width == read.width && again.height == read.height);
    FUZZ_CHECK(!again.pixelsMissing && !again.isCut());
    FUZZ_CHECK(again.pixels == read.pixels);
    return 0;
}
