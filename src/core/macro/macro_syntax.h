#pragma once

#include <QList>
#include <QStringView>

namespace tav {

// The parts of a macro line that are shown each in a style of their own.
enum class MacroStyle {
    Command,        // a command code of the vocabulary
    UnknownCommand, // any other code
    Number,         // a number in the parameters
    Operator,       // a literal operator or word of the preset ("+", "?", "ON", the "s" of "POS s")
    MessageText,    // free text to the end of the line (a message, a name)
    Comment,        // a "'" line
    InfoComment,    // a "'!" line
    Preprocessor,   // a "%" line
};

struct StyledSpan {
    qsizetype start = 0;
    qsizetype length = 0;
    MacroStyle style = MacroStyle::Command;
    friend bool operator==(const StyledSpan &, const StyledSpan &) = default;
};

// The styled parts of one line, in order; what no span covers is plain.
QList<StyledSpan> styleMacroLine(QStringView line);

} // namespace tav
