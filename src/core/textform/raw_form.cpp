#include "core/textform/raw_form.h"

#include "core/common/file_name_text.h"
#include "core/common/line_scanner.h"
#include "core/common/windows1252.h"
#include "core/textform/formats.h"

#include <algorithm>

namespace tav::textform {
namespace {

constexpr qsizetype kBytesPerLine = 16;

bool isBinary(const QByteArray &bytes, const TextFormat *format)
{
    if (format)
        return format == &spriteFormat();
    return std::any_of(bytes.begin(), bytes.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b < 0x20 && b != '\t' && b != '\r' && b != '\n';
    });
}

} // namespace

QStringList rawShowLines(const QByteArray &bytes, const TextFormat *format)
{
    QStringList lines;
    if (isBinary(bytes, format)) {
        for (qsizetype offset = 0; offset < bytes.size(); offset += kBytesPerLine) {
            const QByteArray chunk = bytes.mid(offset, kBytesPerLine);
            lines.append(QStringLiteral("%1: %2")
                             .arg(offset, 8, 16, QLatin1Char('0'))
                             .arg(QString::fromLatin1(chunk.toHex(' '))));
        }
        return lines;
    }
    LineScanner scanner(bytes, format ? format->loneCr() : LoneCr::InLine);
    for (ScannedLine line; scanner.next(line);)
        lines.append(escapeControlCharacters(decode1252(line.text)));
    return lines;
}

} // namespace tav::textform
