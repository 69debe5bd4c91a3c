#include "core/check/rules.h"

#include "core/sprite/palette_file.h"

namespace tav::check {
namespace {

// A palette of 8-bit components would give 768 findings; the first few say enough.
constexpr int kComponentsReported = 10;

} // namespace

void checkPalette(CheckContext &context)
{
    const ListedEntry *entry = context.require(context.listing.gamedata, QStringLiteral("MASTER.PAL"), Severity::Error);
    if (!entry)
        return;
    const std::optional<QByteArray> bytes = context.read(*entry, kPaletteFileLimit);
    if (!bytes)
        return;
    const TextFile text = TextFile::fromBytes(*bytes);
    context.warnAboutBareLineEnds(*entry, text);
    const auto lineText = [&text](int line) { return quoted(text.lines.value(line - 1)); };
    const QString fix = QStringLiteral("each line is three numbers 0-63 separated by commas");
    const PaletteFile palette = parsePaletteFile(*bytes);
    const QString &file = entry->gamePath;
    Findings &findings = context.findings;

    const qsizetype outOfRange = palette.componentsOutOfRange.size();
    for (qsizetype i = 0; i < qMin<qsizetype>(outOfRange, kComponentsReported); ++i)
        findings
            .error(file, palette.componentsOutOfRange[i].line, "palette-range",
                   QStringLiteral("colour component %1 in %2 is not 0 to 63")
                       .arg(palette.componentsOutOfRange[i].value)
                       .arg(lineText(palette.componentsOutOfRange[i].line)))
            .note = fix;
    if (outOfRange > kComponentsReported)
        findings.error(
            file, 0, "palette-range",
            QStringLiteral("%1 more colour components are not 0 to 63").arg(outOfRange - kComponentsReported));

    if (palette.garbageLine > 0)
        findings
            .error(file, palette.garbageLine, "palette-number",
                   QStringLiteral("%1 holds something that is not a number (after %2 complete colours)")
                       .arg(lineText(palette.garbageLine))
                       .arg(palette.coloursRead))
            .note = fix;
    else if (palette.coloursRead < PaletteFile::kColours)
        findings.error(file, 0, "palette-count",
                       QStringLiteral("holds only %1 complete colours; the palette has 768 numbers, 3 for each of "
                                      "256 colours")
                           .arg(palette.coloursRead));
    if (palette.extraNumberLine > 0)
        findings.error(file, palette.extraNumberLine, "palette-count",
                       QStringLiteral("holds more than 768 numbers; those from here on are never read"));
}

} // namespace tav::check
