#include "core/check/rules.h"

#include "core/sprite/cell_grid.h"
#include "core/sprite/sprite_file.h"

namespace tav::check {
namespace {

void checkSprite(CheckContext &context, const ListedEntry &entry)
{
    const std::optional<QByteArray> bytes = context.read(entry);
    if (!bytes)
        return;
    Findings &findings = context.findings;
    const QString &file = entry.gamePath;
    if (bytes->size() < SpriteFileLayout::kPixelOffset) {
        findings.error(file, 0, "sprite-header",
                       QStringLiteral("is %1 bytes long, shorter than the 11-byte header (reads as an empty sprite)")
                           .arg(bytes->size()));
        return;
    }
    // Every sprite the sprite saver writes begins with its header; a file
    // without it (a text file, an image) only looks like a sprite by chance.
    if (!bytes->startsWith(QByteArrayView(SpriteFileLayout::kLeadingHeader, SpriteFileLayout::kLeadingHeaderBytes - 1))) {
        findings.error(file, 0, "sprite-not-sprite",
                       QStringLiteral("not a sprite file: it begins with %1, not the sprite header 'TAVSPR'")
                           .arg(quoted(QString::fromLatin1(bytes->left(SpriteFileLayout::kLeadingHeaderBytes - 1)))))
            .note = QStringLiteral("save sprites with the sprite editor or import an image with 'tavtool sprite import'");
        return;
    }
    const SpriteFileContents sprite = parseSpriteHeader(*bytes);
    if (sprite.widthField % 8 != 0)
        findings.warning(file, 0, "sprite-width-field",
                         QStringLiteral("width field %1 is not a multiple of 8 (read as %2 pixels)")
                             .arg(sprite.widthField)
                             .arg(sprite.statedWidth));
    const auto inRange = [](int side) { return side >= 1 && side <= CellGrid::kSide; };
    if (!inRange(sprite.statedWidth) || !inRange(sprite.statedHeight)) {
        findings.error(file, 0, "sprite-size",
                       QStringLiteral("is %1 x %2 pixels; a sprite is 1 to 40 pixels each way")
                           .arg(sprite.statedWidth)
                           .arg(sprite.statedHeight));
        return;
    }
    const qint64 expected = qint64(sprite.statedWidth) * sprite.statedHeight;
    const qint64 stored = bytes->size() - SpriteFileLayout::kPixelOffset;
    if (stored < expected)
        findings.error(file, 0, "sprite-pixels-short",
                       QStringLiteral("holds %1 pixel bytes, %2 short of %3 x %4")
                           .arg(stored)
                           .arg(expected - stored)
                           .arg(sprite.statedWidth)
                           .arg(sprite.statedHeight));
    else if (stored > expected)
        findings.warning(file, 0, "sprite-pixels-long",
                         QStringLiteral("holds %1 bytes after the %2 x %3 pixels that are never read")
                             .arg(stored - expected)
                             .arg(sprite.statedWidth)
                             .arg(sprite.statedHeight));
}

void checkSpriteFolder(CheckContext &context, const ListedFolder &folder)
{
    for (const ListedEntry &entry : folder.entries())
        if (entry.name.endsWith(QStringLiteral(".SPR"), Qt::CaseInsensitive))
            checkSprite(context, entry);
}

} // namespace

void checkSprites(CheckContext &context)
{
    checkSpriteFolder(context, context.listing.grafik);
    for (const ListedFolder &folder : context.listing.spriteFolders)
        checkSpriteFolder(context, folder);
}

} // namespace tav::check
