#pragma once

#include "core/common/sprite_image.h"

#include <array>
#include <cstdint>

namespace tav {

// The sprite editor's fixed 40 x 40 grid of colour indices, whatever the
// sprite's declared size. Cell (x, y) is column x, row y, both from 0.
class CellGrid {
public:
    static constexpr int kSide = 40;
    static constexpr int kCells = kSide * kSide;

    static constexpr bool contains(int x, int y) { return x >= 0 && x < kSide && y >= 0 && y < kSide; }
    // The number of the editor's cell element: y x 40 + x + 1 (1-1600).
    static constexpr int element(int x, int y) { return y * kSide + x + 1; }

    std::uint8_t at(int x, int y) const { return m_cells[static_cast<std::size_t>(y * kSide + x)]; }
    void set(int x, int y, std::uint8_t index) { m_cells[static_cast<std::size_t>(y * kSide + x)] = index; }
    void fill(std::uint8_t index) { m_cells.fill(index); }

    // The record of undo, clipboard and scrapboard: width, height, then the
    // cells column by column (x outer, y inner).
    SpriteImage toImage(int width, int height) const;
    static CellGrid fromImage(const SpriteImage &image);

    friend bool operator==(const CellGrid &, const CellGrid &) = default;

private:
    std::array<std::uint8_t, kCells> m_cells{};
};

} // namespace tav
