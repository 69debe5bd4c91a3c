// The sprite editor's exchange with ordinary images: export and import of
// PNG files, and image files dropped on the canvas.
#include "ui/sprite/sprite_editor.h"

#include "core/sprite/sprite_image_exchange.h"
#include "ui/platform/dialogs.h"
#include "ui/sprite/image_file_choice.h"

#include <QFileInfo>

namespace tav {

SpriteColourMap Form12::imageColours()
{
    paletteWindow();
    return SpriteColourMap(m_palette.colours());
}

void Form12::exportImage()
{
    const QImage picture = spritePicture(m_document.Matrix(), m_document.XSize(), m_document.YSize(), imageColours());
    exportPngImage(picture, QStringLiteral("Export sprite image"), m_folder.root(), QStringLiteral("sprite image"),
                   imageFileNameFor(m_document.name()));
}

void Form12::importImage()
{
    const std::optional<QString> path = chooseImageToOpen(QStringLiteral("Import sprite image"), m_folder.root());
    if (path)
        importImageFile(*path);
}

void Form12::importImageFile(const QString &diskPath)
{
    const Result<QSize> size = imageFileSize(diskPath);
    if (!size) {
        platform::showError(size.error());
        return;
    }
    const bool crop = !fitsSprite(*size);
    if (crop &&
        !platform::askYesNo(tooLargeForSpriteMessage(diskPath, *size) + QStringLiteral(" Import its top-left 40 x 40?"),
                            QStringLiteral("Import image")))
        return;
    if (m_document.Matrix() != CellGrid() &&
        !platform::askYesNo(QStringLiteral("Replace the sprite in the editor with %1? Undo brings it back.")
                                .arg(QFileInfo(diskPath).fileName()),
                            QStringLiteral("Import image")))
        return;
    const Result<QImage> image = readSpriteImageFile(diskPath, crop);
    if (!image) {
        platform::showError(image.error());
        return;
    }
    const ImageMapping mapping = mapImage(*image, imageColours());
    m_document.importImage(mapping.width, mapping.height, mapping.pixels);
    if (mapping.exactPixels < mapping.pixelCount())
        platform::showMessage(QStringLiteral("The image was not drawn in the palette's colours only: ") +
                                  mapping.summary(),
                              QStringLiteral("Information"), platform::Icon::Information);
}

} // namespace tav
