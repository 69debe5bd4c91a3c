#pragma once

#include "core/macro/command_vocabulary.h"

#include <QList>
#include <QString>
#include <QStringView>

namespace tav {

// How a macro line reads, after its leading blanks.
enum class LineKind {
    Empty,        // nothing but blanks
    Preprocessor, // "%..."
    InfoComment,  // "'!..."
    Comment,      // "'..."
    Command,      // anything else: a command code and its parameters
};

// One field of a command line as written: where it stands in the line
// ([start, end), columns counted in characters from the start of the line)
// and what it holds.
struct MacroField {
    qsizetype start = 0;
    qsizetype end = 0;
    FieldKind kind = FieldKind::Number;
    int index = 0; // the field of the preset, from 0

    QStringView text(QStringView line) const { return line.mid(start, end - start); }
    friend bool operator==(const MacroField &, const MacroField &) = default;
};

// A line read against one preset.
struct PresetMatch {
    QList<MacroField> fields;
    // No literal of the preset is contradicted by what the line holds (a
    // literal the line has not reached yet contradicts nothing).
    bool literalsAgree = true;
    // Every field of the line has a field of the preset to go to.
    bool fits = true;
    int literals = 0;  // literals that the line holds as the preset has them
    int nextField = 0; // the preset field that a further word would fill
};

// A macro line: its kind, its command and the fields of the preset it follows.
struct MacroLine {
    LineKind kind = LineKind::Empty;
    qsizetype codeStart = 0; // the first character after the leading blanks
    QString code;            // a command line's first three characters, in upper case
    // The preset the line follows: of those with its code whose literals the
    // line holds, the one it fits, holding most literals, first in the preset
    // order; -1 when there is none (an unknown code, a 4th character that is
    // no blank, a literal missing or one that no preset has).
    int preset = -1;
    QList<MacroField> fields; // as that preset reads them

    qsizetype codeEnd() const { return codeStart + code.size(); }
    // The field whose span holds `column` (its end included; the later one
    // where two meet), or -1.
    int fieldAt(qsizetype column) const;
};

// Reads one line (without its line break).
MacroLine parseMacroLine(QStringView line);

// Reads the parameters of a command line, those after its code and one
// blank from `codeStart` on, as preset `preset` has them.
PresetMatch readAsPreset(QStringView line, qsizetype codeStart, int preset);

} // namespace tav
