#include "ui/macro/macro_body_edit.h"

#include "core/macro/macro_format.h"
#include "ui/common/steady_scroll_bar.h"
#include "ui/macro/macro_text_layout.h"
#include "ui/platform/dialogs.h"

#include <QMimeData>
#include <QScopedValueRollback>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace tav {
namespace {

const QString kBodyBreak = QStringLiteral("\r\n");

// Characters the box would turn into a line break of its own.
bool breaksInTheBox(QChar c)
{
    return c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == QChar(0xFDD0) || c == QChar(0xFDD1);
}

// The text of `count` blocks from `block` on, one line each.
QString blocksText(QTextBlock block, qsizetype count)
{
    QString text;
    for (qsizetype i = 0; i < count && block.isValid(); ++i, block = block.next()) {
        if (i > 0)
            text += QLatin1Char('\n');
        text += block.text();
    }
    return text;
}

} // namespace

MacroBodyEdit::MacroBodyEdit(MacroDocument &macro, QWidget *parent)
    : QPlainTextEdit(parent)
    , m_document(macro)
{
    setDocument(newMacroTextDocument(this));
    setObjectName(QStringLiteral("Text2"));
    QFont font(QStringLiteral("Courier New"), 12);
    font.setStyleHint(QFont::TypeWriter);
    setFont(font);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    // Every new line changes the scroll range; the bar repaints only when
    // that moves its handle.
    setVerticalScrollBar(new SteadyScrollBar(Qt::Vertical, this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(document(), &QTextDocument::contentsChange, this, &MacroBodyEdit::noteChange);
    connect(document(), &QTextDocument::contentsChanged, this, &MacroBodyEdit::formatPendingChange);
    // Undo and redo are the macro document's; the box keeps no history.
    setUndoRedoEnabled(false);
    connect(&m_document, &MacroDocument::linesReplaced, this, &MacroBodyEdit::showReplacedLines);
    connect(&m_document, &MacroDocument::percentsDropped, this, &MacroBodyEdit::showPercentWarnings);
    showWholeBody();
}

TextPos MacroBodyEdit::caret() const
{
    const QTextCursor cursor = textCursor();
    return TextPos{cursor.blockNumber(), cursor.positionInBlock()};
}

void MacroBodyEdit::assign(const QString &text)
{
    const qsizetype last = body().lineCount() - 1;
    applyEdit(BodyEdit{TextPos{}, TextPos{last, body().line(last).size()}, text, std::nullopt}, Origin::Assigned, -1,
              -1, QStringLiteral("replace the text"));
}

void MacroBodyEdit::insertPreset(const QString &preset)
{
    applyEdit(body().presetInsertion(caret(), preset), Origin::Inserted, -1, -1,
              QStringLiteral("insert %1").arg(preset.left(3)));
}

void MacroBodyEdit::showReplacedLines(qsizetype first, qsizetype removed, const QStringList &lines, TextPos caret)
{
    m_pending.reset();
    if (first == 0 && removed >= document()->blockCount())
        showWholeBody();
    else
        showLines(first, first + removed - 1, lines);
    showCaret(caret);
    Q_EMIT bodyChanged();
}

void MacroBodyEdit::showPercentWarnings(int count)
{
    for (int i = 0; i < count; ++i)
        platform::showMessage(kPercentWarning, kPercentWarningTitle, platform::Icon::Information);
}

void MacroBodyEdit::noteChange(int position, int charsRemoved, int charsAdded)
{
    Q_UNUSED(charsRemoved);
    if (m_showing)
        return;
    const int tail = std::max(0, document()->characterCount() - (position + charsAdded));
    QString inserted;
    if (charsAdded > 0) {
        QTextCursor added(document());
        added.setPosition(position);
        added.setPosition(position + charsAdded, QTextCursor::KeepAnchor);
        inserted = added.selectedText();
    }
    if (!m_pending) {
        m_pending = PendingChange{position, tail, inserted};
    } else {
        m_pending->inserted += inserted;
        m_pending->start = std::min(m_pending->start, position);
        m_pending->unchangedTail = std::min(m_pending->unchangedTail, tail);
    }
}

void MacroBodyEdit::formatPendingChange()
{
    if (m_showing || !m_pending)
        return;
    const PendingChange pending = *m_pending;
    m_pending.reset();

    // The blocks before the change and after it are the body's lines as they
    // were, so the change replaced lines first..lastOld of the body by blocks
    // first..lastNew of the box.
    const QTextDocument *doc = document();
    const int size = doc->characterCount();
    QTextBlock firstBlock = doc->findBlock(std::clamp(pending.start, 0, size - 1));
    const QTextBlock lastBlock = doc->findBlock(std::clamp(size - pending.unchangedTail, 0, size - 1));
    qsizetype first = firstBlock.blockNumber();
    qsizetype lastNew = lastBlock.blockNumber();
    qsizetype lastOld = lastNew - (doc->blockCount() - body().lineCount());
    if (!firstBlock.isValid() || !lastBlock.isValid() || lastNew < first || lastOld < first ||
        lastOld >= body().lineCount()) {
        firstBlock = doc->firstBlock();
        first = 0;
        lastNew = doc->blockCount() - 1;
        lastOld = body().lineCount() - 1;
    }

    // Body offsets count a line break as two characters, the box as one; a
    // line separator inside a block (Shift+Enter) is a line break too.
    BodyEdit edit;
    edit.from = TextPos{first, 0};
    edit.to = TextPos{lastOld, body().line(lastOld).size()};
    const QTextCursor cursor = textCursor();
    const qsizetype cursorBlock = cursor.blockNumber();
    QTextBlock block = firstBlock;
    for (qsizetype n = first; n <= lastNew && block.isValid(); ++n, block = block.next()) {
        if (n > first)
            edit.inserted += kBodyBreak;
        QString text = block.text();
        if (n == cursorBlock) {
            const qsizetype column = cursor.positionInBlock();
            edit.caret = edit.inserted.size() + column + text.left(column).count(QChar::LineSeparator);
        }
        edit.inserted += text.replace(QChar::LineSeparator, kBodyBreak);
    }
    const qsizetype changeStart = firstBlock.position() + first;
    if (m_pastedCaret)
        edit.caret = *m_pastedCaret - changeStart;
    else if (!edit.caret)
        edit.caret = cursor.position() + cursorBlock - changeStart;
    m_pastedCaret.reset();
    applyEdit(edit, Origin::Typed, first, lastNew, MacroDocument::stepNameFor(pending.inserted));
}

void MacroBodyEdit::applyEdit(const BodyEdit &edit, Origin origin, qsizetype shownFirst, qsizetype shownLast,
                              const QString &stepName)
{
    const BodyChange change = m_document.applyEdit(edit, stepName);
    if (origin == Origin::Assigned) {
        showWholeBody();
        showCaret(change.caret);
    } else {
        if (origin != Origin::Typed) {
            shownFirst = change.firstLine;
            shownLast = change.firstLine + change.removedLines - 1;
        }
        showLines(shownFirst, shownLast, change.lines);
        showCaret(change.caret);
    }
    // The warnings come once the box shows a consistent text.
    showPercentWarnings(int(change.droppedPercents.size()));
    Q_EMIT bodyChanged();
    if (origin == Origin::Typed) {
        const int preset = presetForLine(body().line(change.caret.line), change.caret.column);
        if (preset >= 0)
            Q_EMIT presetLookedUp(preset);
    }
}

void MacroBodyEdit::showLines(qsizetype firstBlock, qsizetype lastBlock, const QStringList &lines)
{
    QTextDocument *doc = document();
    const QTextBlock first = doc->findBlockByNumber(int(firstBlock));
    const QTextBlock last = doc->findBlockByNumber(int(lastBlock));
    const QString shown = blocksText(first, lastBlock - firstBlock + 1);
    const QString wanted = lines.join(QLatin1Char('\n'));
    if (shown == wanted)
        return;

    // Replace only what differs, so the box keeps its layout elsewhere.
    const qsizetype shorter = std::min(shown.size(), wanted.size());
    qsizetype head = 0;
    while (head < shorter && shown[head] == wanted[head])
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && shown[shown.size() - 1 - tail] == wanted[wanted.size() - 1 - tail])
        ++tail;

    const QScopedValueRollback<bool> showing(m_showing, true);
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    cursor.setPosition(first.position() + int(head));
    cursor.setPosition(last.position() + last.length() - 1 - int(tail), QTextCursor::KeepAnchor);
    cursor.insertText(wanted.mid(head, wanted.size() - head - tail));
    cursor.endEditBlock();
}

void MacroBodyEdit::showCaret(TextPos caret)
{
    const QTextBlock block = document()->findBlockByNumber(int(caret.line));
    if (!block.isValid())
        return;
    const int position = block.position() + int(std::min<qsizetype>(caret.column, block.length() - 1));
    QTextCursor cursor = textCursor();
    if (cursor.position() == position && !cursor.hasSelection())
        return;
    cursor.setPosition(position);
    const QScopedValueRollback<bool> showing(m_showing, true);
    setTextCursor(cursor);
}

void MacroBodyEdit::showWholeBody()
{
    const QString text = body().joinedLines(QLatin1String("\n"));
    // Cleared and filled: much quicker than setPlainText on long texts.
    const QScopedValueRollback<bool> showing(m_showing, true);
    QTextDocument *doc = document();
    clear();
    QTextCursor(doc).insertText(text);
}

void MacroBodyEdit::insertFromMimeData(const QMimeData *source)
{
    if (!source || !source->hasText())
        return;
    // The box makes a line of every kind of line break, while the body breaks
    // lines at CR only and drops LF. Hand the box the lines the body will
    // have; formatting gives the same result either way, and the caret goes
    // where the pasted characters end.
    const QString raw = source->text();
    QString shown;
    shown.reserve(raw.size());
    for (const QChar c : raw) {
        if (c == QLatin1Char('\n'))
            continue;
        if (c == QLatin1Char('\r'))
            shown += QLatin1Char('\n');
        else
            shown += breaksInTheBox(c) ? QChar(u'?') : c;
    }
    QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    const QTextBlock startBlock = document()->findBlock(start);
    if (shown.isEmpty() && !cursor.hasSelection()) {
        // Nothing the box would show (only LFs): the body takes them anyway.
        const TextPos at{startBlock.blockNumber(), start - startBlock.position()};
        applyEdit(BodyEdit{at, at, raw, at.column + raw.size()}, Origin::Typed, at.line, at.line);
        return;
    }
    // Used up when the change is formatted, which for a drop happens only at
    // the end of the box's own edit step.
    m_pastedCaret = start + startBlock.blockNumber() + raw.size();
    cursor.insertText(shown);
}

QMimeData *MacroBodyEdit::createMimeDataFromSelection() const
{
    QString text = textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, kBodyBreak);
    text.replace(QChar::LineSeparator, kBodyBreak);
    auto *data = new QMimeData;
    data->setText(text);
    return data;
}

} // namespace tav
