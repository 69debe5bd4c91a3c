#include "core/automap/slot_map_tools.h"

#include "core/automap/file_replace.h"
#include "core/automap/map_scan.h"
#include "core/common/file_io.h"
#include "core/common/folder_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

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
    const Result<FolderFiles> slotFiles = FolderFiles::open(slot.value());
    if (!slotFiles)
        return slotFiles.status();

    MapsReset done;
    int failed = 0;
    QString firstFailure;
    const auto fail = [&](const QString &reason) {
        if (failed++ == 0)
            firstFailure = reason;
    };

    // The default set's MAP files of the world, each under the name the slot
    // gets (the disk's spelling of the default file may differ in case).
    QHash<QString, QString> defaults; // slot name -> default disk name
    for (const MapFileEntry &entry : listMapFiles(folder, kDefaultDataSetPath)) {
        if (!isWorldPosition(entry.position))
            continue;
        const QString name = mapFileName(entry.position);
        // Of two spellings of one position, the one written as the slot's wins.
        if (!defaults.contains(name) || entry.diskName == name)
            defaults.insert(name, entry.diskName);
    }

    // A slot MAP under one of those names is compared below; every other
    // MAP file of the slot goes.
    QSet<QString> present;
    for (const QString &name : slotFiles->fileNames()) {
        if (!name.endsWith(QLatin1String(".MAP"), Qt::CaseInsensitive))
            continue;
        if (defaults.contains(name)) {
            present.insert(name);
        } else if (const Status removed = slotFiles->remove(name)) {
            ++done.deleted;
        } else {
            fail(removed.error());
        }
    }

    const Result<FolderFiles> defaultFiles = FolderFiles::open(folder.resolve(kDefaultDataSetPath));
    for (auto it = defaults.cbegin(); defaultFiles && it != defaults.cend(); ++it) {
        const QString &name = it.key();
        const Result<FileBytes> source = defaultFiles->read(it.value(), kReadLimitBytes);
        if (!source) {
            // As before: the slot's file of that name is gone all the same.
            if (present.contains(name) && slotFiles->remove(name))
                ++done.deleted;
            fail(source.error());
            continue;
        }
        if (present.contains(name) && slotFiles->holds(name, source->data)) {
            ++done.unchanged;
            continue;
        }
        if (const Status written = slotFiles->write(name, source.value()))
            ++done.copied;
        else
            fail(written.error());
    }

    if (failed > 0)
        return Status::failure(QStringLiteral("%1 MAP file(s) could not be re-set. %2").arg(failed).arg(firstFailure));
    return done;
}

} // namespace tav
