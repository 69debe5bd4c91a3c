#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace tav::refs {

// What a name or number in a game file stands for.
enum class ReferenceKind {
    Sprite,   // a unit sprite's base name: GRAFIK\UNITS\<name>U1.SPR (GRAFIK\BOSS for a boss)
    Unit,     // an enemy unit: GAMEDATA\UNITS\<name>.UNI
    Item,     // an item by its number in GAMEDATA\ITMNAMES.DAT, from 1
    Goal,     // a mission goal by its number in GAMEDATA\GOALS.DAT, from 0
    Person,   // a person's key in GAMEDATA\PEOPLE.DAT
    Sound,    // a sound: SOUNDS\<name>.wav
    Square,   // a square of the world grid: "12,8"
    ItemName, // an item by its name (an item's section in the items macro)
};

// The kinds a user asks about, by the names tavtool and the windows use:
// "sprite", "unit", "item", "goal", "person", "sound", "square".
QStringList kindNames();
QString kindName(ReferenceKind kind);
std::optional<ReferenceKind> parseKind(QStringView name);

// The key a name of a kind is indexed under, or nothing when the text is no
// name of the kind: names without the blanks around them and in upper case
// (the game's file system does not tell letter case apart), numbers in
// decimal without leading zeros, squares as "X,Y" ("12, 8" and "12 8" are
// "12,8"). An item's name keeps its letters as written.
std::optional<QString> referenceKey(ReferenceKind kind, QStringView text);
// The key of a square given as its two numbers.
std::optional<QString> squareKey(QStringView x, QStringView y);

// One use of a name in a file.
struct Reference {
    ReferenceKind kind = ReferenceKind::Sprite;
    QString key;  // as referenceKey() gives it
    int line = 0; // from 1
    // Where the name or number stands in its line, in characters of the
    // decoded line (one per byte): [from, to). -1 when it is not one span of
    // one line (a square is two lines of a savegame).
    qsizetype from = -1;
    qsizetype to = -1;
    QString role; // what names it there: "ITM +", "current goal"; may be empty

    bool isSpan() const { return from >= 0; }
    // "sprite BOGL", "item 2 (ITM +)".
    QString text() const;
    friend bool operator==(const Reference &, const Reference &) = default;
};

// What every answer about uses says: the map editor's files are not read.
inline const QString kNotSearched = QStringLiteral("MAP files not searched");

} // namespace tav::refs
