#include "core/savegame/savegame_document.h"

#include "core/common/step_names.h"
#include "core/common/text_file.h"
#include "core/savegame/data_set.h"
#include "core/savegame/player_fields.h"

namespace tav {
namespace {

const QString kDataSet = QStringLiteral("dataSet");
const QString kTraining = QStringLiteral("training");

QString originPath(const FieldOrigin &origin)
{
    return dataSetFilePath(dataSetFolderName(origin.dataSet), origin.fileName);
}

} // namespace

SaveGameDocument::SaveGameDocument(const GameFolder &folder, QObject *parent)
    : FormDocument<PlayerState>(folder, PlayerState{}, parent)
{
}

void SaveGameDocument::takeOrigin(const FieldOrigin &origin, const QByteArray *bytes)
{
    m_origin = origin;
    takeFile(originPath(origin), bytes);
}

void SaveGameDocument::setChoice(int dataSet, bool training)
{
    if (dataSet == m_dataSet && training == m_training)
        return;
    m_dataSet = dataSet;
    m_training = training;
    noteChange();
}

QString SaveGameDocument::loadStepName(const FieldOrigin &origin)
{
    if (isSlot(origin.dataSet))
        return QStringLiteral("load slot %1").arg(origin.dataSet);
    return origin.fileName == kTrainingFileName ? QStringLiteral("load DEF training") : QStringLiteral("load DEF");
}

QString SaveGameDocument::workName() const
{
    return m_origin ? originPath(*m_origin) : QStringLiteral("nothing loaded");
}

QByteArray SaveGameDocument::fileBytes() const
{
    return TextFile{playerFileLines(form())}.toBytes();
}

QJsonObject SaveGameDocument::windowState() const
{
    return QJsonObject{{kDataSet, m_dataSet}, {kTraining, m_training}};
}

Status SaveGameDocument::restore(const QByteArray &fileBytes, const QJsonObject &windowState)
{
    const QStringList lines = TextFile::fromBytes(fileBytes).lines;
    if (lines.size() != kPlayerFileLines)
        return Status::failure(
            QStringLiteral("the savegame has %1 lines instead of %2").arg(lines.size()).arg(kPlayerFileLines));
    const QJsonValue dataSet = windowState.value(kDataSet);
    const QJsonValue training = windowState.value(kTraining);
    if (!dataSet.isDouble() || dataSet.toInt() < 0 || dataSet.toInt() > kSlotCount || !training.isBool())
        return Status::failure(QStringLiteral("the copy does not say which data set the fields belong to"));
    PlayerState state;
    applyPlayerFileLines(lines, state);
    m_dataSet = dataSet.toInt();
    m_training = training.toBool();
    takeRestored(state);
    return Status::success();
}

Status SaveGameDocument::reload()
{
    if (!m_origin)
        return Status::failure(QStringLiteral("Nothing was loaded yet."));
    PlayerState state = form();
    if (const Status loaded = loadPlayerFile(folder(), originPath(*m_origin), state); !loaded)
        return loaded;
    takeLoaded(loadStepName(*m_origin), state);
    takeOrigin(*m_origin);
    return Status::success();
}

QString SaveGameDocument::describeChange(const PlayerState &before, const PlayerState &after) const
{
    return describeLineChanges(playerFileFields(), playerFileLines(before), playerFileLines(after),
                               QStringLiteral("hero change"));
}

bool SaveGameDocument::sameContent(const PlayerState &a, const PlayerState &b) const
{
    return playerFileLines(a) == playerFileLines(b);
}

} // namespace tav
