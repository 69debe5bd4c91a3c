#include "core/macro/macro_syntax.h"

#include "core/macro/macro_line.h"

#include <optional>

namespace tav {
namespace {

// Digits, with a sign before them ("-2", "+3").
bool isNumber(QStringView text)
{
    if (text.startsWith(QLatin1Char('+')) || text.startsWith(QLatin1Char('-')))
        text = text.mid(1);
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

std::optional<MacroStyle> fieldStyle(const MacroField &field, QStringView line)
{
    if (field.start == field.end)
        return std::nullopt;
    switch (field.kind) {
    case FieldKind::Literal:
        return MacroStyle::Operator;
    case FieldKind::Text:
    case FieldKind::UnitName:
        return MacroStyle::MessageText;
    default:
        return isNumber(field.text(line)) ? std::optional(MacroStyle::Number) : std::nullopt;
    }
}

} // namespace

QList<StyledSpan> styleMacroLine(QStringView line)
{
    const MacroLine parsed = parseMacroLine(line);
    const qsizetype start = parsed.codeStart;
    const qsizetype rest = line.size() - start;
    switch (parsed.kind) {
    case LineKind::Empty:
        return {};
    case LineKind::Preprocessor:
        return {{start, rest, MacroStyle::Preprocessor}};
    case LineKind::InfoComment:
        return {{start, rest, MacroStyle::InfoComment}};
    case LineKind::Comment:
        return {{start, rest, MacroStyle::Comment}};
    case LineKind::Command:
        break;
    }
    QList<StyledSpan> spans{{start, parsed.code.size(),
                             isKnownCommandCode(parsed.code) ? MacroStyle::Command : MacroStyle::UnknownCommand}};
    if (parsed.preset >= 0) {
        for (const MacroField &field : parsed.fields)
            if (const std::optional<MacroStyle> style = fieldStyle(field, line))
                spans.append({field.start, field.end - field.start, *style});
        return spans;
    }
    // A line no preset reads: its numbers still stand out.
    for (qsizetype pos = parsed.codeEnd(); pos < line.size();) {
        while (pos < line.size() && line[pos] == QLatin1Char(' '))
            ++pos;
        qsizetype end = pos;
        while (end < line.size() && line[end] != QLatin1Char(' '))
            ++end;
        if (pos > parsed.codeEnd() && isNumber(line.mid(pos, end - pos)))
            spans.append({pos, end - pos, MacroStyle::Number});
        pos = end;
    }
    return spans;
}

} // namespace tav
