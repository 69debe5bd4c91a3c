#pragma once

#include "core/common/game_folder.h"
#include "core/common/result.h"
#include "core/refs/change_plan.h"
#include "core/refs/line_bytes.h"

#include <QList>
#include <QString>

#include <functional>
#include <map>

namespace tav::refs {

// The files a plan rewrites, read once each and edited line by line; what
// changed becomes the plan's file changes.
class PlannedFiles {
public:
    explicit PlannedFiles(const GameFolder &folder)
        : m_folder(folder)
    {
    }

    // The lines of a file (a game path) to edit.
    Result<LineBytes *> lines(const QString &file);
    // Writes `text` where a use stands, once the file is checked to still
    // hold the use there, with a note "sound chime becomes bell".
    Status replace(const Use &use, const QString &text);
    // The same with a number, as wide as the one it replaces when that one
    // has leading zeros ("02" becomes "03").
    Status replaceNumber(const Use &use, int number);
    // A note on a file that lines() has read.
    void addNote(const QString &file, ChangeNote note);

    // Every file whose bytes changed, in the order first edited.
    QList<FileChange> changes() const;

private:
    Status replace(const Use &use, const std::function<QString(const QString &there)> &text);

    struct Edited {
        QByteArray before;
        LineBytes lines;
        QList<ChangeNote> notes;
    };
    const GameFolder &m_folder;
    std::map<QString, Edited> m_files; // its nodes stay put: lines() gives pointers into them
    QStringList m_order;
};

// Refuses a change while a file that may hold uses could not be read: its
// uses are not known.
Status checkEveryUseKnown(const ReferenceIndex &index);

} // namespace tav::refs
