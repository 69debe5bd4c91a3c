// PLAYER.STS and TRAIN.STS as JSON: the 138 lines under their names, the
// inventory's item names beside them when the game folder is known.
#include "core/savegame/player_fields.h"
#include "core/savegame/player_file.h"
#include "core/textform/json_path.h"
#include "core/textform/line_table_format.h"

#include <QJsonArray>

namespace tav::textform {
namespace {

const QString kItemName = QStringLiteral("itemName");

class PlayerFormat : public LineTableFormat {
public:
    PlayerFormat()
        : LineTableFormat(QStringLiteral("player"), {kPlayerFileName, kTrainingFileName},
                          QStringLiteral("GAMEDATA\\MAPS\\PLAYER.STS"))
    {
    }

    QStringList shownOnly() const override { return {kItemName}; }

    void addSurroundings(QJsonObject &dump, const Surroundings &surroundings) const override
    {
        if (!surroundings.itemNames)
            return;
        QJsonArray inventory = dump.value(QStringLiteral("inventory")).toArray();
        for (qsizetype p = 0; p < inventory.size(); ++p) {
            QJsonObject position = inventory[p].toObject();
            const int item = position.value(QStringLiteral("item")).toInt();
            if (item >= 1 && item <= surroundings.itemNames->size())
                position[kItemName] = surroundings.itemNames->at(item - 1);
            inventory[p] = position;
        }
        dump[QStringLiteral("inventory")] = inventory;
    }

protected:
    const LineFieldTable &table() const override { return playerFileFields(); }

    Result<QStringList> writtenLines(const QStringList &lines, int *) const override
    {
        PlayerState state;
        applyPlayerFileLines(lines, state);
        return playerFileLines(state);
    }

    QString valueNote(const LineField &field, const QJsonObject &dump) const override
    {
        if (!field.name.endsWith(QStringLiteral("/item")))
            return QString();
        const QJsonValue name = valueAt(dump, field.name.chopped(4) + kItemName);
        return name.isString() ? QStringLiteral("(%1)").arg(name.toString()) : QString();
    }
};

} // namespace

const TextFormat &playerFormat()
{
    static const PlayerFormat format;
    return format;
}

} // namespace tav::textform
