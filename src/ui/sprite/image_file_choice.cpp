#include "ui/sprite/image_file_choice.h"

#include "core/sprite/sprite_image_exchange.h"
#include "ui/platform/dialogs.h"

#include <QFileInfo>

namespace tav {
namespace {

const QString kPngFilter = QStringLiteral("PNG images (*.png)");

} // namespace

bool exportPngImage(const QImage &image, const QString &title, const QString &startFolder, const QString &what)
{
    std::optional<QString> path = platform::chooseFile(platform::FileChoice::SaveFile, title, startFolder, kPngFilter);
    if (!path)
        return false;
    if (QFileInfo(*path).suffix().isEmpty())
        *path += QStringLiteral(".png");
    if (const Status written = writePngFile(*path, image); !written) {
        platform::showError(QStringLiteral("The %1 was not exported: %2").arg(what, written.error()));
        return false;
    }
    return true;
}

std::optional<QString> chooseImageToOpen(const QString &title, const QString &startFolder)
{
    return platform::chooseFile(platform::FileChoice::OpenFile, title, startFolder,
                                QStringLiteral("Images (*.png *.bmp *.gif *.jpg *.jpeg);;") + kPngFilter);
}

} // namespace tav
