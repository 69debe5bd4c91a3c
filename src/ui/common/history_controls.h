#pragma once

#include <QObject>

class QToolButton;
class QWidget;

namespace tav {

class Document;

// The undo and redo controls of a window that edits a document: two small
// tool buttons with the arrows ("UndoButton", "RedoButton"), their tooltips
// naming the step as the sprite editor's do ("Undo: health 20 -> 35",
// "Redo: not available"), enabled as the history allows. Ctrl+Z undoes,
// Ctrl+Y and Ctrl+Shift+Z redo while the window is active; a text box keeps
// Ctrl+Z for its own typing until that becomes a step (the box is left or
// Return pressed). The window places the buttons.
class HistoryControls : public QObject {
    Q_OBJECT
public:
    HistoryControls(QWidget *window, Document &document);

    QToolButton *undoButton() const { return m_undo; }
    QToolButton *redoButton() const { return m_redo; }

    // Text boxes made after the controls take the keys the same way.
    void watchTextBoxes();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showHistory();

    QWidget *m_window;
    Document &m_document;
    QToolButton *m_undo = nullptr;
    QToolButton *m_redo = nullptr;
};

} // namespace tav
