#pragma once

#include "core/common/game_folder.h"

#include <QString>

namespace tav {

inline const QString kVersionFilePath = QStringLiteral("GAMEDATA\\VERSION.DAT");
inline const QString kLogoSentence = QStringLiteral("There must always be a Garrik!");

// The first line of GAMEDATA\VERSION.DAT; empty when the file is missing.
QString readGameVersion(const GameFolder &folder);

// The about window's three lines:
// "game version: <gv>", "designer version: 1.0.3", the logo sentence.
QString aboutVersionText(const QString &gameVersion);

// The hidden picture appears when the text is exactly the logo sentence.
bool revealsHiddenPicture(const QString &text);

} // namespace tav
