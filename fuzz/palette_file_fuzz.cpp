// MASTER.PAL of any bytes: every index gets a colour on the 0-255 scale; a
// palette written from 6-bit components reads back as four times each.
#include "core/sprite/palette_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace tav;
    const PaletteFile read = parsePaletteFile(fuzz::bytes(data, size));
    FUZZ_CHECK(read.coloursRead >= 0 && read.coloursRead <= PaletteFile::kColours);
    FUZZ_CHECK(read.complete() == (read.coloursRead == PaletteFile::kColours));
    std::array<std::array<int, 3>, PaletteFile::kColours> components{};
    for (int index = 0; index < PaletteFile::kColours; ++index) {
        const PalEntry &entry = read.entries[std::size_t(index)];
        for (const std::int16_t value : {entry.red, entry.green, entry.blue})
            FUZZ_CHECK(value >= 0 && value <= 255);
        components[std::size_t(index)] = {entry.red / 4, entry.green / 4, entry.blue / 4};
    }
    const PaletteFile again = parsePaletteFile(paletteFileBytes(components));
    FUZZ_CHECK(again.complete());
    for (int index = 0; index < PaletteFile::kColours; ++index) {
        const PalEntry &entry = again.entries[std::size_t(index)];
        const auto &rgb = components[std::size_t(index)];
        FUZZ_CHECK(entry.red == rgb[0] * 4 && entry.green == rgb[1] * 4 && entry.blue == rgb[2] * 4);
    }
    return 0;
}
