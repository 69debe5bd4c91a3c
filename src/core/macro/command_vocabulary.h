#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace tav {

// What a parameter field of a command holds. The kinds that name the game's
// data say which file or folder the value belongs to.
enum class FieldKind {
    Literal,        // a fixed operator or word: "+", "?", "ON", "USE_MAGIC", "-01", "0", or a
                    // joined prefix such as the "!" of "WAV !name" and the "s" of "POS sName"
    ItemNumber,     // an inventory item: its number in GAMEDATA\ITMNAMES.DAT, from 1
    MainItemNumber, // a main item (weapon, armour, spell); not in ITMNAMES.DAT
    SoundName,      // a sound: SOUNDS\<name>.wav
    GoalNumber,     // a mission goal: its line in GAMEDATA\GOALS.DAT, from 0
    UnitName,       // an enemy unit's name (GAMEDATA\UNITS)
    Number,         // any other number: squares, positions, events, amounts
    Word,           // any other single word: an animation, a file name prefix
    Text,           // free text
};

// One field of a command preset.
struct PresetField {
    FieldKind kind = FieldKind::Number;
    // The literal itself, or the preset's hint for the designer ("InventoryItemNumber").
    QString text;
    // Written without a blank before the next field (the "!" of "WAV !name").
    bool joined = false;
    // Takes the rest of the line, blanks included.
    bool toLineEnd = false;
};

// A command preset: its code and its fields in order.
struct PresetForm {
    QString code;
    QList<PresetField> fields;

    // The preset as the editor inserts it: the code, then the fields, each
    // after one blank unless the field before it is joined to it.
    QString text() const;
    bool hasParameters() const { return !fields.isEmpty(); }
};

// The command presets the macro editor offers, in their fixed order, with
// what each of their fields holds. Everything that reads a macro line's
// parameters (completion, hover, the parameter rules, the uses of an item)
// reads them from here.
const QList<PresetForm> &presetForms();

// The presets' texts, in the same order: each is the line the editor inserts,
// a three-character command code and a hint of its parameters for the
// designer to replace.
const QStringList &commandPresets();

// The command code of a preset or a line: its first three characters.
QStringView commandCode(QStringView text);

// The first preset whose command code equals `code` exactly, or -1.
int firstPresetWithCode(QStringView code);

// Whether `code` (exactly, in upper case) is the code of a preset.
bool isKnownCommandCode(QStringView code);

} // namespace tav
