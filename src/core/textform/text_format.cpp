#include "core/textform/text_format.h"

#include "core/common/text_file.h"
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

QStringList textDifferences(const QByteArray &file, const QByteArray &written, const TextFormat &format)
{
    const TextFile before = TextFile::fromBytes(file);
    const TextFile after = TextFile::fromBytes(written);
    QStringList notes;
    if (before.bareLfLines > 0)
        notes.append(QStringLiteral("%1 line(s) end in a bare LF (the first is line %2); written with CR LF")
                         .arg(before.bareLfLines)
                         .arg(before.firstBareLfLine));
    if (!before.lastLineEnded && after.lastLineEnded && !before.lines.isEmpty())
        notes.append(QStringLiteral("the last line has no line end; written with CR LF"));
    const qsizetype common = std::min(before.lines.size(), after.lines.size());
    int differing = 0;
    for (qsizetype i = 0; i < common; ++i) {
        if (before.lines[i] == after.lines[i])
            continue;
        if (++differing > kShownDifferences)
            continue;
        const QString name = format.lineName(int(i) + 1);
        notes.append(QStringLiteral("line %1%2: %3 is written %4")
                         .arg(i + 1)
                         .arg(name.isEmpty() ? QString() : QStringLiteral(" (") + name + QLatin1Char(')'))
                         .arg(quoted(before.lines[i]), quoted(after.lines[i])));
    }
    if (differing > kShownDifferences)
        notes.append(QStringLiteral("%1 more lines are written differently").arg(differing - kShownDifferences));
    if (before.lines.size() > after.lines.size())
        notes.append(QStringLiteral("the file has %1 lines; lines %2 to %1 are not written (an incomplete last "
                                    "record, or lines the kit does not read)")
                         .arg(before.lines.size())
                         .arg(after.lines.size() + 1));
    else if (before.lines.size() < after.lines.size())
        notes.append(QStringLiteral("the file has %1 lines; lines %2 to %3 are written with the kit's values")
                         .arg(before.lines.size())
                         .arg(before.lines.size() + 1)
                         .arg(after.lines.size()));
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
