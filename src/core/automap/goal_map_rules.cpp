#include "core/automap/goal_map_rules.h"

#include "core/common/number_field.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <limits>

namespace tav {

int wholeValue(const QString &text)
{
    const double value = num(text);
    if (value >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(value);
}

QString clampedNumberText(const QString &text, int upper, int lower)
{
    return QString::number(std::clamp(wholeValue(text), lower, std::max(lower, upper)));
}

QString positionTextAfterLeaving(const QString &text)
{
    return wholeValue(text) == 0 ? QStringLiteral("1") : text;
}

int highestGoalNumber(const QStringList &goals)
{
    return std::max(0, int(goals.size()) - 1);
}

QString goalText(const QStringList &goals, int number)
{
    return number >= 0 && number < goals.size() ? goals[number] : QString();
}

bool mapFileOpens(const GameFolder &folder, const QString &dataSetPath, const MapPosition &position)
{
    const QString path = folder.resolve(mapFilePath(dataSetPath, position));
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

} // namespace tav
