#pragma once

#include "core/macro/command_vocabulary.h"
#include "core/macro/macro_game_data.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace tav {

// What the kit tells about the word under a column of a macro line.
struct MacroHover {
    qsizetype from = 0; // the word's span in the line
    qsizetype to = 0;
    QString text; // plain text; lines separated by "\n"
};

// A command code or a literal: the preset's form and its description (every
// form of the code when the line follows none); an item number: its name; a
// goal number: its text; a sound: its file; another parameter: what it is in
// the preset. Nothing for comments, unknown codes and blanks.
std::optional<MacroHover> hoverMacroLine(QStringView line, qsizetype column, const MacroGameData &data);

// Where a value of a macro line is defined.
struct DefinitionTarget {
    FieldKind kind = FieldKind::GoalNumber; // GoalNumber, ItemNumber or SoundName
    int number = -1;                        // the goal or item number
    QString gamePath;                       // "GAMEDATA\GOALS.DAT", "SOUNDS\chime.wav"
    int line = -1;                          // the line in that file, from 0; -1 for a whole file
};

// The definition of the value under a column: a goal's line in GOALS.DAT, an
// item's name line in ITMNAMES.DAT, a sound's file in SOUNDS. Nothing when the
// game data holds no such goal, item or sound.
std::optional<DefinitionTarget> definitionAt(QStringView line, qsizetype column, const MacroGameData &data);

} // namespace tav
