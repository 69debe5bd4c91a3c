#pragma once

#include "core/common/game_folder.h"
#include "core/common/result.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace tav {

inline const QString kIdleSoundsPath = QStringLiteral("GAMEDATA\\DEF_PIDL.DAT");
inline const QString kSoundsFolder = QStringLiteral("SOUNDS");
inline const QString kSoundFilePattern = QStringLiteral("*.wav");

// A person that plays a sound when its animation reaches a frame.
struct IdleSound {
    QString person; // the person's key
    int frame = 0;
    QString sound; // the file name in SOUNDS without ".wav"
    friend bool operator==(const IdleSound &, const IdleSound &) = default;
};

// A name as the game's files store it: in upper case, where the capital
// letter exists in the code page ('µ' and 'ß' stay as they are).
QString storedName(const QString &name);

// The assignment chosen in the add dialog: the person's key and the sound
// file name without its four-character extension, both in upper case.
IdleSound chosenIdleSound(const QString &personKey, const QString &soundFileName, int frame);

// The list entry: "Person 'KEY' plays sound 'NAME' in frame 05".
QString idleSoundEntryText(const IdleSound &sound);
// Takes the fields back out of an entry text: the person from after
// "Person '" to the next quote (blanks trimmed), the sound from after
// "' plays sound '" to the next quote, the frame from the last two characters.
std::optional<IdleSound> parseIdleSoundEntry(const QString &text);

// DEF_PIDL.DAT: records of three lines, the person's key, the frame as a
// number field and the sound name. An incomplete last record is left out.
QList<IdleSound> parseIdleSounds(const QStringList &lines);
// The person is written without blanks around it, as the entry text gives it
// back.
QStringList idleSoundLines(const QList<IdleSound> &sounds);

Result<QList<IdleSound>> readIdleSounds(const GameFolder &folder);
Status writeIdleSounds(const GameFolder &folder, const QList<IdleSound> &sounds);

} // namespace tav
