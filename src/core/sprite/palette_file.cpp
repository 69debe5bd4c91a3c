#include "core/sprite/palette_file.h"

#include "core/common/file_io.h"

#include <algorithm>
#include <charconv>

namespace tav {
namespace {

bool isSeparator(char c)
{
    return c == ',' || c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

int screenComponent(long long component)
{
    // Clamped first: a component of 64 and above is full intensity anyway.
    return static_cast<int>(std::clamp<long long>(std::clamp<long long>(component, 0, 64) * 4, 0, 255));
}

QRgb fallbackGrey(int index)
{
    return qRgb(index, index, index);
}

QString colourRole(int index)
{
    if (index == 0)
        return QStringLiteral("transparent background");
    if (index < 16)
        return QStringLiteral("interface border");
    if (index < 80)
        return QStringLiteral("no dimming");
    return QStringLiteral("universal use");
}

PaletteFile parsePaletteFile(const QByteArray &bytes)
{
    PaletteFile palette;
    std::array<long long, 3> triple{};
    int inTriple = 0;
    bool garbage = false;
    qsizetype i = 0;
    int line = 1;
    const qsizetype n = bytes.size();
    const auto skipSeparators = [&] {
        for (; i < n && isSeparator(bytes[i]); ++i)
            line += bytes[i] == '\n';
    };
    while (i < n && palette.coloursRead < PaletteFile::kColours) {
        skipSeparators();
        if (i >= n)
            break;
        const qsizetype start = i;
        while (i < n && !isSeparator(bytes[i]))
            ++i;
        bool ok = false;
        const long long value = QByteArrayView(bytes).sliced(start, i - start).toLongLong(&ok);
        if (!ok) {
            garbage = true;
            palette.garbageLine = line;
            break;
        }
        if (value < 0 || value > 63)
            palette.componentsOutOfRange.append({line, value});
        triple[static_cast<std::size_t>(inTriple++)] = value;
        if (inTriple == 3) {
            const int index = palette.coloursRead++;
            const PalEntry entry{static_cast<std::int16_t>(screenComponent(triple[0])),
                                 static_cast<std::int16_t>(screenComponent(triple[1])),
                                 static_cast<std::int16_t>(screenComponent(triple[2]))};
            palette.entries[static_cast<std::size_t>(index)] = entry;
            palette.colours[static_cast<std::size_t>(index)] = qRgb(entry.red, entry.green, entry.blue);
            inTriple = 0;
        }
    }
    skipSeparators();
    if (!garbage && i < n)
        palette.extraNumberLine = line;
    for (int index = palette.coloursRead; index < PaletteFile::kColours; ++index) {
        const auto grey = static_cast<std::int16_t>(index);
        palette.entries[static_cast<std::size_t>(index)] = PalEntry{grey, grey, grey};
        palette.colours[static_cast<std::size_t>(index)] = fallbackGrey(index);
    }
    if (palette.coloursRead < PaletteFile::kColours) {
        palette.problem =
            QStringLiteral("The palette file GAMEDATA\\MASTER.PAL %1 only %2 of its 256 colours; "
                           "the missing colours are shown in grey.")
                .arg(garbage ? QStringLiteral("holds something that is not a number after") : QStringLiteral("holds"))
                .arg(palette.coloursRead);
    }
    return palette;
}

PaletteFile readPaletteFile(const QString &diskPath)
{
    const Result<QByteArray> bytes = readWholeFile(diskPath, kPaletteFileLimit);
    if (!bytes) {
        PaletteFile palette = parsePaletteFile(QByteArray());
        palette.problem = QStringLiteral("The palette file GAMEDATA\\MASTER.PAL could not be read: %1 "
                                         "A grey palette is used instead.")
                              .arg(bytes.error());
        return palette;
    }
    return parsePaletteFile(bytes.value());
}

QByteArray paletteFileBytes(const std::array<std::array<int, 3>, PaletteFile::kColours> &components)
{
    QByteArray text;
    text.reserve(PaletteFile::kColours * 16);
    char line[40];
    for (const auto &rgb : components) {
        char *end = line;
        for (std::size_t i = 0; i < rgb.size(); ++i) {
            if (i > 0)
                *end++ = ',';
            end = std::to_chars(end, line + sizeof line, rgb[i]).ptr;
        }
        *end++ = '\r';
        *end++ = '\n';
        text.append(line, end - line);
    }
    return text;
}

} // namespace tav
