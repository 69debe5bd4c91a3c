#pragma once

#include "core/common/sprite_image.h"

#include <QString>

#include <array>
#include <cstdint>

namespace tav {

// Red, green and blue of one colour index on the 0-255 scale.
struct PalEntry {
    std::int16_t red = 0;
    std::int16_t green = 0;
    std::int16_t blue = 0;
    friend bool operator==(const PalEntry &, const PalEntry &) = default;
};

// The program-wide tables shared by the sprite windows. They live as long as
// the program; nothing saves them.
struct ProgramTables {
    static constexpr int kScrapSlots = 100;

    // Indexed 0-255; entry 0 stays black.
    std::array<PalEntry, 256> PalRGB{};

    // Scrapboard memory, slots numbered 1 to 100 (index 0 is unused).
    std::array<SpriteImage, kScrapSlots + 1> ScrapBuf{};
    std::array<QString, kScrapSlots + 1> ScrapName{};

    void reset() { *this = ProgramTables(); }
};

ProgramTables &programTables();

} // namespace tav
