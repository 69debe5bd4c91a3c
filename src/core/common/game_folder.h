#pragma once

#include <QString>
#include <QStringList>

namespace tav {

// The working folder of the game and the one place where game paths such as
// "GAMEDATA\MAPS\PLAYER.STS" become disk paths. The game's folders come from
// a file system that ignores letter case, so each existing component is
// matched without regard to case; a component that does not exist yet keeps
// the spelling it was given.
class GameFolder {
public:
    GameFolder() = default;
    explicit GameFolder(QString rootOnDisk);

    const QString &root() const { return m_root; }

    // The disk path for a game path relative to the working folder. Components
    // are separated by '\' (a '/' is taken the same way); empty components and
    // "." are skipped.
    QString resolve(const QString &gamePath) const;

    bool exists(const QString &gamePath) const;
    bool isFolder(const QString &gamePath) const;

    enum class Entries { Files, Folders };

    // Names in a folder that match a wildcard pattern ("*.SPR", "*u1.SPR") in
    // any letter case, sorted case-insensitively; an empty list when the
    // folder is missing. Names are returned as they are on disk.
    QStringList list(const QString &gameFolderPath, const QString &pattern = QStringLiteral("*"),
                     Entries kind = Entries::Files) const;

private:
    QString m_root;
};

// Whether a disk folder holds the game's data: a GAMEDATA folder in any
// letter case.
bool holdsGameData(const QString &diskFolder);

// Joins game path parts with '\', as the game writes them.
QString gamePath(std::initializer_list<QString> parts);

} // namespace tav
