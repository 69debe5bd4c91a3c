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
    friend bool operator==(const PlayerState &, const PlayerState &) = default;
};

inline const QString kPlayerFileName = QStringLiteral("PLAYER.STS");
inline const QString kTrainingFileName = QStringLiteral("TRAIN.STS");

// The training state exists only in the default data set (index 0); a slot
// always uses PLAYER.STS.
QString playerFileName(int dataSetIndex, bool training);

// PLAYER.STS / TRAIN.STS: 138 lines, one field per line.
constexpr int kPlayerFileLines = 138;

// Line numbers (from 1) of the player file's fields.
namespace player_line {
inline constexpr int kFirstItem = 3;    // item number of position p on 3 + 2p, its count - 1 after it
inline constexpr int kFirstWeapon = 83; // state of weapon i on 83 + 2i, spell i known after it
inline constexpr int kArmor = 101;
inline constexpr int kHeroX = 102;
inline constexpr int kHeroY = 103;
inline constexpr int kAttackText = 104;
inline constexpr int kRangeText = 105;
inline constexpr int kWeaponCodeCopy = 106;
inline constexpr int kWeaponCode = 107;
inline constexpr int kSpell = 108; // spell - 1
inline constexpr int kDirection = 109;
inline constexpr int kHearts = 110;
inline constexpr int kContainers = 111;
inline constexpr int kGold = 112;
inline constexpr int kArrows = 113;
inline constexpr int kMana = 114;
inline constexpr int kMapX = 115; // MAP x, y and z: texts
inline constexpr int kMapY = 116;
inline constexpr int kMapZ = 117;
inline constexpr int kProtectionText = 122;
inline constexpr int kGoalX = 128; // goal x, y and number: texts
inline constexpr int kGoalY = 129;
inline constexpr int kGoalNr = 130;

// Whether a line holds a text field rather than a number field.
constexpr bool isText(int line)
{
    return line == kAttackText || line == kRangeText || (line >= kMapX && line <= kMapZ) ||
           line == kProtectionText || (line >= kGoalX && line <= kGoalNr);
}
} // namespace player_line

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
