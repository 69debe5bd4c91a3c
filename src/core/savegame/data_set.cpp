#include "core/savegame/data_set.h"

#include "core/common/game_folder.h"

namespace tav {

QString dataSetFolderName(int index)
{
    return isSlot(index) ? QStringLiteral("SAVE") + QString::number(index) : QStringLiteral("MAPS");
}

QString dataSetFolderPath(const QString &folderName)
{
    return gamePath({QStringLiteral("GAMEDATA"), folderName});
}

QString dataSetFilePath(const QString &folderName, const QString &fileName)
{
    return gamePath({QStringLiteral("GAMEDATA"), folderName, fileName});
}

} // namespace tav
