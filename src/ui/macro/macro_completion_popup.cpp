#include "ui/macro/macro_completion_popup.h"

#include "core/macro/macro_line.h"
#include "ui/macro/macro_body_edit.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QTextBlock>

#include <algorithm>

namespace tav {
namespace {

constexpr int kShownRows = 10;
constexpr int kShownColumns = 60;

// Whether the caret stands in a command code being typed.
bool typingACode(const QString &line, qsizetype column)
{
    const MacroLine parsed = parseMacroLine(line);
    return parsed.kind == LineKind::Command && column > parsed.codeStart && column <= parsed.codeStart + 3 &&
           !QStringView(line).mid(parsed.codeStart, column - parsed.codeStart).contains(QLatin1Char(' '));
}

} // namespace

MacroCompletionPopup::MacroCompletionPopup(MacroBodyEdit *edit, std::function<const MacroGameData &()> gameData)
    : QObject(edit)
    , m_edit(edit)
    , m_gameData(std::move(gameData))
    , m_list(new QListWidget(edit))
{
    // A tool tip window takes no focus: the designer goes on typing in the body.
    m_list->setObjectName(QStringLiteral("CompletionList"));
    m_list->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
    m_list->setAttribute(Qt::WA_ShowWithoutActivating);
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setFont(edit->font());
    m_list->setUniformItemSizes(true);
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) { accept(m_list->row(item)); });
    connect(edit, &MacroBodyEdit::bodyChanged, this, &MacroCompletionPopup::follow);
    edit->installEventFilter(this);
}

bool MacroCompletionPopup::isOpen() const
{
    return m_list && m_list->isVisible();
}

void MacroCompletionPopup::open()
{
    const QTextCursor cursor = m_edit->textCursor();
    m_entries = completeMacroLine(cursor.block().text(), cursor.positionInBlock(), m_gameData());
    if (m_entries.isEmpty()) {
        close();
        return;
    }
    QStringList rows;
    rows.reserve(m_entries.size());
    for (const CompletionEntry &entry : std::as_const(m_entries))
        rows.append(entry.detail.isEmpty() ? entry.label : entry.label + QStringLiteral("  -  ") + entry.detail);
    m_list->clear();
    m_list->addItems(rows);
    m_list->setCurrentRow(0);
    m_chosen = false;
    const QRect caret = m_edit->cursorRect();
    const int rowHeight = m_list->sizeHintForRow(0);
    const int shown = std::min<int>(kShownRows, int(m_entries.size()));
    const int width = m_list->fontMetrics().averageCharWidth() * kShownColumns;
    m_list->resize(std::min(m_edit->width(), width), shown * rowHeight + 2 * m_list->frameWidth());
    m_list->move(m_edit->viewport()->mapToGlobal(caret.bottomLeft()));
    m_list->show();
}

void MacroCompletionPopup::close()
{
    if (m_list && m_list->isVisible())
        m_list->hide();
    m_entries.clear();
    m_asked = false;
}

void MacroCompletionPopup::follow()
{
    // A list asked for follows what is typed; one that came with a code goes
    // with it.
    const QTextCursor cursor = m_edit->textCursor();
    if (typingACode(cursor.block().text(), cursor.positionInBlock()) || (isOpen() && m_asked))
        open();
    else
        close();
}

void MacroCompletionPopup::accept(int row)
{
    if (row < 0 || row >= m_entries.size())
        return;
    const CompletionEntry entry = m_entries[row];
    close();
    QTextCursor cursor = m_edit->textCursor();
    cursor.setPosition(cursor.block().position() + int(entry.from), QTextCursor::KeepAnchor);
    cursor.insertText(entry.insertText);
}

bool MacroCompletionPopup::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut && isOpen())
        close();
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool control = key->modifiers() & Qt::ControlModifier;
    if (control && (key->key() == Qt::Key_Space || key->key() == Qt::Key_J)) {
        open();
        m_asked = isOpen();
        return true;
    }
    if (!isOpen())
        return false;
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int step = key->key() == Qt::Key_Up ? -1 : 1;
        m_list->setCurrentRow(std::clamp(m_list->currentRow() + step, 0, m_list->count() - 1));
        m_chosen = true;
        return true;
    }
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        const int step = key->key() == Qt::Key_PageUp ? -kShownRows : kShownRows;
        m_list->setCurrentRow(std::clamp(m_list->currentRow() + step, 0, m_list->count() - 1));
        m_chosen = true;
        return true;
    }
    case Qt::Key_Tab:
        accept(m_list->currentRow());
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_chosen) {
            accept(m_list->currentRow());
            return true;
        }
        close();
        return false;
    case Qt::Key_Escape:
        close();
        return true;
    default:
        return false;
    }
}

} // namespace tav
