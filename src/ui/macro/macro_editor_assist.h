#pragma once

#include "core/common/game_folder.h"
#include "core/macro/macro_game_data.h"

#include <QElapsedTimer>
#include <QObject>

#include <memory>

namespace tav {

class MacroBodyEdit;
class MacroCompletionPopup;
class MacroFindDialog;

// What the macro editor's body does as a code editor, on top of its live
// formatting: colours, completion, hover texts, find and replace, go to
// line. Keys in the body: Ctrl+Space and Ctrl+J complete, Ctrl+F finds,
// Ctrl+H replaces, F3 and Shift+F3 find the next and previous match, Ctrl+G
// goes to a line. The game folder's items, goals, sounds and command help are
// read once per state of their files.
class MacroEditorAssist : public QObject {
    Q_OBJECT
public:
    MacroEditorAssist(MacroBodyEdit *edit, const GameFolder &folder, QWidget *window);

    MacroCompletionPopup &completion() const { return *m_completion; }
    MacroFindDialog &findDialog() const { return *m_find; }
    const MacroGameData &gameData();

    // Asks for a line number and puts the caret at the start of that line.
    void goToLine();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool showHover(const QPoint &position, const QPoint &globalPosition);

    MacroBodyEdit *m_edit;
    QObject *m_viewport = nullptr;
    GameFolder m_folder;
    MacroGameDataCache m_cache;
    std::shared_ptr<const MacroGameData> m_data;
    QElapsedTimer m_lastLook;
    MacroCompletionPopup *m_completion;
    MacroFindDialog *m_find;
};

} // namespace tav
