#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace tav {

// Live formatting of a macro body. The body holds its line breaks as CR LF;
// a caret is the number of characters before it, a line break counting two.

inline const QString kPercentWarning = QStringLiteral("Preprocessor parameters are only allowed in the 1st line!");
inline const QString kPercentWarningTitle = QStringLiteral("Warning!");

// Formats one line (without its line break): leading blanks go; a "%" line
// becomes upper case as a whole; a command line whose 4th character is a
// blank gets its three-character code in upper case; anything else is kept.
QString AutoFormat(QStringView line);

// The formatted lines of a stretch of body text: LF characters are dropped,
// each CR ends a line, every line goes through AutoFormat, and a "%" is
// dropped unless it is the very first character of the body (`atBodyStart`
// says whether the stretch begins there). The positions of the dropped "%"
// characters, counted from the start of the stretch, are appended to
// `droppedPercents` in order.
QStringList formatLines(QStringView text, bool atBodyStart, QList<qsizetype> *droppedPercents);

struct FormattedBody {
    QString text;
    qsizetype caret = 0;
    // Where each dropped "%" stood in the text before formatting; one warning
    // is due for each.
    QList<qsizetype> droppedPercents;
};

// The formatting pass over a whole body after a change: every line break
// becomes CR LF, each line is formatted, misplaced "%" characters are
// dropped, and the caret stays at the same count of characters (within the
// new text).
FormattedBody formatBody(const QString &text, qsizetype caret);

// The preset to select for the line being typed: when `column` (the caret's
// place in `line`) is 4, the first preset with the line's code in upper case;
// -1 otherwise or without a match.
int presetForLine(QStringView line, qsizetype column);

// The same for a caret in a whole body.
int presetForCaret(const QString &body, qsizetype caret);

// Inserting a preset as a line: the body is split one character before the
// caret (at its very start when the caret is at 0), the preset and a CR LF go
// in between, the result is formatted, and the caret moves past the preset
// and its line break.
FormattedBody insertPreset(const QString &body, qsizetype caret, const QString &preset);

} // namespace tav
