#pragma once

#include "core/common/game_folder.h"
#include "core/common/saved_mark.h"
#include "ui/common/unsaved_work.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QTableWidget;

namespace tav {

// `Form4`, the MAP overview: the world grid with the squares that have MAP
// files, the automap string of the selected square, and the map editor.
class Form4 : public QWidget, public UnsavedWork {
    Q_OBJECT
public:
    explicit Form4(const GameFolder &folder, QWidget *parent = nullptr);

    void Grid_RowColChange();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();

    // "MAP overview (square 05/03)" while the automap string box differs from
    // what it showed when the square was chosen or the entry saved.
    QString unsavedWork() const override;

private:
    void Form_Load();

    GameFolder m_folder;
    QTableWidget *m_grid = nullptr;
    QLineEdit *m_text1 = nullptr;
    QLineEdit *m_text2 = nullptr;
    QLineEdit *m_text3 = nullptr;
    SavedMark<QString> m_savedEntry;
    QLabel *m_entryNote = nullptr;
};

} // namespace tav
