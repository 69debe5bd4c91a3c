#include "ui/macro/macro_text_layout.h"

#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace tav {

MacroTextLayout::MacroTextLayout(QTextDocument *document)
    : QPlainTextDocumentLayout(document)
    , m_blockCount(document->blockCount())
{
}

void MacroTextLayout::documentChanged(int from, int charsRemoved, int charsAdded)
{
    const QTextDocument *doc = document();
    const int blocks = doc->blockCount();
    const QTextBlock block = doc->findBlock(from);
    // The new text lies in one line and no line came or went: the old text
    // lay in that line too.
    const bool oneLine =
        blocks == m_blockCount && block.isValid() && block == doc->findBlock(std::max(from, from + charsAdded - 1));
    m_blockCount = blocks;
    if (!oneLine) {
        QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
        return;
    }
    // New colours took the line's layout away; a line keeps its height in
    // any colour, so it is laid out once and repainted alone.
    if (block.layout()->lineCount() == 0) {
        ensureBlockLayout(block);
        Q_EMIT updateBlock(block);
        return;
    }
    QPlainTextDocumentLayout::documentChanged(from, 0, std::max(charsAdded, 1));
}

QTextDocument *newMacroTextDocument(QObject *parent)
{
    auto *document = new QTextDocument(parent);
    document->setDocumentLayout(new MacroTextLayout(document));
    return document;
}

} // namespace tav
