#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace tav {

// A file name as the system's directory listing gives it, as text: nothing
// when the bytes are not valid UTF-8 (Qt cannot open such a file by name).
std::optional<QString> fileNameText(QByteArrayView name);

// The name with every byte that is not part of valid UTF-8 written as \xNN
// and control characters escaped: "\xff.UNI".
QString escapedFileName(QByteArrayView name);

// The text with control characters written as \xNN (a line break as \x0a), so
// it stays on one line.
QString escapeControlCharacters(const QString &text);

} // namespace tav
