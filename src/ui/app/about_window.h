#pragma once

#include "core/common/game_folder.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tav {

class ClickableLabel;

// `Form17`, the about window with the game and designer versions.
class Form17 : public QDialog {
    Q_OBJECT
public:
    explicit Form17(const GameFolder &folder, QWidget *parent = nullptr);

    void Command1_Click();
    void Label2_Click();
    void Picture2_DblClick();
    void Text1_Change();
    void Image2_Click();

    static const QString kWebAddress;

private:
    void Form_Load();

    GameFolder m_folder;
    QPlainTextEdit *m_text1 = nullptr;
    QLabel *m_label4 = nullptr;
    QLabel *m_image1 = nullptr;
    QLabel *m_image3 = nullptr;
    QLabel *m_pix = nullptr;
    QPushButton *m_command1 = nullptr;
};

} // namespace tav
