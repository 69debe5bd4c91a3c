#include "core/savegame/field_origin.h"

#include "core/savegame/data_set.h"

namespace tav {
namespace {

const QString kTrainingFile = QStringLiteral("TRAIN.STS");

QString shortName(const FieldOrigin &origin)
{
    if (isSlot(origin.dataSet))
        return QStringLiteral("slot #%1").arg(origin.dataSet);
    if (origin.fileName.compare(kTrainingFile, Qt::CaseInsensitive) == 0)
        return QStringLiteral("DEF (") + kTrainingFile + QLatin1Char(')');
    return QStringLiteral("DEF");
}

} // namespace

QString fieldOriginText(const std::optional<FieldOrigin> &origin)
{
    if (!origin)
        return QStringLiteral("nothing loaded yet");
    return QStringLiteral("fields loaded from: ") + shortName(*origin);
}

std::optional<QString> saveIntoOtherSetQuestion(const std::optional<FieldOrigin> &origin, const FieldOrigin &target,
                                                const QString &targetEntry)
{
    if (origin == target)
        return std::nullopt;
    const QString quotedEntry = QLatin1Char('\'') + targetEntry + QLatin1Char('\'');
    const QString where = isSlot(target.dataSet) ? shortName(target) + QLatin1Char(' ') + quotedEntry : quotedEntry;
    const QString from = origin ? QStringLiteral("The fields were loaded from ") + shortName(*origin)
                                      + QStringLiteral(". Save them as ")
                                : QStringLiteral("Nothing was loaded yet. Save the fields as ");
    return from + where + QStringLiteral("? Its ") + target.fileName + QStringLiteral(" will be replaced.");
}

} // namespace tav
