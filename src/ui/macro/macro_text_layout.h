#pragma once

#include <QPlainTextDocumentLayout>

class QObject;
class QTextDocument;

namespace tav {

// The layout of the macro body's text. A change that stays within one line
// (a keystroke, that line's colours) is laid out and repainted as that line
// alone: the plain layout takes a change reported as "n characters removed
// and added" as reaching over 2n characters, into the lines after it, and
// then repaints everything shown.
class MacroTextLayout : public QPlainTextDocumentLayout {
    Q_OBJECT
public:
    explicit MacroTextLayout(QTextDocument *document);

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;

private:
    int m_blockCount;
};

// A document laid out by MacroTextLayout, for QPlainTextEdit::setDocument.
QTextDocument *newMacroTextDocument(QObject *parent);

} // namespace tav
