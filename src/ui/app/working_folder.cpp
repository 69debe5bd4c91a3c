#include "ui/app/working_folder.h"

#include "core/app/start_options.h"
#include "core/common/game_folder.h"
#include "ui/platform/dialogs.h"

#include <QDir>

namespace tav {
namespace {

std::optional<QString> chooseGameFolder(QString startPath)
{
    for (;;) {
        const std::optional<QString> chosen = platform::chooseFile(
            platform::FileChoice::Folder, QStringLiteral("Choose the game folder"), startPath);
        if (!chosen)
            return std::nullopt;
        const QString folder = QDir::cleanPath(*chosen);
        if (holdsGameData(folder))
            return folder;
        if (platform::askYesNo(QStringLiteral("%1 holds no GAMEDATA folder.\n\nUse it anyway for a new, empty game?")
                                   .arg(QDir::toNativeSeparators(folder)),
                               QStringLiteral("Choose the game folder")))
            return folder;
        startPath = folder;
    }
}

} // namespace

std::optional<GameFolder> openWorkingFolder(const QString &givenFolder)
{
    const QString current = QDir::currentPath();
    std::optional<QString> folder = givenFolder;
    if (givenFolder.isEmpty())
        folder = holdsGameData(current) ? std::optional<QString>(current) : chooseGameFolder(current);
    if (!folder)
        return std::nullopt;
    if (!QDir::setCurrent(*folder)) {
        platform::showError(QStringLiteral("The folder %1 cannot be opened.").arg(QDir::toNativeSeparators(*folder)));
        return std::nullopt;
    }
    if (!folderIsWritable(*folder))
        platform::showMessage(QStringLiteral("The folder %1 is read-only: nothing can be saved there.")
                                  .arg(QDir::toNativeSeparators(*folder)),
                              QStringLiteral("Warning!"), platform::Icon::Exclamation);
    return GameFolder(QDir::currentPath());
}

} // namespace tav
