#pragma once

#include "core/macro/macro_completion.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <QListWidget>

namespace tav {

class MacroBodyEdit;

// The completion list of the macro body: opened with Ctrl+Space or Ctrl+J,
// and on its own while a command code is typed. It lists what fits at the
// caret (core completion) and follows the typing. Up and Down choose an
// entry; Tab takes the chosen one (the first when none was chosen); Return
// takes an entry only after one was chosen with the arrow keys, and
// otherwise keeps its meaning in the body; Escape closes the list. The
// focus stays in the body.
class MacroCompletionPopup : public QObject {
    Q_OBJECT
public:
    MacroCompletionPopup(MacroBodyEdit *edit, std::function<const MacroGameData &()> gameData);

    bool isOpen() const;
    QListWidget *list() const { return m_list.data(); }
    // Lists what fits at the caret; closes when nothing does.
    void open();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow();
    void accept(int row);
    void close();

    MacroBodyEdit *m_edit;
    std::function<const MacroGameData &()> m_gameData;
    // A child of the body, gone before this when the body is destroyed.
    QPointer<QListWidget> m_list;
    QList<CompletionEntry> m_entries;
    bool m_chosen = false;
    bool m_asked = false; // opened with Ctrl+Space or Ctrl+J
};

} // namespace tav
