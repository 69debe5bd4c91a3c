#pragma once

#include "core/common/result.h"
#include "core/textform/text_format.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace tav::textform {

// The JSON dump of a file: "format", the fields, and "normalised", what the
// kit's writer would write differently from the file as it stands (empty for
// a file in the writer's own form).
Result<QJsonObject> dumpBytes(const TextFormat &format, const QByteArray &bytes, const Surroundings &surroundings = {});

// The bytes the kit's writer makes of a dump. Refuses JSON that is not of the
// format, that has a member the format does not know or lacks one, or whose
// values the kit would read back otherwise (out of range, derived from other
// fields), naming the field. Does not run the checker.
Result<QByteArray> bytesFromDump(const QJsonObject &dump, const TextFormat **format = nullptr);

// The checker's errors about such bytes as one file of a game folder,
// leaving out those about other files (a unit's sprite need not exist yet).
// The file is checked in memory; nothing is written. Past the errors the
// checker lists of one code, one line tells how many more there are.
QStringList checkerErrors(const TextFormat &format, const QByteArray &bytes);

// The largest JSON file load reads.
inline constexpr qint64 kLargestDump = 16 * 1024 * 1024;
// Parses the text of a dump: one JSON object.
Result<QJsonObject> parseDump(const QByteArray &json);

// The dump's data, without "format", "normalised" and shown-only members.
QJsonObject dumpFields(const TextFormat &format, const QJsonObject &dump);

} // namespace tav::textform
