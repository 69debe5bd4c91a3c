#pragma once

#include "core/macro/macro_game_data.h"

#include <QList>
#include <QString>
#include <QStringView>

namespace tav {

enum class CompletionKind { Command, Literal, Item, Sound, Goal };

// One thing the designer may write at the caret.
struct CompletionEntry {
    CompletionKind kind = CompletionKind::Command;
    QString label;  // as the list shows it: "ITM + InventoryItemNumber", "5", "chime"
    QString detail; // one line: the command's description, the item's name, the goal's text, the sound's file
    // What replaces the line's characters from `from` to the caret: a
    // command's code with a blank where the preset has parameters and its
    // leading literals ("ITM + "); a value, with a blank when more fields
    // follow. Never a placeholder word.
    QString insertText;
    qsizetype from = 0;
    friend bool operator==(const CompletionEntry &, const CompletionEntry &) = default;
};

// What fits at column `column` of a macro line: at the command code, the
// presets whose code begins with what is typed (in any letter case), with
// their descriptions from the command help; in the parameters, the values of
// the field at the caret that the game's data gives (item numbers with their
// names, sound names, goal numbers with their text) and the preset's
// literals, for every preset of the code that the fields before the caret
// agree with. Only entries that begin with what is typed of the field.
QList<CompletionEntry> completeMacroLine(QStringView line, qsizetype column, const MacroGameData &data);

// The text a command entry inserts for preset `preset`.
QString commandInsertText(int preset);

} // namespace tav
