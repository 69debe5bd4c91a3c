#pragma once

#include "core/macro/macro_syntax.h"

#include <QList>
#include <QObject>
#include <QTextCharFormat>
#include <QTextLayout>

class QPlainTextEdit;
class QTextBlock;

namespace tav {

// Colours the macro body: command codes, unknown codes, numbers, operators,
// message text, comments, the info comment and the preprocessor line, each
// in its own style. Colours live in the lines' layouts, apart from the text,
// so the text, its live formatting and the saved bytes stay as they are, and
// no undo step is made.
//
// A line changed on its own (a keystroke) is coloured as it changes; the
// lines of a larger change, such as a macro loaded, just before they are
// painted. So a long macro loads as fast as without colours, and a keystroke
// lays out and repaints its own line once. (A QSyntaxHighlighter colours
// every line of a loaded macro at once.) The body's text layout must be a
// MacroTextLayout, which keeps a change of one line to that line.
class MacroHighlighter : public QObject {
    Q_OBJECT
public:
    explicit MacroHighlighter(QPlainTextEdit *edit);

    static QTextCharFormat formatOf(MacroStyle style);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<QTextLayout::FormatRange> formatRanges(const QString &line) const;
    // Gives the line its colours; false when they were so already.
    bool colour(QTextBlock block) const;
    void noteChange(int position, int charsRemoved, int charsAdded);
    // Colours the lines in the part of the box about to be painted.
    void colourLinesIn(const QRect &area);

    QPlainTextEdit *m_edit;
    QList<QTextCharFormat> m_formats; // by style
    int m_blockCount = 1;
};

} // namespace tav
