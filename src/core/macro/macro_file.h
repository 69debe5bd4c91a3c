#pragma once

#include "core/common/game_folder.h"
#include "core/common/line_scanner.h"
#include "core/common/result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace tav {

// Macro files: GAMEDATA\MAKRO\<name>.cmd, one byte per character in the
// game's code page, lines ended by CR LF, written exactly as the editor
// holds the text (no line break is added after the last line).

inline const QString kMacroFolder = QStringLiteral("GAMEDATA\\MAKRO");

// The game path of a macro: the name as typed plus ".cmd".
QString macroFilePath(const QString &name);

// A macro name may not leave GAMEDATA\MAKRO (no separators, no ".."); any
// other name, even an empty one, is used as typed.
Status checkMacroName(const QString &name);

// Writes the body byte for byte, atomically. A missing folder or a read-only
// file is a failure; nothing is created on the way.
Status saveMacro(const GameFolder &folder, const QString &name, const QString &body);

// Whether saving under `name` would replace an existing macro file other
// than the one the editor's macro came from (`ownName`, the name it was last
// loaded or saved under; none when it came from no file). Names find their
// files without regard to letter case, as every game path does.
bool replacesOtherMacro(const GameFolder &folder, const QString &name, const std::optional<QString> &ownName);

// The question asked before such a save.
QString replaceMacroQuestion(const QString &name);

// The names of the macros in GAMEDATA\MAKRO (files matching "*.CMD" in any
// letter case, without their last four characters), in list order. A missing
// folder gives no names.
QStringList listMacroNames(const GameFolder &folder);

Result<QByteArray> readMacroFile(const GameFolder &folder, const QString &name);

// How the kit reads a macro's lines, the load dialog, tavtool's dump and
// check alike: as the editor takes its text, a lone CR ends a line too.
inline constexpr LoneCr kMacroLoneCr = LoneCr::EndsLine;

// The lines of a macro file as they are read one after another.
QStringList macroLines(const QByteArray &contents);

} // namespace tav
