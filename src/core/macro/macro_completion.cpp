#include "core/macro/macro_completion.h"

#include "core/definitions/idle_sounds.h"
#include "core/macro/macro_line.h"

#include <algorithm>

namespace tav {
namespace {

constexpr QChar kBlank = QLatin1Char(' ');

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

// The field of a preset that the caret stands in, read from the line up to the
// caret: the word it ends, or a new field after a blank.
struct FieldAtCaret {
    int index = -1;
    qsizetype start = 0;
    qsizetype literalStart = -1; // where a joined literal before it starts
};

std::optional<FieldAtCaret> fieldAtCaret(QStringView left, qsizetype codeStart, int preset)
{
    const PresetMatch match = readAsPreset(left, codeStart, preset);
    const QList<PresetField> &fields = presetForms()[preset].fields;
    QList<MacroField> before = match.fields;
    FieldAtCaret at;
    if (left.endsWith(kBlank) || before.isEmpty()) {
        at.index = match.nextField;
        at.start = left.size();
    } else {
        at.index = before.last().index;
        at.start = before.last().start;
        before.removeLast();
    }
    if (at.index >= fields.size() || fields[at.index].toLineEnd)
        return std::nullopt;
    for (const MacroField &field : before)
        if (field.kind == FieldKind::Literal && field.text(left) != fields[field.index].text)
            return std::nullopt;
    if (!before.isEmpty() && fields[before.last().index].joined && before.last().end == at.start)
        at.literalStart = before.last().start;
    return at;
}

QString descriptionOf(int preset, const MacroGameData &data)
{
    const QString description = data.help.description(preset);
    return description.isEmpty() ? commandPresets()[preset]
                                 : commandPresets()[preset] + QStringLiteral(": ") + description;
}

void addValues(QList<CompletionEntry> &entries, QStringView left, int preset, const FieldAtCaret &at,
               const MacroGameData &data)
{
    const QList<PresetField> &fields = presetForms()[preset].fields;
    const PresetField &field = fields[at.index];
    const QStringView typed = left.mid(at.start);
    const QString after = at.index + 1 < fields.size() && !field.joined ? QString(kBlank) : QString();
    // A value joined to a letter (the "s" of "POS sName") goes in with it, so
    // that it is one word as editors see words.
    const bool withLiteral = at.literalStart >= 0 && isWordCharacter(left[at.literalStart]);
    const QString literal = withLiteral ? left.mid(at.literalStart, at.start - at.literalStart).toString() : QString();
    const qsizetype from = withLiteral ? at.literalStart : at.start;
    auto add = [&](CompletionKind kind, const QString &label, const QString &detail) {
        entries.append({kind, label, detail, literal + label + after, from});
    };
    switch (field.kind) {
    case FieldKind::Literal:
        if (field.text.startsWith(typed, field.joined ? Qt::CaseSensitive : Qt::CaseInsensitive))
            add(CompletionKind::Literal, field.text, descriptionOf(preset, data));
        break;
    case FieldKind::ItemNumber:
        for (qsizetype k = 1; k <= data.itemNames.size(); ++k) {
            const QString number = QString::number(k);
            if (number.startsWith(typed))
                add(CompletionKind::Item, number, data.itemNames[k - 1]);
        }
        break;
    case FieldKind::GoalNumber:
        for (qsizetype n = 0; n < data.goals.size(); ++n) {
            const QString number = QString::number(n);
            if (number.startsWith(typed))
                add(CompletionKind::Goal, number, data.goals[n]);
        }
        break;
    case FieldKind::SoundName:
        for (const SoundFile &sound : data.sounds)
            if (sound.name.startsWith(typed, Qt::CaseInsensitive))
                add(CompletionKind::Sound, sound.name, kSoundsFolder + QLatin1Char('\\') + sound.fileName);
        break;
    default:
        break;
    }
}

} // namespace

QString commandInsertText(int preset)
{
    const PresetForm &form = presetForms()[preset];
    QString text = form.code;
    if (form.hasParameters())
        text += kBlank;
    for (qsizetype i = 0; i < form.fields.size() && form.fields[i].kind == FieldKind::Literal; ++i) {
        text += form.fields[i].text;
        if (!form.fields[i].joined && i + 1 < form.fields.size())
            text += kBlank;
    }
    return text;
}

QList<CompletionEntry> completeMacroLine(QStringView line, qsizetype column, const MacroGameData &data)
{
    column = std::clamp<qsizetype>(column, 0, line.size());
    const QStringView left = line.left(column);
    const MacroLine parsed = parseMacroLine(line);
    if (parsed.kind != LineKind::Command && parsed.kind != LineKind::Empty)
        return {};
    const qsizetype codeStart = parsed.codeStart;
    if (column < codeStart)
        return {};

    QList<CompletionEntry> entries;
    const QStringView typed = left.mid(codeStart);
    if (typed.size() <= 3 && !typed.contains(kBlank)) {
        const QList<PresetForm> &forms = presetForms();
        for (int i = 0; i < forms.size(); ++i)
            if (forms[i].code.startsWith(typed, Qt::CaseInsensitive))
                entries.append({CompletionKind::Command, commandPresets()[i], data.help.description(i),
                                commandInsertText(i), codeStart});
        return entries;
    }

    if (typed[3] != kBlank)
        return {};
    const QList<PresetForm> &forms = presetForms();
    for (int i = firstPresetWithCode(parsed.code); i >= 0 && i < forms.size(); ++i) {
        if (forms[i].code != parsed.code)
            continue;
        if (const std::optional<FieldAtCaret> at = fieldAtCaret(left, codeStart, i))
            addValues(entries, left, i, *at, data);
    }
    return entries;
}

} // namespace tav
