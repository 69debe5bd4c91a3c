#include "core/refs/change_plan.h"

#include "core/common/file_io.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>

namespace tav::refs {

QStringList ChangePlan::files() const
{
    QStringList list;
    for (const FileChange &change : changes) {
        list.append(change.file);
        if (change.isRename())
            list.append(change.renamedTo);
    }
    return list;
}

ChangePlan ChangePlan::inverse() const
{
    ChangePlan undo;
    undo.title = QStringLiteral("undo %1").arg(title);
    // What this plan leaves, its inverse leaves too.
    undo.left = left;
    undo.leftBecause = leftBecause;
    for (auto it = changes.crbegin(); it != changes.crend(); ++it) {
        FileChange back = *it;
        if (back.isRename())
            std::swap(back.file, back.renamedTo);
        std::swap(back.before, back.after);
        for (ChangeNote &note : back.notes)
            std::swap(note.text, note.undoText);
        undo.changes.append(back);
    }
    return undo;
}

ChangePlan ChangePlan::without(const QString &file) const
{
    ChangePlan rest = *this;
    rest.changes.removeIf([&file](const FileChange &change) { return change.file == file; });
    return rest;
}

namespace {

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Renames a file within its folder; an existing target is never replaced.
Status moveFile(const QString &from, const QString &to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    int result = ::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE);
    if (result != 0 && errno == EINVAL) { // a file system that cannot refuse by itself
        if (QFileInfo::exists(to))
            errno = EEXIST;
        else
            result = std::rename(source.constData(), target.constData());
    }
    if (result != 0)
        return Status::failure(QStringLiteral("%1 could not be renamed to %2: %3.")
                                   .arg(displayName(from), displayName(to), systemError(errno)));
    return Status::success();
}

// Whether a file lies inside the game folder once links are resolved, and is
// no link itself: the kit changes nothing elsewhere.
Status checkInside(const QString &canonicalRoot, const QString &file, const QString &diskPath)
{
    const QString folder = QFileInfo(QFileInfo(diskPath).path()).canonicalFilePath();
    if (folder.isEmpty())
        return Status::failure(QStringLiteral("The folder of %1 does not exist.").arg(file));
    if ((folder != canonicalRoot && !folder.startsWith(canonicalRoot + QLatin1Char('/'))) ||
        QFileInfo(diskPath).isSymLink())
        return Status::failure(
            QStringLiteral("%1 is reached through a link; the kit changes files only inside the game folder.")
                .arg(file));
    return Status::success();
}

struct Placed {
    QList<FileToWrite> rewrites; // new contents
    QList<FileToWrite> originals;
    QList<std::pair<QString, QString>> renames; // disk paths, from and to
};

// Everything the plan needs found as the plan expects it; the disk paths.
Result<Placed> checkPlan(const GameFolder &folder, const ChangePlan &plan)
{
    const QString root = QFileInfo(folder.root()).canonicalFilePath();
    Placed placed;
    for (const FileChange &change : plan.changes) {
        const QString disk = folder.resolve(change.file);
        if (const Status inside = checkInside(root, change.file, disk); !inside)
            return inside;
        if (change.isRename()) {
            const QString target = folder.resolve(change.renamedTo);
            if (!QFileInfo(disk).isFile())
                return Status::failure(QStringLiteral("%1 is not there any more.").arg(change.file));
            if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
                return Status::failure(QStringLiteral("%1 exists already.").arg(change.renamedTo));
            placed.renames.append({disk, target});
            continue;
        }
        const Result<QByteArray> now = readWholeFile(disk);
        if (!now)
            return now.status();
        if (now.value() != change.before)
            return Status::failure(
                QStringLiteral("%1 changed since it was read; run the change again to take it in.").arg(change.file));
        placed.rewrites.append({disk, change.after});
        placed.originals.append({disk, change.before});
    }
    return placed;
}

// Puts back the rewritten files that no longer hold their old bytes.
Status restore(const QList<FileToWrite> &originals)
{
    QList<FileToWrite> changed;
    for (const FileToWrite &original : originals) {
        const Result<QByteArray> now = readWholeFile(original.diskPath);
        if (!now || now.value() != original.data)
            changed.append(original);
    }
    return changed.isEmpty() ? Status::success() : writeFilesTogether(changed);
}

QString afterUndo(const Status &undone)
{
    return undone ? QStringLiteral(" Every file is as it was.")
                  : QStringLiteral(" Putting the files back failed too: %1").arg(undone.error());
}

} // namespace

Status applyPlan(const GameFolder &folder, const ChangePlan &plan)
{
    const Result<Placed> placed = checkPlan(folder, plan);
    if (!placed)
        return Status::failure(placed.error() + QStringLiteral(" Nothing was changed."));
    if (!placed->rewrites.isEmpty())
        if (const Status written = writeFilesTogether(placed->rewrites); !written)
            return Status::failure(written.error() + afterUndo(restore(placed->originals)));
    for (qsizetype i = 0; i < placed->renames.size(); ++i) {
        const auto &[from, to] = placed->renames[i];
        if (const Status moved = moveFile(from, to); !moved) {
            Status undone = Status::success();
            for (qsizetype j = i - 1; j >= 0 && undone; --j)
                undone = moveFile(placed->renames[j].second, placed->renames[j].first);
            if (undone)
                undone = restore(placed->originals);
            return Status::failure(moved.error() + afterUndo(undone));
        }
    }
    return Status::success();
}

} // namespace tav::refs
