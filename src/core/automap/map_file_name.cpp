#include "core/automap/map_file_name.h"

#include "core/common/game_folder.h"
#include "core/common/number_field.h"

namespace tav {

QString mapFileName(int x, int y, int z)
{
    return twoDigits(x) + QLatin1Char('-') + twoDigits(y) + QLatin1Char('-') + twoDigits(z) + QStringLiteral(".MAP");
}

std::optional<MapPosition> parseMapFileName(const QString &name)
{
    // XX-YY-ZZ.MAP
    if (name.size() != 12 || name[2] != QLatin1Char('-') || name[5] != QLatin1Char('-') ||
        name.right(4).compare(QStringLiteral(".MAP"), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    int values[3];
    for (int i = 0; i < 3; ++i) {
        const QChar tens = name[i * 3];
        const QChar ones = name[i * 3 + 1];
        if (tens < QLatin1Char('0') || tens > QLatin1Char('9') || ones < QLatin1Char('0') || ones > QLatin1Char('9'))
            return std::nullopt;
        values[i] = (tens.unicode() - '0') * 10 + (ones.unicode() - '0');
    }
    return MapPosition{values[0], values[1], values[2]};
}

QString mapFilePath(const QString &dataSetPath, const MapPosition &p)
{
    return gamePath({dataSetPath, mapFileName(p)});
}

} // namespace tav
