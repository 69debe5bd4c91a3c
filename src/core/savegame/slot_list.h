#pragma once

#include "core/common/game_folder.h"
#include "core/common/result.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tav {

// The name the game and the kit give an empty or deleted slot.
inline const QString kUnusedSlotName = QStringLiteral("<unused>");
// The first entry of the data set list, the default set.
inline const QString kDefaultDataSetEntry = QStringLiteral("DEF (Default)");

// GAMEDATA\SLOTS.INI: lines 1 to 5 name slots 1 to 5; line 6 is " 1 ".
// Always five names; a missing file or missing lines read as empty names.
QStringList readSlotNames(const GameFolder &folder);
// Writes the five names (missing ones empty) and the closing " 1 " line.
Status writeSlotNames(const GameFolder &folder, const QStringList &names);

// The five names on the first lines of SLOTS.INI, and the file's lines for
// five names (line breaks in a name are dropped so it keeps its line).
QStringList slotNamesFromLines(const QStringList &lines);
QStringList slotFileLines(const QStringList &names);

// The entries of the data set list: "DEF (Default)", then "n. name" for
// slots 1 to 5.
QStringList dataSetEntries(const QStringList &slotNames);

// The difficulty in a slot's SKILL.STS.
enum class Skill { Normal = 1, Hard = 2 };

// The slot's difficulty, or nullopt when the slot has no SKILL.STS (the game
// has never saved into it). A file without a readable number counts as normal.
std::optional<Skill> readSlotSkill(const GameFolder &folder, int slot);
Status writeSlotSkill(const GameFolder &folder, int slot, Skill skill);

// Deletes the files directly in a slot's folder (1 to 5); the folder, its
// subfolders and everything outside it stay. An empty or missing folder is
// no failure.
Status deleteSlotFiles(const GameFolder &folder, int slot);

// Slot names are typed on keyboards the game's font does not fully cover:
// German umlauts and the sharp s become two plain letters ("Größe" ->
// "Groesse"); everything else stays.
QString replaceUmlauts(const QString &text);

} // namespace tav
