#include "core/automap/slot_map_tools.h"

#include "core/automap/file_replace.h"
#include "core/automap/map_scan.h"
#include "core/common/file_io.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tav {
namespace {

// The disk path of the slot folder, or the reason the slot cannot be worked on.
Result<QString> slotFolder(const GameFolder &folder, const QString &slotPath)
{
    const QString disk = folder.resolve(slotPath);
    if (slotPath.isEmpty() || !QFileInfo(disk).isDir())
        return Status::failure(QStringLiteral("The SaveGame folder %1 does not exist.").arg(slotPath));
    const QString defaultDisk = folder.resolve(kDefaultDataSetPath);
    if (QFileInfo(disk).canonicalFilePath() == QFileInfo(defaultDisk).canonicalFilePath())
        return Status::failure(QStringLiteral("The default data set cannot be re-set from itself."));
    return disk;
}

QString sourceGamePath(AutomapSource source)
{
    return source == AutomapSource::Uncovered ? kUncoveredAutomapPath
                                              : gamePath({kDefaultDataSetPath, kAutomapFileName});
}

// The disk path of a file in a folder, matching an existing file's letter
// case and keeping the given spelling otherwise.
QString fileIn(const GameFolder &folder, const QString &folderGamePath, const QString &name)
{
    return folder.resolve(gamePath({folderGamePath, name}));
}

} // namespace

QString slotActionQuestion(int slotIndex, const QString &entryText)
{
    return QStringLiteral("This action will affect the currently selected SaveGame slot #") +
           QString::number(slotIndex) + QStringLiteral(" '") + entryText + QStringLiteral("'. Continue?");
}

Result<AutomapReplaced> replaceSlotAutomap(const GameFolder &folder, const QString &slotPath, AutomapSource source)
{
    const Result<QString> slot = slotFolder(folder, slotPath);
    if (!slot)
        return slot.status();
    const QString sourcePath = sourceGamePath(source);
    const QString sourceDisk = folder.resolve(sourcePath);
    if (!QFileInfo(sourceDisk).isFile())
        return Status::failure(QStringLiteral("%1 could not be found. Nothing was changed.").arg(sourcePath));

    const QString backupDisk = fileIn(folder, slotPath, kAutomapBackupName);
    if (QFileInfo::exists(backupDisk))
        return Status::failure(QStringLiteral("There is already a backup %1 in the SaveGame folder %2. "
                                              "Nothing was changed: move or delete the old backup first.")
                                   .arg(kAutomapBackupName, slotPath));

    const QString automapDisk = fileIn(folder, slotPath, kAutomapFileName);
    AutomapReplaced replaced;
    if (QFileInfo::exists(automapDisk)) {
        const Status renamed = renameToFreeName(automapDisk, backupDisk);
        if (!renamed)
            return Status::failure(QStringLiteral("%1 could not be saved as %2, so it was not replaced. %3")
                                       .arg(kAutomapFileName, kAutomapBackupName, renamed.error()));
        replaced.backupMade = true;
    }

    const Status copied = copyFileAtomically(sourceDisk, automapDisk);
    if (!copied) {
        if (replaced.backupMade)
            renameToFreeName(backupDisk, automapDisk);
        return Status::failure(QStringLiteral("%1 could not be replaced: %2").arg(kAutomapFileName, copied.error()));
    }
    return replaced;
}

Status resetSlotMap(const GameFolder &folder, const QString &slotPath, const MapPosition &position)
{
    const Result<QString> slot = slotFolder(folder, slotPath);
    if (!slot)
        return slot.status();
    const QString name = mapFileName(position);
    const QString defaultDisk = fileIn(folder, kDefaultDataSetPath, name);
    const QString slotDisk = fileIn(folder, slotPath, name);

    if (QFileInfo(defaultDisk).isFile())
        return copyFileAtomically(defaultDisk, slotDisk);
    if (QFileInfo(slotDisk).isFile() && !QFile::remove(slotDisk))
        return Status::failure(QStringLiteral("%1 could not be deleted.").arg(name));
    return Status::success();
}

Result<MapsReset> resetAllSlotMaps(const GameFolder &folder, const QString &slotPath)
{
    const Result<QString> slot = slotFolder(folder, slotPath);
    if (!slot)
        return slot.status();

    MapsReset done;
    int failed = 0;
    QString firstFailure;
    const auto fail = [&](const QString &reason) {
        if (failed++ == 0)
            firstFailure = reason;
    };

    const QDir slotDir(slot.value());
    for (const QString &name : folder.list(slotPath, QStringLiteral("*.MAP"))) {
        if (QFile::remove(slotDir.filePath(name)))
            ++done.deleted;
        else
            fail(QStringLiteral("%1 could not be deleted.").arg(name));
    }

    const QString defaultDisk = folder.resolve(kDefaultDataSetPath);
    for (const MapFileEntry &entry : listMapFiles(folder, kDefaultDataSetPath)) {
        const MapPosition &p = entry.position;
        if (!isWorldPosition(p))
            continue;
        // The slot holds no MAP file any more, so each copy goes to a free name.
        const Status copied =
            copyToFreeName(defaultDisk + QLatin1Char('/') + entry.diskName, slotDir.filePath(mapFileName(p)));
        if (copied)
            ++done.copied;
        else
            fail(copied.error());
    }

    if (failed > 0)
        return Status::failure(QStringLiteral("%1 MAP file(s) could not be re-set. %2").arg(failed).arg(firstFailure));
    return done;
}

} // namespace tav
