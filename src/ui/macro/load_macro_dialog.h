#pragma once

#include "core/common/game_folder.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace tav {

class Form2;

// `Form3`, "Load macro file": lists the macros of GAMEDATA\MAKRO, shows the
// type and description of the one clicked, and loads it into the editor.
class Form3 : public QDialog {
    Q_OBJECT
public:
    Form3(const GameFolder &folder, Form2 &editor, QWidget *parent = nullptr);

private:
    QString selectedName() const;
    void List1_Click();
    void Command1_Click(int index);
    void loadIntoEditor(const QString &name);

    GameFolder m_folder;
    Form2 &m_editor;
    QListWidget *m_list1 = nullptr;
    QPlainTextEdit *m_rems = nullptr;
    QLineEdit *m_mtype = nullptr;
    QPushButton *m_ok = nullptr;
};

} // namespace tav
