#include "core/textform/surroundings.h"

#include "core/common/game_folder.h"
#include "core/savegame/inventory.h"

#include <QDir>

namespace tav::textform {

Surroundings surroundingsFrom(const QString &diskFolder)
{
    constexpr int kLevels = 3;
    QDir folder(diskFolder);
    for (int level = 0; level <= kLevels; ++level) {
        if (holdsGameData(folder.path())) {
            const GameFolder game(folder.absolutePath());
            if (!game.exists(QStringLiteral("GAMEDATA\\ITMNAMES.DAT")))
                return {};
            return Surroundings{readItemNames(game)};
        }
        if (!folder.cdUp())
            break;
    }
    return {};
}

} // namespace tav::textform
