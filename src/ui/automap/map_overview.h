#pragma once

#include "core/automap/automap_entry_document.h"
#include "core/common/game_folder.h"
#include "ui/common/unsaved_work.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QTableWidget;

namespace tav {

class FormWatch;

// `Form4`, the MAP overview: the world grid with the squares that have MAP
// files, the automap string of the selected square, and the map editor.
class Form4 : public QWidget, public UnsavedWork {
    Q_OBJECT
public:
    explicit Form4(const GameFolder &folder, QWidget *parent = nullptr);
    // A box still being typed into is left while the document is there.
    ~Form4() override;

    void Grid_RowColChange();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();

    // "MAP overview (square 05/03)" while the automap string box differs from
    // what it showed when the square was chosen or the entry saved.
    QString unsavedWork() const override;
    QList<Document *> documents() override { return {&m_document}; }
    AutomapEntryDocument &document() { return m_document; }

protected:
    bool event(QEvent *event) override;

private:
    void Form_Load();
    // Shows the document's square and string (history, a restore, a reload).
    void showEntry();
    // Whether the table has an entry for the square shown.
    void showNote();

    GameFolder m_folder;
    QTableWidget *m_grid = nullptr;
    QLineEdit *m_text1 = nullptr;
    QLineEdit *m_text2 = nullptr;
    QLineEdit *m_text3 = nullptr;
    AutomapEntryDocument m_document{m_folder};
    FormWatch *m_watch = nullptr;
    QLabel *m_entryNote = nullptr;
};

} // namespace tav
