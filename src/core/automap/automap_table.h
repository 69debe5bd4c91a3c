#pragma once

#include "core/common/game_folder.h"
#include "core/common/result.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tav {

// The automap table GAMEDATA\AUTOMAP.DAT: entries of two lines, a key line
// naming a square and the automap string of that square.
inline const QString kAutomapTablePath = QStringLiteral("GAMEDATA\\AUTOMAP.DAT");
// The new table is written here in full before it replaces the old one.
inline const QString kAutomapTableNewPath = QStringLiteral("GAMEDATA\\AUTOMAP.NEW");

// The key line of a square: each coordinate with a blank before it (a minus
// sign instead for a negative one), joined by ',': " 5, 12".
QString automapKey(int x, int y);

// The automap string of a key: the line after each line equal to the key,
// the last such entry winning; nullopt when no entry has the key. A matching
// line and its string are taken as a pair, so a string is never taken for a
// key.
std::optional<QString> findAutomapString(const QStringList &lines, const QString &key);

// The table with the string of every entry of the key replaced by text; the
// lines stay as they are when no entry has the key.
QStringList withAutomapString(QStringList lines, const QString &key, const QString &text);

// How many entries of the table have the key.
int automapEntryCount(const QStringList &lines, const QString &key);

// Reads the string of square (x, y) from the working folder's table; nullopt
// when the table has no entry for it; a failure when the table is missing or
// unreadable.
Result<std::optional<QString>> readAutomapString(const GameFolder &folder, int x, int y);

// Replaces the string of square (x, y) in the table: the whole new table is
// written to AUTOMAP.NEW, which then takes the place of AUTOMAP.DAT in one
// step. On failure every file is left as it was. A square without an entry
// leaves the table as it was, rewritten; entriesUpdated (when given) tells
// how many entries took the text, 0 then.
Status saveAutomapString(const GameFolder &folder, int x, int y, const QString &text, int *entriesUpdated = nullptr);

} // namespace tav
