#include "core/macro/macro_body.h"

#include "core/macro/macro_format.h"

#include <algorithm>
#include <iterator>

namespace tav {
namespace {

bool before(const TextPos &a, const TextPos &b)
{
    return a.line != b.line ? a.line < b.line : a.column < b.column;
}

} // namespace

MacroBody::MacroBody() = default;

QString MacroBody::joinedLines(QLatin1String lineBreak) const
{
    QString result;
    result.reserve(m_length);
    for (qsizetype i = 0; i < lineCount(); ++i) {
        if (i > 0)
            result += lineBreak;
        result += m_lines[i];
    }
    return result;
}

TextPos MacroBody::clampPos(TextPos pos) const
{
    pos.line = std::clamp<qsizetype>(pos.line, 0, lineCount() - 1);
    const qsizetype longest = line(pos.line).size() + (pos.line + 1 < lineCount() ? 1 : 0);
    pos.column = std::clamp<qsizetype>(pos.column, 0, longest);
    return pos;
}

TextPos MacroBody::positionOf(qsizetype offset) const
{
    return caretAfter(0, std::max<qsizetype>(offset, 0));
}

qsizetype MacroBody::offsetOf(TextPos pos) const
{
    pos = clampPos(pos);
    qsizetype offset = pos.column;
    for (qsizetype i = 0; i < pos.line; ++i)
        offset += line(i).size() + 2;
    return offset;
}

TextPos MacroBody::caretAfter(qsizetype line, qsizetype offset) const
{
    // Walk forward from the start of `line`; past the end of the body the
    // caret stops at its end.
    while (true) {
        const qsizetype length = this->line(line).size();
        if (offset <= length || line + 1 >= lineCount())
            return TextPos{line, std::min(offset, length)};
        if (offset == length + 1)
            return TextPos{line, offset};
        offset -= length + 2;
        ++line;
    }
}

TextPos MacroBody::caretBefore(qsizetype line, qsizetype offset) const
{
    // `offset` is negative: walk back over the unchanged lines above `line`.
    while (offset < 0) {
        if (line == 0)
            return TextPos{};
        --line;
        offset += this->line(line).size() + 2;
    }
    return TextPos{line, offset};
}

BodyChange MacroBody::apply(const BodyEdit &edit)
{
    const TextPos from = clampPos(edit.from);
    TextPos to = clampPos(edit.to);
    if (before(to, from))
        to = from;

    // The changed stretch runs from the start of the first touched line to
    // the CR after the last one (or the end of the body). Lines outside it
    // are already formatted, and the line breaks around it end its first and
    // last line, so formatting the stretch alone gives the lines that
    // formatting the whole body would give there.
    const qsizetype first = from.line;
    qsizetype last = to.line;
    QString stretch = line(first).left(from.column);
    if (from.column > line(first).size())
        stretch += QLatin1Char('\r');
    stretch += edit.inserted;
    if (to.column <= line(last).size()) {
        stretch += QStringView(line(last)).mid(to.column);
    } else {
        stretch += QLatin1Char('\n');
        ++last;
        stretch += line(last);
    }

    BodyChange change;
    change.firstLine = first;
    change.removedLines = last - first + 1;
    change.lines = formatLines(stretch, first == 0, &change.droppedPercents);

    change.removed.reserve(change.removedLines);
    for (qsizetype i = first; i <= last; ++i)
        change.removed.append(line(i));
    replaceLines(first, change.removedLines, change.lines);

    if (!edit.caret)
        change.caret = TextPos{};
    else if (*edit.caret < 0)
        change.caret = caretBefore(first, *edit.caret);
    else
        change.caret = caretAfter(first, *edit.caret);
    return change;
}

void MacroBody::replaceLines(qsizetype first, qsizetype count, const QStringList &lines)
{
    qsizetype removedLength = 2 * (count - 1);
    for (qsizetype i = first; i < first + count; ++i)
        removedLength += line(i).size();
    qsizetype addedLength = 2 * (lines.size() - 1);
    for (const QString &l : lines)
        addedLength += l.size();
    m_length += addedLength - removedLength;
    m_lines.replace(first, count, lines);
}

QStringList MacroBody::lines() const
{
    QStringList all;
    all.reserve(lineCount());
    for (qsizetype i = 0; i < lineCount(); ++i)
        all.append(m_lines[i]);
    return all;
}

BodyEdit MacroBody::presetInsertion(TextPos caret, const QString &preset) const
{
    caret = clampPos(caret);
    BodyEdit edit;
    edit.inserted = preset + QStringLiteral("\r\n");
    if (caret.line == 0 && caret.column == 0) {
        edit.caret = preset.size() + 2;
        return edit;
    }
    TextPos split{caret.line, caret.column - 1};
    if (caret.column == 0)
        split = TextPos{caret.line - 1, line(caret.line - 1).size() + 1};
    edit.from = edit.to = split;
    edit.caret = split.column + 1 + preset.size() + 2;
    return edit;
}

} // namespace tav
