#include "ui/sprite/image_file_choice.h"

#include "core/sprite/sprite_image_exchange.h"
#include "ui/platform/dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace tav {
namespace {

const QString kPngFilter = QStringLiteral("PNG images (*.png)");

// The folder of the last image chosen in this run, per game folder.
QHash<QString, QString> &lastImageFolders()
{
    static QHash<QString, QString> folders;
    return folders;
}

QString startFolder(const QString &gameFolder)
{
    return lastImageFolders().value(gameFolder, gameFolder);
}

void remember(const QString &gameFolder, const QString &chosenPath)
{
    lastImageFolders().insert(gameFolder, QFileInfo(chosenPath).absolutePath());
}

} // namespace

QString imageFileNameFor(const QString &spriteName)
{
    const QString base = spriteName.section(QLatin1Char('\\'), -1).trimmed();
    return (base.isEmpty() ? QStringLiteral("sprite") : base) + QStringLiteral(".png");
}

bool exportPngImage(const QImage &image, const QString &title, const QString &gameFolder, const QString &what,
                    const QString &fileName)
{
    const QString folder = startFolder(gameFolder);
    std::optional<QString> path = platform::chooseFile(platform::FileChoice::SaveFile, title,
                                                       fileName.isEmpty() ? folder : QDir(folder).filePath(fileName),
                                                       kPngFilter);
    if (!path)
        return false;
    if (QFileInfo(*path).suffix().isEmpty())
        *path += QStringLiteral(".png");
    remember(gameFolder, *path);
    if (const Status written = writePngFile(*path, image); !written) {
        platform::showError(QStringLiteral("The %1 was not exported: %2").arg(what, written.error()));
        return false;
    }
    return true;
}

std::optional<QString> chooseImageToOpen(const QString &title, const QString &gameFolder)
{
    std::optional<QString> path =
        platform::chooseFile(platform::FileChoice::OpenFile, title, startFolder(gameFolder),
                             QStringLiteral("Images (*.png *.bmp *.gif *.jpg *.jpeg);;") + kPngFilter);
    if (path)
        remember(gameFolder, *path);
    return path;
}

} // namespace tav
