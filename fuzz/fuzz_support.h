#pragma once
// Shared by the fuzz targets: turning the input into the kit's types and
// failing loudly when a property does not hold.

#include "core/common/text_file.h"

#include <QByteArray>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// A property every input must keep; a broken one is a crash libFuzzer keeps.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

namespace tav::fuzz {

inline QByteArray bytes(const std::uint8_t *data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// The input as the lines of a text data file.
inline QStringList lines(const std::uint8_t *data, std::size_t size)
{
    return TextFile::fromBytes(bytes(data, size)).lines;
}

// Whether every line end is CR LF: such a file is written back byte for byte
// (a bare LF also ends a line when reading, and is written as CR LF).
inline bool endsLinesWithCrLf(const QByteArray &bytes)
{
    for (qsizetype i = bytes.indexOf('\n'); i >= 0; i = bytes.indexOf('\n', i + 1)) {
        if (i == 0 || bytes[i - 1] != '\r')
            return false;
    }
    return true;
}

} // namespace tav::fuzz
