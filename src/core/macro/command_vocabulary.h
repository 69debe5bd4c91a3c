#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace tav {

// The command presets the macro editor offers, in their fixed order. Each
// entry is the line the editor inserts: a three-character command code and a
// hint of its parameters for the designer to replace.
const QStringList &commandPresets();

// The command code of a preset or a line: its first three characters.
QStringView commandCode(QStringView text);

// The first preset whose command code equals `code` exactly, or -1.
int firstPresetWithCode(QStringView code);

} // namespace tav
