#pragma once

#include "core/automap/map_file_name.h"
#include "core/common/game_folder.h"
#include "core/common/result.h"

#include <QString>
#include <QStringList>

namespace tav {

// Upper bounds of the hero's MAP position and goal position boxes.
inline constexpr int kMapXMax = kWorldColumns;
inline constexpr int kMapYMax = kWorldRows;
inline constexpr int kMapZMax = kLevels - 1;
inline constexpr int kGoalXMax = kWorldColumns;
inline constexpr int kGoalYMax = kWorldRows;

// The numeric value of a box's text as a whole number, 0 when there is none.
int wholeValue(const QString &text);

// The text a number box shows after an edit: its whole value within
// lower..upper, so "07" becomes "7", "25" becomes the bound, "abc" and an
// empty text become "0" (or the lower bound).
QString clampedNumberText(const QString &text, int upper, int lower = 0);

// The text of a position box after the focus left it: a value of 0 becomes
// "1" (the level box has no such rule).
QString positionTextAfterLeaving(const QString &text);

// The highest goal number the goal box accepts (0 with no goals).
int highestGoalNumber(const QStringList &goals);
// The text of goal n, empty when there is no such goal.
QString goalText(const QStringList &goals, int number);

// Whether the MAP file of a position opens for reading in a data set folder
// given as a game path (an empty file counts; a missing folder does not).
bool mapFileOpens(const GameFolder &folder, const QString &dataSetPath, const MapPosition &position);

} // namespace tav
