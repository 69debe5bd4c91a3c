#pragma once

#include <QByteArray>

#include <array>
#include <cstdint>

namespace tav {

// A sprite held in memory as the game's 1602-byte record: byte 1 the width
// (0 = empty record), byte 2 the height, bytes 3-1602 the 40 x 40 colour
// indices column by column. Undo slots, the clipboard, the floating area and
// the scrapboard all use it.
struct SpriteImage {
    static constexpr int kSide = 40;
    static constexpr int kCells = kSide * kSide;
    static constexpr int kBytes = 2 + kCells;

    std::array<std::uint8_t, kBytes> bytes{};

    std::uint8_t width() const { return bytes[0]; }
    std::uint8_t height() const { return bytes[1]; }
    void setWidth(int w) { bytes[0] = static_cast<std::uint8_t>(w); }
    void setHeight(int h) { bytes[1] = static_cast<std::uint8_t>(h); }
    bool isEmpty() const { return bytes[0] == 0; }

    // Cell (x, y) of a full 40 x 40 image.
    std::uint8_t cell(int x, int y) const { return bytes[2 + x * kSide + y]; }
    void setCell(int x, int y, std::uint8_t index) { bytes[2 + x * kSide + y] = index; }

    // Cell (i, j) of an area h cells high stored in the same record.
    std::uint8_t areaCell(int i, int j, int h) const { return bytes[2 + i * h + j]; }
    void setAreaCell(int i, int j, int h, std::uint8_t index) { bytes[2 + i * h + j] = index; }

    void clear() { bytes.fill(0); }

    QByteArray toByteArray() const;
    // A record from exactly 1602 bytes; shorter data fills the rest with 0.
    static SpriteImage fromByteArray(const QByteArray &data);

    friend bool operator==(const SpriteImage &, const SpriteImage &) = default;
};

} // namespace tav
