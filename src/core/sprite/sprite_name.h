#pragma once

#include "core/common/result.h"

#include <QString>

namespace tav {

// A sprite name is a path below GRAFIK without extension that begins with a
// backslash: \ORC for GRAFIK\ORC.SPR, \UNITS\ORC for GRAFIK\UNITS\ORC.SPR.

// The game path of the sprite file of a name.
QString spriteFileGamePath(const QString &name);

// The command line that makes the sprite saver write a name's file.
QString saverCommandLine(const QString &name);

// DOS names: the last 9 characters of the name (all of a shorter name) must
// hold a backslash, so the file name after it has at most 8 characters.
bool isDosSpriteName(const QString &name);
extern const QString kDosNameMessage;

// A name that stays inside GRAFIK: a leading backslash, at most one
// subfolder, no "..", no drive. The reason is a sentence for the user.
Status checkSpriteFileName(const QString &name);

// A name split the way the file dialog shows it: the folder entry ("" for
// GRAFIK itself, "\UNITS" for a subfolder) and the file entry.
struct SpriteNameParts {
    QString folder;
    QString file;
};
SpriteNameParts splitSpriteName(const QString &name);

} // namespace tav
