#include "ui/common/history_controls.h"

#include "core/common/document.h"
#include "ui/common/button_shortcuts.h"
#include "ui/common/drawn_icons.h"

#include <QAbstractSpinBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

namespace tav {
namespace {

enum class HistoryKey { None, Undo, Redo };

HistoryKey historyKey(const QKeyEvent *key)
{
    const Qt::KeyboardModifiers modifiers =
        key->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier);
    if (key->key() == Qt::Key_Z && modifiers == Qt::ControlModifier)
        return HistoryKey::Undo;
    if ((key->key() == Qt::Key_Z && modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) ||
        (key->key() == Qt::Key_Y && modifiers == Qt::ControlModifier))
        return HistoryKey::Redo;
    return HistoryKey::None;
}

QToolButton *historyButton(QWidget *window, const QString &name, const QIcon &icon)
{
    auto *button = new QToolButton(window);
    button->setObjectName(name);
    button->setIcon(icon);
    button->setIconSize(QSize(16, 16));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(22, 22);
    return button;
}

} // namespace

HistoryControls::HistoryControls(QWidget *window, Document &document)
    : QObject(window)
    , m_window(window)
    , m_document(document)
{
    m_undo = historyButton(window, QStringLiteral("UndoButton"), undoIcon());
    m_redo = historyButton(window, QStringLiteral("RedoButton"), redoIcon());
    connect(m_undo, &QToolButton::clicked, this, [this] { m_document.undo(); });
    connect(m_redo, &QToolButton::clicked, this, [this] { m_document.redo(); });
    connect(&m_document, &Document::historyChanged, this, &HistoryControls::showHistory);
    addButtonShortcuts(window, {{"Ctrl+Z", "UndoButton"}, {"Ctrl+Y", "RedoButton"}, {"Ctrl+Shift+Z", "RedoButton"}});
    watchTextBoxes();
    showHistory();
}

void HistoryControls::watchTextBoxes()
{
    for (QWidget *box : m_window->findChildren<QWidget *>()) {
        if (qobject_cast<QLineEdit *>(box) || qobject_cast<QPlainTextEdit *>(box) ||
            qobject_cast<QAbstractSpinBox *>(box)) {
            box->removeEventFilter(this);
            box->installEventFilter(this);
        }
    }
}

void HistoryControls::showHistory()
{
    const bool undo = m_document.canUndo();
    const bool redo = m_document.canRedo();
    m_undo->setEnabled(undo);
    m_redo->setEnabled(redo);
    m_undo->setToolTip(undo ? QStringLiteral("Undo: ") + m_document.undoText() : QStringLiteral("Undo: not available"));
    m_redo->setToolTip(redo ? QStringLiteral("Redo: ") + m_document.redoText() : QStringLiteral("Redo: not available"));
}

bool HistoryControls::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const HistoryKey which = historyKey(key);
    if (which == HistoryKey::None)
        return false;
    // Typing not yet a step is taken back by the box itself.
    if (const auto *box = qobject_cast<QLineEdit *>(watched);
        box && !box->isReadOnly() && box->isModified() &&
        (which == HistoryKey::Undo ? box->isUndoAvailable() : box->isRedoAvailable()))
        return false;
    if (event->type() == QEvent::ShortcutOverride) {
        // The key then comes to the box as a press, and ends here.
        key->accept();
        return true;
    }
    if (which == HistoryKey::Undo)
        m_document.undo();
    else
        m_document.redo();
    return true;
}

} // namespace tav
