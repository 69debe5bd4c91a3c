#pragma once

#include "core/common/game_folder.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QSlider;

namespace tav {

class Scrapboard;

// `Form15`, the batch rename dialog: names the filled scrapboard frames #1
// to #N after one pattern, a GRAFIK folder, a prefix and the frame number.
// Only the names kept with the frames change; no file is touched.
class Form15 : public QDialog {
    Q_OBJECT
public:
    Form15(const GameFolder &folder, Scrapboard &board, QWidget *parent = nullptr);

    void Text1_Change();
    void Slider1_Change();
    void Command1_Click();
    void Command2_Click();

private:
    void Form_Load();
    void applyLengthRule();

    GameFolder m_folder;
    Scrapboard &m_board;
    QComboBox *m_list1 = nullptr;
    QLineEdit *m_text1 = nullptr;
    QSlider *m_slider1 = nullptr;
    QLabel *m_lastFrame = nullptr;
};

} // namespace tav
