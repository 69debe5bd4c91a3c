#pragma once

#include "core/common/game_folder.h"
#include "core/common/saved_mark.h"
#include "core/savegame/field_origin.h"
#include "core/savegame/player_file.h"
#include "ui/common/unsaved_work.h"

#include <QStringList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace tav {

class GoalMapFrame;
class HeroPage;
class InventoryPage;
class WeaponsPage;

// `Form6`, the SaveGame editor window: the data set choice above three tab
// pages ("Basic hero data", "Weapons, spells etc.", "Inventory"), and the
// buttons that load, save and delete the selected set's savegame.
class Form6 : public QWidget, public UnsavedWork {
    Q_OBJECT
public:
    explicit Form6(const GameFolder &folder, QWidget *parent = nullptr);

    void Combo1_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command8_Click();

    // The selected data set: 0 the default set, 1 to 5 a slot.
    int dataSetIndex() const;
    // The selected set's folder name, the text of `MAPDir`.
    QString mapDir() const;
    // The savegame file "load" and "save" use now, as a game path.
    QString playerFilePath() const;

    const PlayerState &state() const { return m_state; }
    // The savegame file the fields hold, nothing before the first load.
    const std::optional<FieldOrigin> &fieldOrigin() const { return m_fieldOrigin; }
    GoalMapFrame *goalMapFrame() const;

    // "SaveGame editor (GAMEDATA\SAVE2\PLAYER.STS)" while the fields differ
    // from what "save" wrote or "load" read last, line for line of the file.
    QString unsavedWork() const override;

private:
    void Form_Load();
    void fillDataSetList();
    void showState();
    void takeGoalAndMapTexts();
    void showGoalAndMapTexts();
    FieldOrigin selectedFile() const;
    void setFieldOrigin(const FieldOrigin &origin);
    // The lines "save" would write now.
    QStringList shownFileLines() const;

    GameFolder m_folder;
    PlayerState m_state;
    std::optional<FieldOrigin> m_fieldOrigin;
    SavedMark<QStringList> m_savedLines;
    QStringList m_itemNames;
    QComboBox *m_combo1 = nullptr;
    QLineEdit *m_text1 = nullptr;
    QLineEdit *m_mapDir = nullptr;
    QLabel *m_fieldsFrom = nullptr;
    QCheckBox *m_train = nullptr;
    QPushButton *m_delete = nullptr;
    QTabWidget *m_tabs = nullptr;
    HeroPage *m_heroPage = nullptr;
    WeaponsPage *m_weaponsPage = nullptr;
    InventoryPage *m_inventoryPage = nullptr;
};

} // namespace tav
