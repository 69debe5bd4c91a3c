#pragma once

#include "core/common/game_folder.h"

#include <QGroupBox>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tav {

class UpDownSpinner;

// The frame of the SaveGame editor's "Basic hero data" page that holds the
// hero's current MAP position (`MAPX`, `MAPY`, `MAPZ`), the current goal
// (`GOALNr`, `Goal`, `GOALX`, `GOALY`), the "MAP exists" circle `Found` and
// the automap and MAP buttons `Command4` to `Command7`.
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

private:
    QLineEdit *addNumberBox(const QString &name, const QString &designText);

    GameFolder m_folder;
    QString m_mapDir;
    QLabel *m_found = nullptr;
};

} // namespace tav
