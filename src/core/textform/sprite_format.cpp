// Sprite files (.SPR) as JSON: width, height and the rows of colour indices;
// shown as one line per pixel row in two-digit hex.
#include "core/sprite/sprite_file.h"
#include "core/textform/formats.h"
#include "core/textform/json_fields.h"

#include <QJsonArray>

namespace tav::textform {
namespace {

const QString kWidth = QStringLiteral("width");
const QString kHeight = QStringLiteral("height");
const QString kRows = QStringLiteral("rows");

class SpriteFormat : public NamedTextFormat {
public:
    SpriteFormat()
        : NamedTextFormat(QStringLiteral("sprite"), {QStringLiteral(".SPR")}, QStringLiteral("GRAFIK\\SPRITE.SPR"))
    {
    }

    int longestBaseName() const override { return 8; }

    Result<QJsonObject> read(const QByteArray &bytes) const override
    {
        if (bytes.size() < SpriteFileLayout::kPixelOffset)
            return Result<QJsonObject>::failure(
                QStringLiteral("is %1 bytes long, shorter than the 11-byte header of a sprite file").arg(bytes.size()));
        const SpriteFileContents sprite = parseSpriteFile(bytes);
        if (sprite.width < 1 || sprite.height < 1)
            return Result<QJsonObject>::failure(
                QStringLiteral("states a %1 x %2 sprite (width field %3); a sprite is 1 to 40 pixels wide and high")
                    .arg(sprite.statedWidth)
                    .arg(sprite.statedHeight)
                    .arg(sprite.widthField));
        QJsonArray rows;
        for (int y = 0; y < sprite.height; ++y) {
            QJsonArray row;
            for (int x = 0; x < sprite.width; ++x)
                row.append(sprite.pixels.at(x, y));
            rows.append(row);
        }
        return QJsonObject{{kWidth, sprite.width}, {kHeight, sprite.height}, {kRows, rows}};
    }

    QByteArray write(const QJsonObject &fields) const override
    {
        const int side = CellGrid::kSide;
        const int width = int(integerAt(fields, kWidth, 1, side));
        const int height = int(integerAt(fields, kHeight, 1, side));
        const QJsonArray rows = arrayAt(fields, kRows, height, height);
        QByteArray pixels;
        pixels.reserve(width * height);
        for (int y = 0; y < height; ++y) {
            atElement(kRows, y, [&] {
                const QJsonArray row = arrayValue(rows[y], QString(), width, width);
                for (int x = 0; x < width; ++x)
                    pixels.append(
                        char(atElement(QString(), x, [&] { return integerValue(row[x], QString(), 0, 255); })));
            });
        }
        return spriteFileBytes(width, height, pixels);
    }

    QStringList normalisations(const QByteArray &file, const QByteArray &written) const override
    {
        const SpriteFileContents sprite = parseSpriteFile(file);
        QStringList notes;
        const int header = SpriteFileLayout::kLeadingHeaderBytes;
        if (file.left(header) != written.left(header))
            notes.append(QStringLiteral("the leading header bytes %1 are written as %2")
                             .arg(QString::fromLatin1(file.left(header).toHex(' ')),
                                  QString::fromLatin1(written.left(header).toHex(' '))));
        if (sprite.widthField != sprite.statedWidth * 8)
            notes.append(QStringLiteral("the width field %1 is written as %2")
                             .arg(sprite.widthField)
                             .arg(sprite.statedWidth * 8));
        if (sprite.isCut())
            notes.append(QStringLiteral("the stated size %1 x %2 is cut to %3 x %4")
                             .arg(sprite.statedWidth)
                             .arg(sprite.statedHeight)
                             .arg(sprite.width)
                             .arg(sprite.height));
        if (sprite.pixelsMissing)
            notes.append(QStringLiteral("the file ends before its last pixels; they are written as index 0"));
        else if (!sprite.isCut() && file.size() > written.size())
            notes.append(QStringLiteral("%1 bytes after the pixels are not written").arg(file.size() - written.size()));
        if (notes.isEmpty())
            notes.append(QStringLiteral("the bytes of the file are written differently"));
        return notes;
    }

    QStringList showLines(const QJsonObject &dump) const override
    {
        QStringList lines{QStringLiteral("format: sprite"), QStringLiteral("width: %1").arg(dump.value(kWidth).toInt()),
                          QStringLiteral("height: %1").arg(dump.value(kHeight).toInt())};
        const QJsonArray rows = dump.value(kRows).toArray();
        for (qsizetype y = 0; y < rows.size(); ++y) {
            QStringList cells;
            for (const QJsonValue &index : rows[y].toArray())
                cells.append(QStringLiteral("%1").arg(index.toInt(), 2, 16, QLatin1Char('0')));
            lines.append(
                QStringLiteral("row %1: %2").arg(y, 2, 10, QLatin1Char('0')).arg(cells.join(QLatin1Char(' '))));
        }
        for (const QJsonValue &note : dump.value(QStringLiteral("normalised")).toArray())
            lines.append(QStringLiteral("normalised: ") + note.toString());
        return lines;
    }
};

} // namespace

const TextFormat &spriteFormat()
{
    static const SpriteFormat format;
    return format;
}

} // namespace tav::textform
