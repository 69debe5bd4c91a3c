#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace tav {

// The game's single-byte code page. Every byte maps to one character and
// back, including the five bytes Windows-1252 leaves undefined (they map to
// the C1 control characters of the same value), so any file survives a
// decode/encode round trip unchanged.
QString decode1252(QByteArrayView bytes);

// Characters outside the code page become '?'.
QByteArray encode1252(const QString &text);

bool isRepresentableIn1252(QChar c);

// Upper case as the code page knows it: a character whose capital is not
// one character of the code page ("ß", "µ") stays as it is, so nothing
// turns into '?' when written.
QChar upperCaseIn1252(QChar c);
QString upperCaseIn1252(const QString &text);

} // namespace tav
