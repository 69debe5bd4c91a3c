#pragma once

#include "core/common/program_tables.h"

#include <QRect>
#include <QString>

#include <array>
#include <cstdlib>

namespace tav {

class DrawingTools;
class SpriteDocument;
class UniformRandom;

// The editor's whole-sprite and area operations: flips, random sprite,
// colour replacement, blur, the editor's own clipboard, and the floating area
// (paste, drag, stamp, delete). Each records its undo step before it changes
// a cell; copy and cut record none. Cells outside the 40 x 40 grid, where a
// floating area dragged off the grid reaches, are never touched.
class SpriteOperations {
public:
    SpriteOperations(SpriteDocument &document, DrawingTools &tools);

    // The rectangle (columns, rows) the flips, random sprite, replacement and
    // blur work on: the selection or floating area while its frame is shown,
    // otherwise the whole grid. It may reach beyond the grid.
    QRect workingRegion() const;

    void flipXWise();
    void flipYWise();
    // Every cell takes the left colour plus a whole number drawn evenly from
    // 0 to range - 1, indices above 255 becoming 255.
    void randomSprite(int gradientRange, UniformRandom &random);
    // Cells of the left colour take the right colour.
    void replaceColour();
    // Averages each coloured cell with its four neighbours, in place, and
    // takes the nearest colour of the indices 80-255. Transparent cells stay.
    void blur(const std::array<PalEntry, 256> &palRGB);

    // Copies the floating area, or the whole grid when none is shown. True
    // when the whole grid was copied.
    bool copy();
    // In "selection" mode with an area shown: copies and deletes it. True
    // when it did.
    bool cut();
    // In "selection" mode with an area shown: clears its cells and drops it.
    void deleteArea();
    // Selects "selection" mode and floats a copy of the clipboard at the
    // top-left corner.
    void paste();
    // A pointer move over the floating area's handle (twips, relative to the
    // handle): with the left button the area follows in whole cells,
    // otherwise the grab point is remembered.
    void moveArea(int buttons, double xTwips, double yTwips);
    // Writes the floating area into the cells at its place; it stays
    // floating. Transparent cells are skipped when asked.
    void stampArea(bool transparentBackground);
    // A scrapboard thumbnail dropped on the preview: its frame number is the
    // tag. Loads the slot's sprite, name and size; the editor's own preview
    // (tag "form") is ignored. An empty slot changes nothing but is still an
    // undo step.
    void dropFromScrapboard(const QString &sourceTag, const ProgramTables &tables);

private:
    SpriteDocument &m_doc;
    DrawingTools &m_tools;
};

// The index of firstIndex-255 nearest to a colour: the smallest sum of the
// channel differences, the lower index on a tie.
int nearestPaletteIndex(const std::array<PalEntry, 256> &palRGB, int firstIndex, int red, int green, int blue);
// The blur filter takes its colours from the indices 80-255.
inline int nearestBlurIndex(const std::array<PalEntry, 256> &palRGB, int red, int green, int blue)
{
    return nearestPaletteIndex(palRGB, 80, red, green, blue);
}
// The sum of the channel differences of two colours.
inline int colourDistance(const PalEntry &a, int red, int green, int blue)
{
    return std::abs(a.red - red) + std::abs(a.green - green) + std::abs(a.blue - blue);
}

} // namespace tav
