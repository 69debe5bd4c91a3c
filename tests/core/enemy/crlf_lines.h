#pragma once

#include <QByteArray>

#include <initializer_list>

// The bytes of a text file whose every line ends in CR LF.
inline QByteArray crlf(std::initializer_list<const char *> lines)
{
    QByteArray bytes;
    for (const char *line : lines)
        bytes += QByteArray(line) + "\r\n";
    return bytes;
}
