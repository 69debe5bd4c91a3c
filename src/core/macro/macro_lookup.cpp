#include "core/macro/macro_lookup.h"

#include "core/definitions/goal_list.h"
#include "core/definitions/idle_sounds.h"
#include "core/macro/macro_line.h"

namespace tav {
namespace {

QString soundPath(const QString &fileName)
{
    return kSoundsFolder + QLatin1Char('\\') + fileName;
}

std::optional<int> numberIn(QStringView text)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    return ok ? std::optional<int>(number) : std::nullopt;
}

QString formAndDescription(int preset, const MacroGameData &data)
{
    const QString description = data.help.description(preset);
    return description.isEmpty() ? commandPresets()[preset]
                                 : commandPresets()[preset] + QLatin1Char('\n') + description;
}

QString commandText(const MacroLine &line, const MacroGameData &data)
{
    if (line.preset >= 0)
        return formAndDescription(line.preset, data);
    QStringList forms;
    const QList<PresetForm> &presets = presetForms();
    for (int i = firstPresetWithCode(line.code); i >= 0 && i < presets.size(); ++i)
        if (presets[i].code == line.code)
            forms.append(formAndDescription(i, data));
    return forms.join(QStringLiteral("\n\n"));
}

QString valueText(const MacroField &field, QStringView text, const MacroLine &line, const MacroGameData &data)
{
    const std::optional<int> number = numberIn(text);
    switch (field.kind) {
    case FieldKind::ItemNumber:
        if (!data.itemsRead)
            return QStringLiteral("Item %1 (%2 cannot be read)").arg(text.toString(), kItemNamesPath);
        if (number && *number >= 1 && *number <= data.itemNames.size())
            return QStringLiteral("Item %1: %2").arg(*number).arg(data.itemNames[*number - 1]);
        return QStringLiteral("Item %1 is not in %2, which holds items 1 to %3.")
            .arg(text.toString(), kItemNamesPath)
            .arg(data.itemNames.size());
    case FieldKind::GoalNumber:
        if (!data.goalsRead)
            return QStringLiteral("Goal %1 (%2 cannot be read)").arg(text.toString(), kGoalsPath);
        if (number && *number >= 0 && *number < data.goals.size())
            return QStringLiteral("Goal %1: %2").arg(*number).arg(data.goals[*number]);
        return QStringLiteral("Goal %1 is not in %2, which holds goals 0 to %3.")
            .arg(text.toString(), kGoalsPath)
            .arg(data.goals.size() - 1);
    case FieldKind::SoundName:
        if (const SoundFile *sound = data.findSound(text))
            return soundPath(sound->fileName);
        return QStringLiteral("%1 holds no sound %2.").arg(kSoundsFolder, text.toString() + QStringLiteral(".wav"));
    default:
        return QStringLiteral("%1 of %2")
            .arg(presetForms()[line.preset].fields[field.index].text, formAndDescription(line.preset, data));
    }
}

} // namespace

std::optional<MacroHover> hoverMacroLine(QStringView line, qsizetype column, const MacroGameData &data)
{
    const MacroLine parsed = parseMacroLine(line);
    if (parsed.kind != LineKind::Command || !isKnownCommandCode(parsed.code))
        return std::nullopt;
    if (column >= parsed.codeStart && column <= parsed.codeEnd())
        return MacroHover{parsed.codeStart, parsed.codeEnd(), commandText(parsed, data)};
    const int index = parsed.fieldAt(column);
    if (index < 0)
        return std::nullopt;
    const MacroField &field = parsed.fields[index];
    const QString text =
        field.kind == FieldKind::Literal ? commandText(parsed, data) : valueText(field, field.text(line), parsed, data);
    return MacroHover{field.start, field.end, text};
}

std::optional<DefinitionTarget> definitionAt(QStringView line, qsizetype column, const MacroGameData &data)
{
    const MacroLine parsed = parseMacroLine(line);
    const int index = parsed.fieldAt(column);
    if (index < 0)
        return std::nullopt;
    const MacroField &field = parsed.fields[index];
    const QStringView text = field.text(line);
    const std::optional<int> number = numberIn(text);
    switch (field.kind) {
    case FieldKind::GoalNumber:
        if (number && *number >= 0 && *number < data.goals.size())
            return DefinitionTarget{field.kind, *number, kGoalsPath, *number};
        break;
    case FieldKind::ItemNumber:
        if (number && *number >= 1 && *number <= data.itemNames.size())
            return DefinitionTarget{field.kind, *number, kItemNamesPath, MacroGameData::itemNameLine(*number)};
        break;
    case FieldKind::SoundName:
        if (const SoundFile *sound = data.findSound(text))
            return DefinitionTarget{field.kind, -1, soundPath(sound->fileName), -1};
        break;
    default:
        break;
    }
    return std::nullopt;
}

} // namespace tav
