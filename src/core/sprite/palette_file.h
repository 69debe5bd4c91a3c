#pragma once

#include "core/common/program_tables.h"

#include <QByteArray>
#include <QList>
#include <QRgb>
#include <QString>

#include <array>

namespace tav {

// The master palette `GAMEDATA\MASTER.PAL`: 768 decimal numbers, red, green
// and blue for the indices 0 to 255, each 0-63, separated by commas, blanks or
// line breaks. A component c shows as 4 x c on the 0-255 scale.
struct PaletteFile {
    static constexpr int kColours = 256;

    // Screen colours of all 256 indices; indices the file did not cover are grey.
    std::array<QRgb, kColours> colours{};
    // The same colours as numbers on the 0-255 scale.
    std::array<PalEntry, kColours> entries{};
    // How many colours the file gave in full.
    int coloursRead = 0;
    // Empty when the whole palette was read; otherwise a sentence for the user.
    QString problem;

    // Where the file departs from 768 numbers of 0 to 63, by line (from 1):
    // each component outside 0-63, the first text that is no number, and the
    // first number after the 768th (0 when there is none).
    struct Component {
        int line;
        long long value;
    };
    QList<Component> componentsOutOfRange;
    int garbageLine = 0;
    int extraNumberLine = 0;

    bool complete() const { return problem.isEmpty(); }
};

// The largest palette file the kit reads.
inline constexpr qint64 kPaletteFileLimit = 1024 * 1024;

PaletteFile parsePaletteFile(const QByteArray &bytes);
PaletteFile readPaletteFile(const QString &diskPath);

// The file text for 256 colours given as 6-bit components, one colour per line.
QByteArray paletteFileBytes(const std::array<std::array<int, 3>, PaletteFile::kColours> &components);

// Screen value of one 6-bit component: 4 x c, clamped to 0-255.
int screenComponent(long long component);

// The grey that stands in for an index the palette file does not give.
QRgb fallbackGrey(int index);

// What a colour index is used for in the game, shown as the palette cell's tooltip.
QString colourRole(int index);

} // namespace tav
