#include "core/sprite/handoff_file.h"

#include "core/common/number_field.h"
#include "core/common/text_file.h"

namespace tav {

QStringList handoffLines(int width, int height, const CellGrid &cells)
{
    QStringList lines;
    lines.reserve(2 + width * height);
    lines << QString::number(width) << QString::number(height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            lines << QString::number(cells.at(x, y));
    return lines;
}

Status writeHandoffFile(const GameFolder &folder, int width, int height, const CellGrid &cells)
{
    return writeTextFile(folder.resolve(kHandoffFileName), handoffLines(width, height, cells), LinkAtTarget::Replace);
}

Result<HandoffSprite> parseHandoff(const QByteArray &bytes)
{
    const QStringList lines = TextFile::fromBytes(bytes).lines;
    const auto numberAt = [&lines](int line, long long low, long long high, const char *what) -> Result<int> {
        if (line > lines.size())
            return Status::failure(
                QStringLiteral("line %1 is missing (%2 expected)").arg(line).arg(QLatin1String(what)));
        const auto value = parseNumberField(lines[line - 1]);
        if (!value || *value < low || *value > high)
            return Status::failure(QStringLiteral("line %1 holds \"%2\", not %3 %4-%5")
                                       .arg(QString::number(line), lines[line - 1], QLatin1String(what),
                                            QString::number(low), QString::number(high)));
        return static_cast<int>(*value);
    };

    const Result<int> width = numberAt(1, 1, CellGrid::kSide, "a width");
    if (!width)
        return width.status();
    const Result<int> height = numberAt(2, 1, CellGrid::kSide, "a height");
    if (!height)
        return height.status();

    HandoffSprite sprite;
    sprite.width = *width;
    sprite.height = *height;
    const int pixelCount = sprite.width * sprite.height;
    sprite.rowPixels.reserve(pixelCount);
    for (int i = 0; i < pixelCount; ++i) {
        const Result<int> index = numberAt(3 + i, 0, 255, "a colour index");
        if (!index)
            return index.status();
        sprite.rowPixels.append(static_cast<char>(*index));
    }
    for (qsizetype extra = 2 + pixelCount; extra < lines.size(); ++extra) {
        if (!lines[extra].trimmed().isEmpty())
            return Status::failure(QStringLiteral("line %1 follows the last pixel of a %2 x %3 sprite")
                                       .arg(extra + 1)
                                       .arg(sprite.width)
                                       .arg(sprite.height));
    }
    return sprite;
}

} // namespace tav
