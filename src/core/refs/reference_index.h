#pragma once

#include "core/refs/reference.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace tav::refs {

// A use of a name: the file (a game path, "GAMEDATA\UNITS\BOGLING.UNI") and
// the reference in it.
struct Use {
    QString file;
    Reference reference;
    friend bool operator==(const Use &, const Use &) = default;
};

// A file or folder whose uses are not known because it could not be read.
struct Unread {
    QString file;
    QString reason;
};

// Which file names what: filled while the checker reads the game folder,
// file by file, so a file read again (after a change) replaces its own uses
// and nothing else. MAP files are never read and hold no uses here.
class ReferenceIndex {
public:
    // The uses of one file, replacing those it had.
    void setFile(const QString &file, QList<Reference> references);
    void removeFile(const QString &file);

    // The names of ITMNAMES.DAT (item k is names[k - 1]): the items macro
    // names items by these.
    void setItemNames(QStringList names) { m_itemNames = std::move(names); }
    const QStringList &itemNames() const { return m_itemNames; }

    // A file or folder that could not be read. Kept only where uses can
    // stand: the game's data files and the folders of the files named.
    void addUnread(const QString &file, const QString &reason);
    QList<Unread> unread() const;

    // Every use of a name (a key of referenceKey()), by file and line. The
    // uses of an item take in those that name it by its name.
    QList<Use> usesOf(ReferenceKind kind, const QString &key) const;
    // Every use of any name of a kind, by file and line.
    QList<Use> usesOf(ReferenceKind kind) const;

    qsizetype fileCount() const { return m_files.size(); }

private:
    QHash<QString, QList<Reference>> m_files;
    QHash<QString, QString> m_unread;
    QStringList m_itemNames;
};

// Whether a file or folder (a game path) can hold uses or the files named.
bool mayHoldUses(const QString &gamePath);

} // namespace tav::refs
