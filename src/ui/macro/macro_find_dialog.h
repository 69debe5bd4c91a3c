#pragma once

#include "core/macro/macro_search.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace tav {

// "Find and replace" for the macro body, a window of its own beside the
// macro editor. Find next and previous go round past the end; "Replace all"
// is one step of the body's history; a replacement holding "%" is refused
// with a message, since the live formatting would drop it.
class MacroFindDialog : public QDialog {
    Q_OBJECT
public:
    MacroFindDialog(QPlainTextEdit *edit, QWidget *parent);

    // Shows the dialog with the find box focused (or the replace box), the
    // body's selection as the text to find.
    void showFind(bool replace);
    // Finds the next (or previous) match of the last search; false when
    // there is none.
    bool findNext(bool backward = false);
    void replace();
    void replaceAll();

private:
    FindOptions options(bool backward) const;
    bool refusedReplacement();
    void say(const QString &text);

    QPlainTextEdit *m_edit;
    QLineEdit *m_find;
    QLineEdit *m_replace;
    QCheckBox *m_matchCase;
    QCheckBox *m_wholeWords;
    QLabel *m_status;
};

} // namespace tav
