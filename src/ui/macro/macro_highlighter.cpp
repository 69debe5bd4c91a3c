#include "ui/macro/macro_highlighter.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <optional>

namespace tav {
namespace {

// A line's state once it is coloured; other lines have -1.
constexpr int kColoured = 1;

// Colours only: a line keeps its font, so it keeps its height and is laid
// out as one piece per colour.
QTextCharFormat makeFormat(const QColor &colour)
{
    QTextCharFormat format;
    format.setForeground(colour);
    return format;
}

} // namespace

MacroHighlighter::MacroHighlighter(QPlainTextEdit *edit)
    : QObject(edit)
    , m_edit(edit)
{
    setObjectName(QStringLiteral("MacroHighlighter"));
    for (int style = 0; style <= int(MacroStyle::Preprocessor); ++style)
        m_formats.append(formatOf(MacroStyle(style)));
    m_blockCount = edit->document()->blockCount();
    connect(edit->document(), &QTextDocument::contentsChange, this, &MacroHighlighter::noteChange);
    edit->viewport()->installEventFilter(this);
}

QTextCharFormat MacroHighlighter::formatOf(MacroStyle style)
{
    switch (style) {
    case MacroStyle::Command:
        return makeFormat(QColor(0x00, 0x00, 0xC0));
    case MacroStyle::UnknownCommand: {
        QTextCharFormat format = makeFormat(QColor(0xC0, 0x00, 0x00));
        format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        format.setUnderlineColor(QColor(0xB0, 0x00, 0x00));
        return format;
    }
    case MacroStyle::Number:
        return makeFormat(QColor(0x00, 0x70, 0x70));
    case MacroStyle::Operator:
        return makeFormat(QColor(0x90, 0x00, 0x90));
    case MacroStyle::MessageText:
        return makeFormat(QColor(0x00, 0x60, 0x00));
    case MacroStyle::Comment:
        return makeFormat(QColor(0x80, 0x80, 0x80));
    case MacroStyle::InfoComment:
        return makeFormat(QColor(0x1E, 0x5A, 0x8C));
    case MacroStyle::Preprocessor:
        return makeFormat(QColor(0x9A, 0x4B, 0x00));
    }
    return {};
}

QList<QTextLayout::FormatRange> MacroHighlighter::formatRanges(const QString &line) const
{
    // A range reaches over the blanks up to the next one, which joins it
    // when it has the same style: the line is laid out in fewer pieces and
    // looks the same. (Not the wavy underline of an unknown code.)
    QList<QTextLayout::FormatRange> ranges;
    std::optional<MacroStyle> last;
    for (const StyledSpan &span : styleMacroLine(line)) {
        if (last && *last != MacroStyle::UnknownCommand) {
            QTextLayout::FormatRange &previous = ranges.last();
            const qsizetype end = previous.start + previous.length;
            if (QStringView(line).mid(end, span.start - end).trimmed().isEmpty()) {
                if (*last == span.style) {
                    previous.length = int(span.start + span.length) - previous.start;
                    continue;
                }
                previous.length = int(span.start) - previous.start;
            }
        }
        ranges.append({int(span.start), int(span.length), m_formats[int(span.style)]});
        last = span.style;
    }
    return ranges;
}

bool MacroHighlighter::colour(QTextBlock block) const
{
    block.setUserState(kColoured);
    const QList<QTextLayout::FormatRange> ranges = formatRanges(block.text());
    if (ranges == block.layout()->formats())
        return false;
    block.layout()->setFormats(ranges);
    return true;
}

void MacroHighlighter::noteChange(int position, int charsRemoved, int charsAdded)
{
    Q_UNUSED(charsRemoved);
    const QTextDocument *doc = m_edit->document();
    QTextBlock block = doc->findBlock(position);
    const QTextBlock last = doc->findBlock(position + charsAdded);
    const bool oneLine = block == last && doc->blockCount() == m_blockCount;
    m_blockCount = doc->blockCount();
    if (oneLine) {
        // The document lays the line out after this, with its new colours.
        colour(block);
        return;
    }
    for (; block.isValid(); block = block.next()) {
        block.setUserState(-1); // coloured when painted
        if (block == last)
            break;
    }
}

void MacroHighlighter::colourLinesIn(const QRect &area)
{
    // Every line of the box is one line high (it does not wrap), and the
    // scroll bar counts lines.
    const int lineHeight = std::max(1, m_edit->fontMetrics().lineSpacing());
    const int first = m_edit->verticalScrollBar()->value() + std::max(0, area.top() / lineHeight - 1);
    const int count = area.height() / lineHeight + 3;
    QTextDocument *doc = m_edit->document();
    // New colours count for the document as a change of their line, which
    // its layout hears of at once, quietly, as the line is painted now.
    const QSignalBlocker quiet(doc->documentLayout());
    QTextBlock block = doc->findBlockByNumber(first);
    for (int n = 0; n < count && block.isValid(); ++n, block = block.next())
        if (block.userState() != kColoured && colour(block))
            doc->markContentsDirty(block.position(), 0);
}

bool MacroHighlighter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint)
        colourLinesIn(static_cast<QPaintEvent *>(event)->rect());
    return QObject::eventFilter(watched, event);
}

} // namespace tav
