#include "core/common/file_name_text.h"

#include <algorithm>

namespace tav {
namespace {

bool isControl(char32_t c)
{
    return c < 0x20 || c == 0x7f;
}

QString hexEscape(unsigned value)
{
    return QStringLiteral("\\x%1").arg(value, 2, 16, QLatin1Char('0'));
}

// The length of the UTF-8 sequence a lead byte starts, 0 for no lead byte.
int sequenceLength(unsigned char lead)
{
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

} // namespace

std::optional<QString> fileNameText(QByteArrayView name)
{
    if (std::all_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return QString::fromLatin1(name);
    QString text = QString::fromUtf8(name);
    // Invalid sequences, overlong forms and surrogates decode to U+FFFD and
    // do not come back as the same bytes.
    if (text.toUtf8() != name)
        return std::nullopt;
    return text;
}

QString escapedFileName(QByteArrayView name)
{
    QString text;
    for (qsizetype i = 0; i < name.size();) {
        const auto lead = static_cast<unsigned char>(name[i]);
        if (lead < 0x80) {
            text += isControl(lead) ? hexEscape(lead) : QString(QLatin1Char(char(lead)));
            ++i;
            continue;
        }
        const int length = sequenceLength(lead);
        const QByteArrayView sequence = name.sliced(i, qMin<qsizetype>(length, name.size() - i));
        if (length > 0 && sequence.size() == length) {
            if (const std::optional<QString> decoded = fileNameText(sequence)) {
                text += *decoded;
                i += length;
                continue;
            }
        }
        text += hexEscape(lead);
        ++i;
    }
    return text;
}

QString escapeControlCharacters(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && !isControl(text[i].unicode()))
        ++i;
    if (i == text.size())
        return text;
    QString escaped = text.left(i);
    for (; i < text.size(); ++i)
        escaped += isControl(text[i].unicode()) ? hexEscape(text[i].unicode()) : QString(text[i]);
    return escaped;
}

} // namespace tav
