#pragma once

#include "core/common/game_folder.h"
#include "core/common/result.h"
#include "core/savegame/hero_state.h"
#include "core/savegame/inventory.h"

#include <QString>
#include <QStringList>

namespace tav {

// The current MAP position and goal as the editor's text boxes hold them;
// they are saved as text, exactly as shown.
struct GoalAndMapTexts {
    QString mapX = QStringLiteral("12");
    QString mapY = QStringLiteral("8");
    QString mapZ = QStringLiteral("1");
    QString goalX = QStringLiteral("12");
    QString goalY = QStringLiteral("8");
    QString goalNr = QStringLiteral("0");
    friend bool operator==(const GoalAndMapTexts &, const GoalAndMapTexts &) = default;
};

// Everything a player savegame file holds.
struct PlayerState {
    HeroState hero;
    Inventory inventory;
    GoalAndMapTexts goalAndMap;
};

inline const QString kPlayerFileName = QStringLiteral("PLAYER.STS");
inline const QString kTrainingFileName = QStringLiteral("TRAIN.STS");

// The training state exists only in the default data set (index 0); a slot
// always uses PLAYER.STS.
QString playerFileName(int dataSetIndex, bool training);

// PLAYER.STS / TRAIN.STS: 138 lines, one field per line.
constexpr int kPlayerFileLines = 138;

QStringList playerFileLines(const PlayerState &state);

// Applies the lines of a player file to the state, line by line. Fields past
// the end of a short file leave their part of the state as it was; a value
// the state refuses (outside its control's range) is skipped.
void applyPlayerFileLines(const QStringList &lines, PlayerState &state);

// Reads a player file (a game path) into the state; a file that cannot be
// read leaves the state unchanged and yields the failure.
Status loadPlayerFile(const GameFolder &folder, const QString &gamePath, PlayerState &state);
// Writes the whole file atomically; on failure the old file stays as it was.
Status savePlayerFile(const GameFolder &folder, const QString &gamePath, const PlayerState &state);

} // namespace tav
