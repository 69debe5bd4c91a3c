#pragma once

#include "core/common/game_folder.h"
#include "core/common/result.h"
#include "core/refs/reference_index.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace tav::refs {

// What one change does to a file, for the user: on its line (0 for the
// whole file), as said before it is done and as said when it is undone.
struct ChangeNote {
    int line = 0;
    QString text;     // "sprite BOGL becomes MUDL"
    QString undoText; // "sprite MUDL becomes BOGL"
};

// One file of a plan: rewritten in place (only the bytes of the names and
// numbers, or the lines, that change) or given a new name.
struct FileChange {
    QString file;      // game path as it is now
    QString renamedTo; // a renamed file's new game path; empty for a rewrite
    QByteArray before; // a rewritten file's bytes as they were read
    QByteArray after;  // and as they are written
    QList<ChangeNote> notes;

    bool isRename() const { return !renamedTo.isEmpty(); }
};

// Changes to several files of the game folder that are made together or not
// at all: a rename, a renumbering. A window checks the files() against its
// open documents before it applies the plan; undoing is applying inverse().
struct ChangePlan {
    QString title; // "rename sprite BOGL to MUDL"
    QList<FileChange> changes;
    // Uses the plan lists but leaves as they are (those of a deleted goal,
    // those of a new name in use already), and why.
    QList<Use> left;
    QString leftBecause; // "names the deleted goal"

    bool isEmpty() const { return changes.isEmpty(); }
    // Every file the plan writes or renames, by game path; a renamed file
    // by its old and its new path.
    QStringList files() const;
    // The plan that puts every byte and every name back.
    ChangePlan inverse() const;
    // The plan without the changes to one file (a window that writes that
    // file itself, as its own document).
    ChangePlan without(const QString &file) const;
};

// Makes every change of the plan or none: each rewritten file must still
// hold the bytes it was read with and each new name must be free; then the
// new contents go to temporary files beside their targets, which replace
// the targets once all are written, and the files are renamed. A failure
// puts back what was done and says which file failed and why. A process
// killed while the files are replaced or renamed leaves part of them done:
// planning the same change again gives the rest.
Status applyPlan(const GameFolder &folder, const ChangePlan &plan);

} // namespace tav::refs
