#pragma once
// The long macros the benchmarks load, format, dump and check.

#include "core/macro/command_vocabulary.h"

#include <QByteArray>
#include <QStringList>

namespace tav::bench {

// A macro of `lines` lines in the shape designers write them: commands with
// their parameters (typed in lower case and indented, so the editor has to
// format them), comments, blank lines between sections.
inline QByteArray macroText(int lines)
{
    const QStringList &presets = commandPresets();
    QByteArray text = "%MAP BENCH\r\n'!A long macro for measuring\r\n";
    for (int i = 2; i < lines; ++i) {
        if (i % 25 == 0)
            text += "\r\n";
        else if (i % 7 == 0)
            text += "' step " + QByteArray::number(i) + "\r\n";
        else
            text += "  " + presets[i % presets.size()].toLower().toLatin1() + ' ' + QByteArray::number(i) + "\r\n";
    }
    return text;
}

} // namespace tav::bench
