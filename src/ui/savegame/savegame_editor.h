#pragma once

#include "core/common/game_folder.h"
#include "core/savegame/field_origin.h"
#include "core/savegame/player_file.h"
#include "core/savegame/savegame_document.h"
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

class FormWatch;
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
    // A box still being typed into is left while the document is there.
    ~Form6() override;

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
    const std::optional<FieldOrigin> &fieldOrigin() const { return m_document.origin(); }
    GoalMapFrame *goalMapFrame() const;
    SaveGameDocument &document() { return m_document; }

    // "SaveGame editor (GAMEDATA\SAVE2\PLAYER.STS)" while the fields differ
    // from what "save" wrote or "load" read last, line for line of the file.
    QString unsavedWork() const override;
    QList<Document *> documents() override { return {&m_document}; }

protected:
    bool event(QEvent *event) override;

private:
    void Form_Load();
    void fillDataSetList();
    void showState();
    void takeGoalAndMapTexts();
    void showGoalAndMapTexts();
    FieldOrigin selectedFile() const;
    void showFieldOrigin();
    // The state with the goal and MAP boxes' texts, as "save" would write it.
    PlayerState shownState() const;
    // Shows a state from the document's history, a restore or a reload.
    void showDocument();

    GameFolder m_folder;
    PlayerState m_state;
    SaveGameDocument m_document{m_folder};
    FormWatch *m_watch = nullptr;
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
