#pragma once

#include "core/common/game_folder.h"
#include "core/macro/macro_document.h"
#include "ui/common/unsaved_work.h"

#include <QWidget>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tav {

class HistoryControls;
class MacroBodyEdit;

// `Form2`, the macro editor window: the macro's name `Text1`, its body
// `Text2` formatted as the designer types, the command presets `Combo1`
// with "Insert", and the file commands.
class Form2 : public QWidget, public UnsavedWork {
    Q_OBJECT
public:
    explicit Form2(const GameFolder &folder, QWidget *parent = nullptr);
    // A box still being typed into is left while the document is there.
    ~Form2() override;

    MacroBodyEdit &body() const { return *m_text2; }
    MacroDocument &document() { return m_document; }
    QString macroName() const;
    // A macro file's bytes as the load dialog hands them: one step "load
    // NAME", after which the macro matches that file.
    void loadMacro(const QString &name, const QByteArray &bytes);
    // The macro now matches its file (just saved): the caption says so, and
    // saving under its name again asks nothing.
    void markSaved();

    // "Macro editor (NAME)" while the name or body differ from the file
    // last loaded or saved.
    QString unsavedWork() const override;
    QList<Document *> documents() override { return {&m_document}; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Combo1_Click(int index);
    // "(unsaved)" in the caption while the macro differs from its file or
    // belongs to none.
    void showCaption();
    void showName(const QString &name);
    void layoutControls();

    GameFolder m_folder;
    MacroDocument m_document{m_folder};
    HistoryControls *m_history = nullptr;
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
