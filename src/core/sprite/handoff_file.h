#pragma once

#include "core/common/game_folder.h"
#include "core/common/result.h"
#include "core/sprite/cell_grid.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tav {

// The hand-off file SPREDIT.TMP from the sprite editor to the sprite saver,
// in the working folder: the width, the height, then one colour index per
// line for every pixel, row after row from the top, each row left to right.
// Decimal without blanks, every line ended by CR LF.
inline const QString kHandoffFileName = QStringLiteral("SPREDIT.TMP");

QStringList handoffLines(int width, int height, const CellGrid &cells);

// Writes the hand-off file of the game folder. It is a scratch file: a link
// standing at its name is replaced, never written through.
Status writeHandoffFile(const GameFolder &folder, int width, int height, const CellGrid &cells);

// A sprite taken over from a hand-off file.
struct HandoffSprite {
    int width = 0;
    int height = 0;
    QByteArray rowPixels; // width x height indices, row after row
};

// Strict: the sizes must be 1-40, every index 0-255, no line may be missing
// and nothing but empty lines may follow the last pixel.
Result<HandoffSprite> parseHandoff(const QByteArray &bytes);

} // namespace tav
