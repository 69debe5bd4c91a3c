#pragma once

#include "core/automap/map_file_name.h"
#include "core/automap/slot_map_tools.h"
#include "core/common/game_folder.h"

#include <QGroupBox>
#include <QString>
#include <QStringList>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tav {

class UpDownSpinner;

// The frame of the SaveGame editor's "Basic hero data" page that holds the
// hero's current MAP position (`MAPX`, `MAPY`, `MAPZ`), the current goal
// (`GOALNr`, `Goal`, `GOALX`, `GOALY`), the "MAP exists" circle `Found` and
// the automap and MAP buttons `Command4` to `Command7`, which work on the
// selected SaveGame slot.
class GoalMapFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit GoalMapFrame(const GameFolder &folder, QWidget *parent = nullptr);

    // The selected data set folder as a game path ("GAMEDATA\MAPS",
    // "GAMEDATA\SAVE2"); called whenever the data set changes.
    void setMapDir(const QString &gameFolderPathOfDataSet);
    const QString &mapDir() const { return m_mapDir; }

    // Refreshes the "MAP exists" circle for the current position.
    void Finder();

    // The automap and MAP buttons work on a SaveGame slot only.
    void setSlotActionsEnabled(bool enabled);

    void GOALNr_Change();
    void Goal_Change();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();

    const QStringList &goals() const { return m_goals; }
    MapPosition currentMap() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct PositionBox {
        QLineEdit *box;
        int upper;
        bool runsFinder;
        bool oneWhenLeft;
    };

    QLineEdit *addNumberBox(const QString &name, const QString &designText);
    void readGoals();
    void positionBoxChanged(const PositionBox &position);
    // The confirmation every slot button asks first; true for "Yes".
    bool slotActionConfirmed() const;
    void replaceAutomap(AutomapSource source);

    GameFolder m_folder;
    QString m_mapDir;
    QStringList m_goals;
    QList<PositionBox> m_positionBoxes;
    QLineEdit *m_mapX = nullptr;
    QLineEdit *m_mapY = nullptr;
    QLineEdit *m_mapZ = nullptr;
    QLineEdit *m_goalNr = nullptr;
    QLineEdit *m_goal = nullptr;
    UpDownSpinner *m_upDown = nullptr;
    QLabel *m_found = nullptr;
    std::array<QPushButton *, 4> m_slotActions{};
};

} // namespace tav
