#pragma once

#include <QImage>
#include <QString>

#include <optional>

namespace tav {

// The image file choosers of the sprite windows start in the folder last
// used in this run, which is the game folder at first; nothing of it is kept
// between runs.

// The file name proposed for a sprite's image: the last part of the sprite
// name with ".png" ("\UNITS\ORC" gives "ORC.png"), "sprite.png" for a sprite
// without a name.
QString imageFileNameFor(const QString &spriteName);

// Asks for a PNG file with the native file dialog, proposing fileName (none
// when empty), and writes the image into it; a failed write is shown as an
// error about the thing exported ("sprite image", "strip"). False when
// cancelled or failed.
bool exportPngImage(const QImage &image, const QString &title, const QString &gameFolder, const QString &what,
                    const QString &fileName = QString());

// Asks for an image file to open; nothing when cancelled.
std::optional<QString> chooseImageToOpen(const QString &title, const QString &gameFolder);

} // namespace tav
