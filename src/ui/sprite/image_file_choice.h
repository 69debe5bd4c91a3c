#pragma once

#include <QImage>
#include <QString>

#include <optional>

namespace tav {

// Asks for a PNG file with the native file dialog and writes the image into
// it; a failed write is shown as an error about the thing exported ("sprite
// image", "strip"). False when cancelled or failed.
bool exportPngImage(const QImage &image, const QString &title, const QString &startFolder, const QString &what);

// Asks for an image file to open; nothing when cancelled.
std::optional<QString> chooseImageToOpen(const QString &title, const QString &startFolder);

} // namespace tav
