#pragma once

#include "core/refs/reference_index.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace tav::refs {

// The uses each kind of game file holds, put into the index from the lines
// the checker has read (no file is read here). `file` is the game path.

// A unit file: the sprite base name on line 2.
void indexUnitFile(ReferenceIndex &index, const QString &file, const QStringList &lines);
// PLAYER.STS or TRAIN.STS: the items of the inventory and the copy of the
// first one, the current goal, the current MAP's square and the goal's square.
void indexPlayerFile(ReferenceIndex &index, const QString &file, const QStringList &lines);
// ITMNAMES.DAT: the number line of each item, and the names.
void indexItemNames(ReferenceIndex &index, const QString &file, const QStringList &lines);
// DEF_PIDL.DAT: the person and the sound of every complete record.
void indexIdleSounds(ReferenceIndex &index, const QString &file, const QStringList &lines);
// AUTOMAP.DAT: the square of every key line.
void indexAutomapTable(ReferenceIndex &index, const QString &file, const QStringList &lines);

// A macro, line by line as the checker walks over its bytes: KIL names a
// unit; ITM +, -, ! and ? and BUB an item (ITM &, ~ and # name main items,
// which have no number in ITMNAMES.DAT); POS i an item by its name; WAV and
// POS s a sound; XXX a goal and the square it marks on the automap.
class MacroUses {
public:
    void addLine(int number, const QString &line);
    // Puts the uses found into the index as the file's.
    void store(ReferenceIndex &index, const QString &file) { index.setFile(file, std::move(m_uses)); }

private:
    QList<Reference> m_uses;
};

} // namespace tav::refs
