#pragma once

#include "core/common/game_folder.h"

#include <QWidget>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tav {

class MacroBodyEdit;

// `Form2`, the macro editor window: the macro's name `Text1`, its body
// `Text2` formatted as the designer types, the command presets `Combo1`
// with "Insert", and the file commands.
class Form2 : public QWidget {
    Q_OBJECT
public:
    explicit Form2(const GameFolder &folder, QWidget *parent = nullptr);

    MacroBodyEdit &body() const { return *m_text2; }
    QString macroName() const;
    // Sets the name box, which marks the macro unsaved.
    void setMacroName(const QString &name);
    // The caption of a macro that matches its file.
    void markSaved();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Combo1_Click(int index);
    void markUnsaved();
    void layoutControls();

    GameFolder m_folder;
    QLineEdit *m_text1 = nullptr;
    MacroBodyEdit *m_text2 = nullptr;
    QComboBox *m_combo1 = nullptr;
    QPushButton *m_command1 = nullptr;
    QPushButton *m_command2 = nullptr;
    QPushButton *m_command3 = nullptr;
    QPushButton *m_command4 = nullptr;
    QPushButton *m_command5 = nullptr;
    QLabel *m_image1 = nullptr;
    QList<QFrame *> m_stretchingLines;
};

} // namespace tav
