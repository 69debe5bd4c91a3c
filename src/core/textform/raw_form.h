#pragma once

#include <QByteArray>
#include <QStringList>

namespace tav::textform {

class TextFormat;

// What show prints for a file no format reads whole (a damaged file, or one
// of no format it knows), so a diff still sees every change: its lines as
// they are, with control characters written as \xNN so each stays one line;
// or, for a binary file such as a sprite, 16 bytes a line in hex after
// their offset ("00000010: 07 07 ..."). `format` is the file's format, or
// nullptr for a file of none, which is binary when it holds control bytes
// other than tab, CR and LF.
QStringList rawShowLines(const QByteArray &bytes, const TextFormat *format);

} // namespace tav::textform
