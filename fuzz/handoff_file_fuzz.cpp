// SPREDIT.TMP of any bytes: a file the sprite saver accepts holds a sprite
// of 1-40 pixels a side, and its lines written again read back the same.
#include "core/common/text_file.h"
#include "core/sprite/handoff_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace tav;
    const Result<HandoffSprite> read = parseHandoff(fuzz::bytes(data, size));
    if (!read) {
        FUZZ_CHECK(!read.error().isEmpty());
        return 0;
    }
    FUZZ_CHECK(read->width >= 1 && read->width <= CellGrid::kSide);
    FUZZ_CHECK(read->height >= 1 && read->height <= CellGrid::kSide);
    FUZZ_CHECK(read->rowPixels.size() == qsizetype(read->width) * read->height);
    CellGrid cells;
    for (int y = 0; y < read->height; ++y)
        for (int x = 0; x < read->width; ++x)
            cells.set(x, y, std::uint8_t(read->rowPixels[y * read->width + x]));
    const Result<HandoffSprite> again =
        parseHandoff(TextFile{handoffLines(read->width, read->height, cells), true}.toBytes());
    FUZZ_CHECK(again && again->width == read->width && again->height == read->height);
    FUZZ_CHECK(again->rowPixels == read->rowPixels);
    return 0;
}
