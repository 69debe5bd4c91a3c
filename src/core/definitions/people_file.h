#pragma once

#include "core/common/game_folder.h"
#include "core/common/result.h"

#include <QList>
#include <QString>

namespace tav {

inline const QString kPeoplePath = QStringLiteral("GAMEDATA\\PEOPLE.DAT");

// A non-player person of the game as PEOPLE.DAT lists it.
struct Person {
    QString key;  // what idle sound assignments refer to
    QString name; // what the designer is shown
    friend bool operator==(const Person &, const Person &) = default;
};

// Records of three lines: key, display name, and a line the kit does not use
// (the game's own). A key line without its name line at the end of the file
// is left out.
QList<Person> parsePeople(const QStringList &lines);
Result<QList<Person>> readPeople(const GameFolder &folder);

} // namespace tav
