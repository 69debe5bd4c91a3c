#include "core/refs/rename_plan.h"

#include "core/common/user_name.h"
#include "core/common/windows1252.h"
#include "core/definitions/idle_sounds.h"
#include "core/refs/planned_files.h"

namespace tav::refs {
namespace {

constexpr int kLongestFileName = 8; // before the extension
const QString kNameMarks = QStringLiteral("_-$#&@(){}~^");

// A file that belongs to a name: the name, then its ending.
struct OwnFile {
    QString folder; // game path
    QString name;   // as on disk
    QString ending; // "U1.SPR", ".UNI", ".wav", as on disk
};

// U or Z, one digit or more, then .SPR.
bool isSpriteEnding(QStringView ending)
{
    if (ending.size() < 6 || !ending.endsWith(QLatin1String(".SPR"), Qt::CaseInsensitive))
        return false;
    const QChar variant = ending[0].toUpper();
    const QStringView digits = ending.mid(1, ending.size() - 5);
    if (variant != QLatin1Char('U') && variant != QLatin1Char('Z'))
        return false;
    for (QChar c : digits)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

struct NameFolder {
    const char *path;
    const char *pattern;
};

QList<NameFolder> foldersOf(ReferenceKind kind)
{
    switch (kind) {
    case ReferenceKind::Sprite:
        return {{"GRAFIK\\UNITS", "*.SPR"}, {"GRAFIK\\BOSS", "*.SPR"}};
    case ReferenceKind::Unit:
        return {{"GAMEDATA\\UNITS", "*.UNI"}};
    default:
        return {{"SOUNDS", "*.wav"}};
    }
}

// The files of the folder that belong to a name (a key, in upper case).
QList<OwnFile> filesOf(const GameFolder &folder, ReferenceKind kind, const QString &key)
{
    QList<OwnFile> files;
    for (const NameFolder &place : foldersOf(kind)) {
        const QString path = QLatin1String(place.path);
        for (const QString &name : folder.list(path, QLatin1String(place.pattern))) {
            if (name.size() <= key.size() || upperCaseIn1252(name.left(key.size())) != key)
                continue;
            const QString ending = name.mid(key.size());
            if (kind == ReferenceKind::Sprite ? isSpriteEnding(ending) : ending.size() == 4)
                files.append({path, name, ending});
        }
    }
    return files;
}

Status checkNewName(ReferenceKind kind, const QString &name, int longest)
{
    if (const Status fits = checkFileName(name); !fits)
        return fits;
    for (QChar c : name)
        if (!(c.isLetterOrNumber() && isRepresentableIn1252(c)) && !kNameMarks.contains(c))
            return Status::failure(QStringLiteral("The name \"%1\" holds '%2', which a %3 name cannot hold; use "
                                                  "letters, digits and %4")
                                       .arg(name, c, kindName(kind), kNameMarks));
    if (name.size() > longest)
        return Status::failure(
            QStringLiteral("The name \"%1\" is too long: here a %2 name has at most %3 characters%4.")
                .arg(name, kindName(kind))
                .arg(longest)
                .arg(kind == ReferenceKind::Sprite ? QStringLiteral(", to leave room for its files' endings within 8")
                                                   : QString()));
    return Status::success();
}

// How a file writes the new name: sprites, units and the names of
// DEF_PIDL.DAT in upper case, a sound elsewhere as given.
QString writtenName(ReferenceKind kind, const QString &file, const QString &name)
{
    const bool asGiven = kind == ReferenceKind::Sound && file.compare(kIdleSoundsPath, Qt::CaseInsensitive) != 0;
    return asGiven ? name : upperCaseIn1252(name);
}

} // namespace

Result<ChangePlan> planRename(const GameFolder &folder, const ReferenceIndex &index, ReferenceKind kind,
                              const QString &oldName, const QString &newName)
{
    if (kind != ReferenceKind::Sprite && kind != ReferenceKind::Unit && kind != ReferenceKind::Sound)
        return Status::failure(QStringLiteral("Only sprites, units and sounds can be renamed."));
    const std::optional<QString> oldKey = referenceKey(kind, oldName);
    if (!oldKey)
        return Status::failure(QStringLiteral("Please name the %1 to rename.").arg(kindName(kind)));
    if (const Status known = checkEveryUseKnown(index); !known)
        return known;
    const QList<OwnFile> files = filesOf(folder, kind, *oldKey);
    int longest = kLongestFileName;
    if (kind == ReferenceKind::Sprite) {
        qsizetype ending = 2; // "U1"
        for (const OwnFile &file : files)
            ending = qMax(ending, file.ending.size() - 4);
        longest -= int(ending);
    }
    const QString name = newName.trimmed();
    if (const Status fits = checkNewName(kind, name, longest); !fits)
        return Status::failure(fits.error() + QStringLiteral(" Nothing was changed."));
    if (referenceKey(kind, name) == oldKey)
        return Status::failure(QStringLiteral("\"%1\" is the name %2 has already (letter case aside, which the "
                                              "game's file system does not tell apart). Nothing was changed.")
                                   .arg(name, *oldKey));

    ChangePlan plan;
    plan.title =
        QStringLiteral("rename %1 %2 to %3")
            .arg(kindName(kind), writtenName(kind, QString(), oldName.trimmed()), writtenName(kind, QString(), name));
    PlannedFiles planned(folder);
    for (const Use &use : index.usesOf(kind, *oldKey))
        if (const Status replaced = planned.replace(use, writtenName(kind, use.file, name)); !replaced)
            return replaced;
    plan.changes = planned.changes();
    plan.left = index.usesOf(kind, *referenceKey(kind, name));
    plan.leftBecause = QStringLiteral("names %1 already, and so does the renamed %2 afterwards")
                           .arg(writtenName(kind, QString(), name), kindName(kind));
    const QString newBase = kind == ReferenceKind::Sound ? name : upperCaseIn1252(name);
    for (const OwnFile &file : files) {
        const QString target = newBase + file.ending;
        const QStringList taken = folder.list(file.folder, target);
        if (!taken.isEmpty())
            return Status::failure(
                QStringLiteral("%1 exists already while %2 is there too, so the new name is "
                               "taken. Nothing was changed.")
                    .arg(gamePath({file.folder, taken.first()}), gamePath({file.folder, file.name})));
        plan.changes.append(
            {gamePath({file.folder, file.name}),
             gamePath({file.folder, target}),
             {},
             {},
             {{0, QStringLiteral("renamed to %1").arg(target), QStringLiteral("renamed to %1").arg(file.name)}}});
    }
    if (plan.isEmpty())
        return Status::failure(
            QStringLiteral("Nothing names %1 %2 and it has no files; nothing to rename.").arg(kindName(kind), *oldKey));
    return plan;
}

} // namespace tav::refs
