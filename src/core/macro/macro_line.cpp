#include "core/macro/macro_line.h"

#include "core/common/windows1252.h"

#include <optional>

namespace tav {
namespace {

constexpr QChar kBlank = QLatin1Char(' ');

qsizetype skipBlanks(QStringView line, qsizetype from)
{
    while (from < line.size() && line[from] == kBlank)
        ++from;
    return from;
}

qsizetype wordEnd(QStringView line, qsizetype from)
{
    while (from < line.size() && line[from] != kBlank)
        ++from;
    return from;
}

// Whether `candidate` is a better reading of the line than `best`.
bool betterMatch(const PresetMatch &candidate, const PresetMatch &best)
{
    if (candidate.fits != best.fits)
        return candidate.fits;
    if (candidate.literals != best.literals)
        return candidate.literals > best.literals;
    // A line longer than every preset is read by the preset that takes most of it.
    return !candidate.fits && candidate.fields.size() > best.fields.size();
}

// Whether the preset has a literal that a line read up to field `next` lacks.
bool holdsLiteralBeyond(const PresetForm &form, int next)
{
    for (qsizetype i = next; i < form.fields.size(); ++i)
        if (form.fields[i].kind == FieldKind::Literal)
            return true;
    return false;
}

} // namespace

int MacroLine::fieldAt(qsizetype column) const
{
    int found = -1;
    for (int i = 0; i < fields.size(); ++i)
        if (fields[i].start <= column && column <= fields[i].end)
            found = i;
    return found;
}

PresetMatch readAsPreset(QStringView line, qsizetype codeStart, int preset)
{
    PresetMatch match;
    const qsizetype paramsStart = codeStart + 3;
    if (preset < 0 || preset >= presetForms().size() || paramsStart > line.size())
        return match;
    if (paramsStart < line.size() && line[paramsStart] != kBlank) {
        match.fits = false;
        return match;
    }
    const QList<PresetField> &fields = presetForms()[preset].fields;
    const qsizetype size = line.size();
    qsizetype pos = paramsStart;
    int next = 0;
    while ((pos = skipBlanks(line, pos)) < size) {
        if (next >= fields.size()) {
            match.fits = false;
            break;
        }
        const PresetField &field = fields[next];
        const qsizetype end = field.toLineEnd ? size : wordEnd(line, pos);
        const QStringView word = line.mid(pos, end - pos);
        if (field.kind != FieldKind::Literal) {
            match.fields.append({pos, end, field.kind, next++});
        } else if (field.joined && next + 1 < fields.size() && word.startsWith(field.text)) {
            // The literal, then the field joined to it: the rest of the word.
            const qsizetype split = pos + field.text.size();
            match.fields.append({pos, split, FieldKind::Literal, next++});
            ++match.literals;
            const PresetField &joinedField = fields[next];
            const qsizetype joinedEnd = joinedField.toLineEnd ? size : end;
            match.fields.append({split, joinedEnd, joinedField.kind, next++});
            pos = joinedEnd;
            continue;
        } else {
            if (word == field.text)
                ++match.literals;
            else
                match.literalsAgree = false;
            match.fields.append({pos, end, FieldKind::Literal, next});
            next += field.joined ? 2 : 1;
        }
        pos = end;
    }
    match.nextField = next;
    return match;
}

MacroLine parseMacroLine(QStringView line)
{
    MacroLine result;
    result.codeStart = skipBlanks(line, 0);
    const QStringView rest = line.mid(result.codeStart);
    if (rest.isEmpty())
        return result;
    if (rest.startsWith(QLatin1Char('%'))) {
        result.kind = LineKind::Preprocessor;
        return result;
    }
    if (rest.startsWith(QLatin1String("'!"))) {
        result.kind = LineKind::InfoComment;
        return result;
    }
    if (rest.startsWith(QLatin1Char('\''))) {
        result.kind = LineKind::Comment;
        return result;
    }
    result.kind = LineKind::Command;
    result.code = upperCaseIn1252(commandCode(rest).toString());

    std::optional<PresetMatch> best;
    const QList<PresetForm> &forms = presetForms();
    for (int i = firstPresetWithCode(result.code); i >= 0 && i < forms.size(); ++i) {
        if (forms[i].code != result.code)
            continue;
        PresetMatch match = readAsPreset(line, result.codeStart, i);
        if (!match.literalsAgree || holdsLiteralBeyond(forms[i], match.nextField))
            continue;
        if (!best || betterMatch(match, *best)) {
            result.preset = i;
            best = std::move(match);
        }
    }
    if (best && (best->fits || !best->fields.isEmpty()))
        result.fields = best->fields;
    else
        result.preset = -1;
    return result;
}

} // namespace tav
