#include "ui/macro/macro_editor_assist.h"

#include "core/macro/macro_lookup.h"
#include "ui/macro/macro_body_edit.h"
#include "ui/macro/macro_completion_popup.h"
#include "ui/macro/macro_find_dialog.h"
#include "ui/macro/macro_highlighter.h"
#include "ui/platform/dialogs.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QTextBlock>
#include <QToolTip>

namespace tav {

MacroEditorAssist::MacroEditorAssist(MacroBodyEdit *edit, const GameFolder &folder, QWidget *window)
    : QObject(edit)
    , m_edit(edit)
    , m_folder(folder)
    , m_completion(new MacroCompletionPopup(edit, [this]() -> const MacroGameData & { return gameData(); }))
    , m_find(new MacroFindDialog(edit, window))
{
    m_viewport = edit->viewport();
    new MacroHighlighter(edit);
    edit->installEventFilter(this);
    edit->viewport()->installEventFilter(this);
}

const MacroGameData &MacroEditorAssist::gameData()
{
    // Looking at the folder's files costs a few file system calls: not on
    // every keystroke of a word being typed.
    constexpr qint64 kLookAgainAfterMs = 1000;
    if (!m_data || !m_lastLook.isValid() || m_lastLook.elapsed() > kLookAgainAfterMs) {
        m_data = m_cache.dataFor(m_folder);
        m_lastLook.start();
    }
    return *m_data;
}

void MacroEditorAssist::goToLine()
{
    const int lines = m_edit->document()->blockCount();
    const std::optional<QString> typed =
        platform::askInput(QStringLiteral("Line number (1 to %1):").arg(lines), QStringLiteral("Go to line"),
                           QString::number(m_edit->textCursor().blockNumber() + 1));
    if (!typed)
        return;
    bool ok = false;
    const int line = typed->trimmed().toInt(&ok);
    if (!ok || line < 1 || line > lines) {
        platform::showMessage(
            QStringLiteral("There is no line %1: the macro has lines 1 to %2.").arg(*typed).arg(lines),
            QStringLiteral("Go to line"), platform::Icon::Exclamation);
        return;
    }
    QTextCursor cursor(m_edit->document()->findBlockByNumber(line - 1));
    m_edit->setTextCursor(cursor);
    m_edit->centerCursor();
}

bool MacroEditorAssist::showHover(const QPoint &position, const QPoint &globalPosition)
{
    const QTextCursor cursor = m_edit->cursorForPosition(position);
    const std::optional<MacroHover> hover = hoverMacroLine(cursor.block().text(), cursor.positionInBlock(), gameData());
    if (!hover) {
        QToolTip::hideText();
        return false;
    }
    QToolTip::showText(globalPosition, hover->text, m_edit->viewport());
    return true;
}

bool MacroEditorAssist::eventFilter(QObject *watched, QEvent *event)
{
    // Only the events handled here look at the body: others come while it is destroyed too.
    if (event->type() == QEvent::ToolTip && watched == m_viewport) {
        const auto *help = static_cast<QHelpEvent *>(event);
        showHover(help->pos(), help->globalPos());
        return true;
    }
    if (watched != m_edit || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
    if (modifiers == Qt::ControlModifier && (key->key() == Qt::Key_F || key->key() == Qt::Key_H)) {
        m_find->showFind(key->key() == Qt::Key_H);
        return true;
    }
    if (modifiers == Qt::ControlModifier && key->key() == Qt::Key_G) {
        goToLine();
        return true;
    }
    if (key->key() == Qt::Key_F3 && (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier)) {
        m_find->findNext(modifiers == Qt::ShiftModifier);
        return true;
    }
    return false;
}

} // namespace tav
