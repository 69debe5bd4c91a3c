#include "core/macro/command_help.h"

#include "core/macro/command_vocabulary.h"

namespace tav {
namespace {

bool isIndent(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// The preset whose entry a help line starts, or -1.
int entryPreset(const QString &line)
{
    const QStringList &presets = commandPresets();
    int found = -1;
    for (int i = 0; i < presets.size(); ++i) {
        const QString &preset = presets[i];
        if (line.startsWith(preset) && (line.size() == preset.size() || isIndent(line[preset.size()])) &&
            (found < 0 || preset.size() > presets[found].size()))
            found = i;
    }
    return found;
}

} // namespace

CommandHelp CommandHelp::fromLines(const QStringList &lines)
{
    CommandHelp help;
    const qsizetype presets = commandPresets().size();
    help.m_descriptions.resize(presets);
    help.m_lines.fill(-1, presets);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines[i];
        if (line.isEmpty() || isIndent(line[0]))
            continue;
        const int preset = entryPreset(line);
        if (preset < 0 || help.m_lines[preset] >= 0)
            continue;
        QStringList parts{line.mid(commandPresets()[preset].size()).trimmed()};
        for (qsizetype next = i + 1; next < lines.size() && !lines[next].isEmpty() && isIndent(lines[next][0]); ++next)
            parts.append(lines[next].trimmed());
        parts.removeAll(QString());
        help.m_descriptions[preset] = parts.join(QLatin1Char(' '));
        help.m_lines[preset] = int(i);
    }
    return help;
}

} // namespace tav
