#pragma once

#include "core/common/result.h"

#include <QString>

#include <optional>

namespace tav {

// Where the kit may write, after links: a game folder comes from anyone (an
// archive, a colleague, a clone), so the links it brings must not lead a
// write outside it. The game folder's own top-level folders (GAMEDATA,
// GRAFIK, HELP, SOUNDS) count as inside wherever their links lead (a shared
// art drive is fine); below them, and for the files of the game folder
// itself, a file is written only where its path, links resolved, stays
// inside that top-level folder (or the game folder). Every writer of the kit
// asks here first (writeFileAtomically and the others in file_io.h do).

// What a write does with a link standing at the target's own name.
enum class LinkAtTarget {
    Follow,  // write the file the link leads to (only where that stays inside)
    Replace, // replace the link itself by the file: scratch files, forced loads
};

// Where a write lands: a folder with no link in its path, and a name in it.
struct WritePlace {
    QString folder;
    QString name;
};

// A link that leads out of the folder it stands in, as a refusal tells it.
struct LinkOutside {
    QString link;    // the link's path as given
    QString leadsTo; // where it leads once every link is resolved
};

// The game folder a disk path lies in: the nearest folder above it, by the
// path as written (links not resolved), that holds GAMEDATA in any letter
// case; empty when there is none.
QString gameFolderAround(const QString &diskPath);

// The first link on the way from `folder` down to `diskPath` (which lies in
// it as written; `diskPath` itself included) whose resolved path leaves
// `folder` resolved. Parts of the way that do not exist yet are no links.
std::optional<LinkOutside> linkLeaving(const QString &folder, const QString &diskPath);

// Whether a write of diskPath stays inside the game folder it lies in (as
// it always does for a path in none): a failure naming the first link that
// leads out, and where it leads. A link at the target's own name counts only
// when it is followed.
Status staysInside(const QString &diskPath, LinkAtTarget link = LinkAtTarget::Follow);

// The place a write of diskPath lands, or why it may not be written there:
// a link that leads out of the game folder (named, with where it leads) or a
// folder that does not exist.
Result<WritePlace> writePlace(const QString &diskPath, LinkAtTarget link = LinkAtTarget::Follow);

// Whether files may be written into a folder by name (as FolderFiles does):
// a failure naming the link when the folder's path leads out of the game
// folder; success otherwise, a missing folder too.
Status mayWriteIn(const QString &folderDiskPath);

// Whether anything stands at the path: a file, a folder, or a link, even one
// that leads nowhere.
bool entryExists(const QString &diskPath);

} // namespace tav
