#pragma once

#include "core/common/game_folder.h"
#include "core/common/saved_mark.h"
#include "ui/common/unsaved_work.h"

#include <QWidget>

#include <optional>
#include <utility>

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
class Form2 : public QWidget, public UnsavedWork {
    Q_OBJECT
public:
    explicit Form2(const GameFolder &folder, QWidget *parent = nullptr);

    MacroBodyEdit &body() const { return *m_text2; }
    QString macroName() const;
    // Sets the name box, which marks the macro unsaved.
    void setMacroName(const QString &name);
    // The macro now matches its file (just loaded or saved): the caption
    // says so, and saving under its name again asks nothing.
    void markSaved();

    // "Macro editor (NAME)" while the name or body differ from the file
    // last loaded or saved.
    QString unsavedWork() const override;

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
    // The name and body as they are now.
    std::pair<QString, QString> form() const;

    GameFolder m_folder;
    SavedMark<std::pair<QString, QString>> m_savedMark;
    // The name the macro was last loaded or saved under; none after "New".
    std::optional<QString> m_ownName;
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
