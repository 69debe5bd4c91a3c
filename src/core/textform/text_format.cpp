#include "core/textform/text_format.h"

#include "core/common/windows1252.h"
#include "core/sprite/sprite_file.h"
#include "core/textform/formats.h"
#include "core/textform/json_path.h"

#include <QJsonArray>

namespace tav::textform {
namespace {

constexpr int kShownDifferences = 20;

QString quoted(const QString &line)
{
    constexpr int kLongest = 40;
    return QLatin1Char('\'') + (line.size() > kLongest ? line.left(kLongest) + QStringLiteral("...") : line) +
           QLatin1Char('\'');
}

} // namespace

bool NamedTextFormat::matchesName(const QString &fileName) const
{
    for (const QString &ending : m_endings)
        if (fileName.endsWith(ending, Qt::CaseInsensitive))
            return true;
    return false;
}

QStringList TextFormat::normalisations(const QByteArray &file, const QByteArray &written) const
{
    return textDifferences(file, written, *this);
}

QStringList TextFormat::showLines(const QJsonObject &dump) const
{
    QJsonObject fields = dump;
    fields.remove(QStringLiteral("format"));
    fields.remove(QStringLiteral("normalised"));
    QStringList lines{QStringLiteral("format: ") + dump.value(QStringLiteral("format")).toString()};
    lines += flatten(fields);
    for (const QJsonValue &note : dump.value(QStringLiteral("normalised")).toArray())
        lines.append(QStringLiteral("normalised: ") + note.toString());
    return lines;
}

namespace {

// One side of a comparison: the lines of a file as the format reads them.
struct LineWalk {
    LineWalk(const QByteArray &bytes, LoneCr loneCr)
        : scanner(bytes, loneCr)
    {
        advance();
    }
    void advance()
    {
        more = scanner.next(line);
        if (more) {
            ++lines;
            lastLineEnded = line.end != LineEnd::None;
            ends.count(line);
        }
    }

    LineScanner scanner;
    ScannedLine line;
    bool more = false;
    int lines = 0;
    bool lastLineEnded = true;
    StrayLineEnds ends;
};

} // namespace

QStringList textDifferences(const QByteArray &file, const QByteArray &written, const TextFormat &format)
{
    // Both files are walked side by side, line by line, without a list of
    // their lines: the cost is their length, whatever it is.
    LineWalk before(file, format.loneCr());
    LineWalk after(written, format.loneCr());
    QStringList lineNotes;
    int differing = 0;
    for (; before.more && after.more; before.advance(), after.advance()) {
        if (before.line.text == after.line.text || ++differing > kShownDifferences)
            continue;
        const QString name = format.lineName(before.line.number);
        lineNotes.append(QStringLiteral("line %1%2: %3 is written %4")
                             .arg(before.line.number)
                             .arg(name.isEmpty() ? QString() : QStringLiteral(" (") + name + QLatin1Char(')'))
                             .arg(quoted(decode1252(before.line.text)), quoted(decode1252(after.line.text))));
    }
    while (before.more)
        before.advance();
    while (after.more)
        after.advance();

    QStringList notes;
    const StrayLineEnds &ends = before.ends;
    if (ends.bareLf > 0)
        notes.append(QStringLiteral("%1 line(s) end in a bare LF (the first is line %2); written with CR LF")
                         .arg(ends.bareLf)
                         .arg(ends.firstBareLf));
    if (ends.loneCr > 0)
        notes.append(QStringLiteral("%1 line(s) end in a lone CR (the first is line %2), which the macro editor "
                                    "takes as a line break; written with CR LF")
                         .arg(ends.loneCr)
                         .arg(ends.firstLoneCr));
    if (!before.lastLineEnded && after.lastLineEnded && before.lines > 0)
        notes.append(QStringLiteral("the last line has no line end; written with CR LF"));
    notes += lineNotes;
    if (differing > kShownDifferences)
        notes.append(QStringLiteral("%1 more lines are written differently").arg(differing - kShownDifferences));
    if (before.lines > after.lines)
        notes.append(QStringLiteral("the file has %1 lines; lines %2 to %1 are not written (an incomplete last "
                                    "record, or lines the kit does not read)")
                         .arg(before.lines)
                         .arg(after.lines + 1));
    else if (before.lines < after.lines)
        notes.append(QStringLiteral("the file has %1 lines; lines %2 to %3 are written with the kit's values")
                         .arg(before.lines)
                         .arg(before.lines + 1)
                         .arg(after.lines));
    if (notes.isEmpty() && file != written)
        notes.append(QStringLiteral("the bytes of the file are written differently"));
    return notes;
}

const QList<const TextFormat *> &textFormats()
{
    static const QList<const TextFormat *> formats{
        &playerFormat(),    &unitFormat(),  &automapFormat(), &goalsFormat(),   &idleSoundsFormat(), &peopleFormat(),
        &itemNamesFormat(), &slotsFormat(), &skillFormat(),   &paletteFormat(), &spriteFormat(),     &macroFormat(),
    };
    return formats;
}

const TextFormat *formatById(const QString &id)
{
    for (const TextFormat *format : textFormats())
        if (format->id() == id)
            return format;
    return nullptr;
}

const TextFormat *formatOf(const QString &fileName, const QByteArray &bytes)
{
    for (const TextFormat *format : textFormats())
        if (format->matchesName(fileName))
            return format;
    if (bytes.startsWith(QByteArray(SpriteFileLayout::kLeadingHeader, SpriteFileLayout::kLeadingHeaderBytes)))
        return &spriteFormat();
    return nullptr;
}

} // namespace tav::textform
