#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tav {

inline const QString kCommandHelpPath = QStringLiteral("HELP\\CMDHelp.txt");

// The descriptions of the command presets in the help text HELP\CMDHelp.txt.
// An entry is a line that starts at its first column with a preset's text
// (the longest that matches, followed by a blank or the line's end); its
// description is the rest of that line after the blanks, then the indented
// lines that follow, joined into one paragraph. The first entry of a preset
// counts.
class CommandHelp {
public:
    CommandHelp() = default;
    static CommandHelp fromLines(const QStringList &lines);

    // The description of preset `preset`; empty when the help has no entry.
    QString description(int preset) const { return m_descriptions.value(preset); }
    // The line of its entry in the help text, from 0; -1 when there is none.
    int line(int preset) const { return m_lines.value(preset, -1); }

private:
    QStringList m_descriptions;
    QList<int> m_lines;
};

} // namespace tav
