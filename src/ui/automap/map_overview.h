#pragma once

#include "core/common/game_folder.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QTableWidget;

namespace tav {

// `Form4`, the MAP overview: the world grid with the squares that have MAP
// files, the automap string of the selected square, and the map editor.
class Form4 : public QWidget {
    Q_OBJECT
public:
    explicit Form4(const GameFolder &folder, QWidget *parent = nullptr);

    void Grid_RowColChange();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();

private:
    void Form_Load();

    GameFolder m_folder;
    QTableWidget *m_grid = nullptr;
    QLineEdit *m_text1 = nullptr;
    QLineEdit *m_text2 = nullptr;
    QLineEdit *m_text3 = nullptr;
    QLabel *m_entryNote = nullptr;
};

} // namespace tav
