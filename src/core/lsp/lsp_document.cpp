#include "core/lsp/lsp_document.h"

#include "core/common/windows1252.h"

#include <algorithm>

namespace tav::lsp {
namespace {

bool standsForAByte(QChar c)
{
    return c.unicode() >= 0x80 && c.unicode() <= 0x9F;
}

} // namespace

QStringList splitLines(QStringView text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('\r') && text[i] != QLatin1Char('\n'))
            continue;
        lines.append(text.mid(start, i - start).toString());
        if (text[i] == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    lines.append(text.mid(start).toString());
    return lines;
}

Document::Document(QStringView text)
    : m_lines(splitLines(text))
{
}

void Document::replaceAll(QStringView text)
{
    m_lines = splitLines(text);
}

Position Document::clamp(Position position) const
{
    if (position.line < 0)
        return {0, 0};
    if (position.line >= m_lines.size())
        return {m_lines.size() - 1, m_lines.last().size()};
    return {position.line, std::clamp<qsizetype>(position.character, 0, m_lines[position.line].size())};
}

void Document::replace(Position from, Position to, QStringView text)
{
    from = clamp(from);
    to = clamp(to);
    if (to.line < from.line || (to.line == from.line && to.character < from.character))
        std::swap(from, to);
    QString joined = m_lines[from.line].left(from.character);
    joined.append(text);
    joined.append(QStringView(m_lines[to.line]).mid(to.character));
    const QStringList replacement = splitLines(joined);
    const qsizetype removed = to.line - from.line + 1;
    const qsizetype common = std::min(removed, replacement.size());
    for (qsizetype i = 0; i < common; ++i)
        m_lines[from.line + i] = replacement[i];
    if (replacement.size() > removed) {
        m_lines.insert(from.line + removed, replacement.size() - removed, QString());
        for (qsizetype i = removed; i < replacement.size(); ++i)
            m_lines[from.line + i] = replacement[i];
    } else {
        m_lines.remove(from.line + common, removed - common);
    }
}

QString gameText(QString line)
{
    if (std::none_of(line.cbegin(), line.cend(), standsForAByte))
        return line;
    for (QChar &c : line)
        if (standsForAByte(c))
            c = decode1252(QByteArray(1, char(c.unicode()))).at(0);
    return line;
}

QStringList Document::gameLines() const
{
    QStringList lines = m_lines;
    for (QString &line : lines)
        line = gameText(std::move(line));
    return lines;
}

QList<UnwritableCharacter> Document::unwritableCharacters() const
{
    QList<UnwritableCharacter> found;
    for (qsizetype l = 0; l < m_lines.size(); ++l) {
        const QString &line = m_lines[l];
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (standsForAByte(line[i]) || isRepresentableIn1252(line[i]))
                continue;
            const qsizetype length = line[i].isHighSurrogate() && i + 1 < line.size() ? 2 : 1;
            found.append({l, i, length, line.mid(i, length)});
            i += length - 1;
        }
    }
    return found;
}

} // namespace tav::lsp
