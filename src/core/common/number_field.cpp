#include "core/common/number_field.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace tav {

QString numberField(long long value)
{
    // Built in place: a savegame writes 138 of them on every save.
    char digits[24];
    const int length = std::snprintf(digits, sizeof digits, value < 0 ? "%lld " : " %lld ", value);
    return QString::fromLatin1(digits, length);
}

std::optional<long long> parseNumberField(QStringView line)
{
    const QStringView trimmed = line.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    bool ok = false;
    const long long value = trimmed.toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

double num(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == u'-' || text[i] == u'+'))
        ++i;
    const qsizetype digitsStart = i;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128)
        ++i;
    bool anyDigit = i > digitsStart;
    if (i < n && text[i] == u'.') {
        const qsizetype fracStart = ++i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128)
            ++i;
        anyDigit = anyDigit || i > fracStart;
    }
    if (!anyDigit)
        return 0.0;
    bool ok = false;
    const double value = text.mid(start, i - start).toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

long long rnd(double value)
{
    if (!std::isfinite(value))
        return 0;
    const double limit = static_cast<double>(std::numeric_limits<long long>::max() / 2);
    if (value > limit)
        return static_cast<long long>(limit);
    if (value < -limit)
        return static_cast<long long>(-limit);
    const double floor = std::floor(value);
    const double diff = value - floor;
    auto result = static_cast<long long>(floor);
    if (diff > 0.5 || (diff == 0.5 && (result % 2 != 0)))
        ++result;
    return result;
}

QString twoDigits(int value)
{
    return value >= 0 && value < 10 ? QStringLiteral("0") + QString::number(value)
                                      : QString::number(value);
}

} // namespace tav
