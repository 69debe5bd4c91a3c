#include "core/common/windows1252.h"

#include <array>

namespace tav {
namespace {

// Unicode code points of bytes 0x80-0x9F; undefined bytes keep their value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int byteFor(char16_t unicode)
{
    if (unicode < 0x80 || (unicode >= 0xA0 && unicode <= 0xFF))
        return unicode;
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == unicode)
            return 0x80 + i;
    return -1;
}

} // namespace

QString decode1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[i] = QChar(b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : char16_t(b));
    }
    return text;
}

QByteArray encode1252(const QString &text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = byteFor(text[i].unicode());
        out[i] = static_cast<char>(b < 0 ? '?' : b);
    }
    return bytes;
}

bool isRepresentableIn1252(QChar c)
{
    return byteFor(c.unicode()) >= 0;
}

QChar upperCaseIn1252(QChar c)
{
    const QChar capital = c.toUpper();
    return isRepresentableIn1252(capital) ? capital : c;
}

QString upperCaseIn1252(const QString &text)
{
    // A text in upper case already is shared, not copied.
    qsizetype i = 0;
    while (i < text.size() && upperCaseIn1252(text[i]) == text[i])
        ++i;
    if (i == text.size())
        return text;
    QString upper = text;
    for (; i < upper.size(); ++i)
        upper[i] = upperCaseIn1252(upper[i]);
    return upper;
}

} // namespace tav
