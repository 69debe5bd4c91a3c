#pragma once

#include "core/macro/line_store.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace tav {

// A place in a macro body: a line and the number of characters before it in
// that line. Column length + 1 stands between the CR and the LF of the line
// break that ends the line.
struct TextPos {
    qsizetype line = 0;
    qsizetype column = 0;
    friend bool operator==(const TextPos &, const TextPos &) = default;
};

// One change of the body: the characters from `from` to `to` are replaced by
// `inserted` (raw text, its line breaks as typed: CR LF, CR or LF).
struct BodyEdit {
    TextPos from;
    TextPos to;
    QString inserted;
    // The caret after the change, in characters from the start of line
    // `from.line` of the changed text (negative: before that line). Without
    // a value the caret is at the start of the body, as after the whole text
    // was assigned.
    std::optional<qsizetype> caret;
};

// What the formatting did: lines [firstLine, firstLine + removedLines) of the
// body before the change were replaced by `lines`.
struct BodyChange {
    qsizetype firstLine = 0;
    qsizetype removedLines = 0;
    QStringList lines;
    // The lines that were replaced, as they were.
    QStringList removed;
    TextPos caret;
    // Where each dropped "%" stood in the changed text, counted from the start
    // of `firstLine`; one warning is due for each, in this order.
    QList<qsizetype> droppedPercents;
};

// The formatted text of the macro editor, held as lines. Applying a change
// gives exactly what formatting the whole changed body would give (same
// text, caret and dropped "%" characters), at a cost that follows the lines
// the change touches rather than the size of the body: lines away from a
// change are already formatted and stay as they are.
class MacroBody {
public:
    MacroBody();

    qsizetype lineCount() const { return m_lines.size(); }
    const QString &line(qsizetype index) const { return m_lines[index]; }
    qsizetype length() const { return m_length; }

    // The whole text with CR LF line breaks.
    QString text() const { return joinedLines(QLatin1String("\r\n")); }
    // The lines joined by `lineBreak`.
    QString joinedLines(QLatin1String lineBreak) const;

    BodyChange apply(const BodyEdit &edit);
    // Puts formatted lines back in place of `count` lines from `first` on
    // (undo and redo of a change); `lines` holds one line at least.
    void replaceLines(qsizetype first, qsizetype count, const QStringList &lines);
    // All lines, in order.
    QStringList lines() const;

    // The body place of a character count, and back (cost grows with the
    // line number; for tests and whole-body work).
    TextPos positionOf(qsizetype offset) const;
    qsizetype offsetOf(TextPos pos) const;

    // The edit that inserts a preset as a line with the caret at `caret`
    // (split one character before the caret, caret moved past the preset
    // and its line break).
    BodyEdit presetInsertion(TextPos caret, const QString &preset) const;

private:
    TextPos clampPos(TextPos pos) const;
    TextPos caretAfter(qsizetype line, qsizetype offset) const;
    TextPos caretBefore(qsizetype line, qsizetype offset) const;

    LineStore m_lines;
    qsizetype m_length = 0;
};

} // namespace tav
