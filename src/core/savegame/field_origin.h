#pragma once

#include <QString>

#include <optional>

namespace tav {

// The savegame file the SaveGame editor's fields hold: the one last loaded,
// or the one last saved (the fields are then exactly that file's content).
struct FieldOrigin {
    int dataSet = 0;  // 0 the default set, 1 to 5 a slot
    QString fileName; // PLAYER.STS, or TRAIN.STS of the default set

    bool operator==(const FieldOrigin &) const = default;
};

// What the window shows beside the folder box: "fields loaded from: DEF",
// "fields loaded from: slot #2", or "nothing loaded yet".
QString fieldOriginText(const std::optional<FieldOrigin> &origin);

// The question to ask before "save" writes the fields into `target` (whose
// data set list entry is `targetEntry`, e.g. "1. Ardun"): saving into another
// data set than the fields came from, or with nothing loaded, replaces that
// set's game with other fields. Nothing to ask when saving back.
std::optional<QString> saveIntoOtherSetQuestion(const std::optional<FieldOrigin> &origin, const FieldOrigin &target,
                                                const QString &targetEntry);

} // namespace tav
