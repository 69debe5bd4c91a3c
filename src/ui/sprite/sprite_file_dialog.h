#pragma once

#include "core/common/game_folder.h"
#include "core/sprite/cell_grid.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tav {

class ScreenPalette;
class SpriteDocument;
class SpritePreview;

// `Form13`, the sprite file dialog. In load mode (the design state, name box
// locked) "OK" loads the chosen sprite into the editor; in save mode it hands
// the chosen name to the editor. Both browse GRAFIK and its subfolders and
// preview the named sprite at double size.
class Form13 : public QDialog {
    Q_OBJECT
public:
    Form13(const GameFolder &folder, const ScreenPalette &palette, SpriteDocument &editor, QWidget *parent = nullptr);

    // Caption "Save sprite as" and an editable name box.
    void setSaveMode();
    bool isLoadMode() const;
    // Puts a name into the name box, as the editor does before showing it.
    void setName(const QString &name);
    // After "OK" in load mode: why the file could not be taken as it stands
    // and what was read instead; empty for a sound file.
    const QString &loadFallback() const { return m_loadFallback; }

    void List1_Click();
    void List2_Click();
    void filename_Change();
    void Command1_Click();
    void Command2_Click();

private:
    void Form_Load();
    void showPreview(const QString &name);
    QString chosenFolderEntry() const;

    GameFolder m_folder;
    SpriteDocument &m_editor;
    CellGrid m_previewCells;
    QListWidget *m_list1 = nullptr;
    QListWidget *m_list2 = nullptr;
    QLineEdit *m_filename = nullptr;
    SpritePreview *m_picture2 = nullptr;
    QLabel *m_dimen = nullptr;
    QPushButton *m_ok = nullptr;
    QString m_loadFallback;
};

} // namespace tav
