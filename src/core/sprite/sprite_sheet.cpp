#include "core/sprite/sprite_sheet.h"

#include "core/sprite/scrapboard.h"
#include "core/sprite/sprite_file.h"
#include "core/sprite/sprite_image_exchange.h"
#include "core/sprite/sprite_library.h"
#include "core/sprite/sprite_name.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace tav {

SpriteSheet composeSpriteSheet(const QList<SheetSprite> &sprites, int columns, QSize cellSize,
                               const SpriteColourMap &colours, int scale)
{
    SpriteSheet sheet;
    sheet.scale = std::max(scale, 1);
    sheet.columns = std::clamp(columns, 1, std::max(1, int(sprites.size())));
    sheet.cellSize = cellSize * sheet.scale;
    const int rows = (int(sprites.size()) + sheet.columns - 1) / sheet.columns;
    QImage image(sheet.columns * cellSize.width(), rows * cellSize.height(), QImage::Format_Indexed8);
    image.setColorTable(colours.colourTable());
    image.fill(0);
    for (int i = 0; i < sprites.size(); ++i) {
        const SheetSprite &sprite = sprites[i];
        const QPoint at((i % sheet.columns) * cellSize.width(), (i / sheet.columns) * cellSize.height());
        drawSpriteCells(image, at, sprite.pixels, sprite.width, sprite.height);
        sheet.cells.append({sprite.name, QRect(at * sheet.scale, QSize(sprite.width, sprite.height) * sheet.scale)});
    }
    sheet.image = sheet.scale == 1
                      ? image
                      : image.scaled(image.size() * sheet.scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return sheet;
}

QByteArray spriteSheetJson(const SpriteSheet &sheet)
{
    QJsonArray sprites;
    for (const SheetCell &cell : sheet.cells)
        sprites.append(QJsonObject{{QStringLiteral("name"), cell.name},
                                   {QStringLiteral("x"), cell.rect.x()},
                                   {QStringLiteral("y"), cell.rect.y()},
                                   {QStringLiteral("width"), cell.rect.width()},
                                   {QStringLiteral("height"), cell.rect.height()}});
    const QJsonObject root{{QStringLiteral("columns"), sheet.columns},
                           {QStringLiteral("cellWidth"), sheet.cellSize.width()},
                           {QStringLiteral("cellHeight"), sheet.cellSize.height()},
                           {QStringLiteral("scale"), sheet.scale},
                           {QStringLiteral("sprites"), sprites}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QString spriteSheetJsonPath(const QString &imageDiskPath)
{
    const QFileInfo image(imageDiskPath);
    return image.dir().filePath(image.completeBaseName() + QStringLiteral(".json"));
}

FolderSprites readFolderSprites(const GameFolder &folder, const QString &folderEntry)
{
    FolderSprites result;
    for (const QString &entry : spriteEntries(folder, folderEntry)) {
        const QString name = folderEntry + QLatin1Char('\\') + entry;
        const Result<SpriteFileContents> contents = readSpriteFile(folder.resolve(spriteFileGamePath(name)));
        if (!contents) {
            result.problems << QStringLiteral("%1: %2").arg(name, contents.error());
            continue;
        }
        if (contents->width == 0 || contents->height == 0) {
            result.problems << QStringLiteral("%1: holds no pixels, left out.").arg(name);
            continue;
        }
        if (contents->isCut() || contents->pixelsMissing)
            result.problems << QStringLiteral("%1: %2").arg(name, dimensionText(*contents));
        result.sprites.append({name, contents->width, contents->height, contents->pixels});
    }
    return result;
}

SpriteSheet scrapboardStrip(const Scrapboard &board, int count, const SpriteColourMap &colours)
{
    QList<SheetSprite> frames;
    QSize cell(0, 0);
    for (int frame = 0; frame < std::clamp(count, 0, int(Scrapboard::kFrames)); ++frame) {
        const SpriteImage &image = board.image(frame);
        SheetSprite sprite{board.label(frame), std::min<int>(image.width(), CellGrid::kSide),
                           std::min<int>(image.height(), CellGrid::kSide), CellGrid::fromImage(image)};
        if (image.isEmpty())
            sprite.width = sprite.height = 0;
        cell = cell.expandedTo(QSize(sprite.width, sprite.height));
        frames.append(sprite);
    }
    return composeSpriteSheet(frames, int(frames.size()), cell, colours);
}

} // namespace tav
