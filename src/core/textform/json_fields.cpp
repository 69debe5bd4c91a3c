#include "core/textform/json_fields.h"

#include "core/common/windows1252.h"
#include "core/textform/json_path.h"

#include <cmath>

namespace tav::textform {
namespace {

QString kindOf(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Bool:
        return QStringLiteral("a true/false value");
    case QJsonValue::Double:
        return QStringLiteral("a number");
    case QJsonValue::String:
        return QStringLiteral("a string");
    case QJsonValue::Array:
        return QStringLiteral("an array");
    case QJsonValue::Object:
        return QStringLiteral("an object");
    case QJsonValue::Undefined:
        break;
    }
    return QStringLiteral("missing");
}

[[noreturn]] void wrongType(const QJsonValue &value, const QString &path, const char *wanted)
{
    if (value.isUndefined())
        throw FieldError(path, QStringLiteral("is missing; it should be %1").arg(QLatin1String(wanted)));
    throw FieldError(path, QStringLiteral("is %1; it should be %2").arg(kindOf(value), QLatin1String(wanted)));
}

} // namespace

QString elementPath(const QString &list, qsizetype index, const QString &below)
{
    QString path = list.isEmpty() ? QString::number(index) : list + QLatin1Char('/') + QString::number(index);
    return below.isEmpty() ? path : path + QLatin1Char('/') + below;
}

QJsonValue member(const QJsonObject &object, const QString &path)
{
    return valueAt(object, path);
}

long long integerValue(const QJsonValue &value, const QString &path, long long lowest, long long highest)
{
    if (!value.isDouble())
        wrongType(value, path, "a whole number");
    const double number = value.toDouble();
    if (!std::isfinite(number) || number != std::floor(number))
        throw FieldError(path, QStringLiteral("is %1; it should be a whole number").arg(jsonText(value)));
    if (number < double(lowest) || number > double(highest))
        throw FieldError(path,
                         QStringLiteral("is %1; it should be %2 to %3").arg(jsonText(value)).arg(lowest).arg(highest));
    return static_cast<long long>(number);
}

long long integerAt(const QJsonObject &object, const QString &path, long long lowest, long long highest)
{
    return integerValue(member(object, path), path, lowest, highest);
}

QString lineValue(const QJsonValue &value, const QString &path)
{
    if (!value.isString())
        wrongType(value, path, "a string");
    const QString text = value.toString();
    if (text.size() > kLongestText)
        throw FieldError(path, QStringLiteral("is %1 characters long; a line of a game file holds at most %2")
                                   .arg(text.size())
                                   .arg(kLongestText));
    for (const QChar c : text) {
        if (c == QLatin1Char('\n'))
            throw FieldError(path, QStringLiteral("holds a line break; the field is one line of the file"));
        if (!isRepresentableIn1252(c))
            throw FieldError(path, QStringLiteral("holds the character '%1' (U+%2), which the game's code page "
                                                  "(Windows-1252) cannot hold")
                                       .arg(c)
                                       .arg(c.unicode(), 4, 16, QLatin1Char('0')));
    }
    return text;
}

QString lineAt(const QJsonObject &object, const QString &path)
{
    return lineValue(member(object, path), path);
}

QJsonArray arrayValue(const QJsonValue &value, const QString &path, qsizetype lowest, qsizetype highest)
{
    if (!value.isArray())
        wrongType(value, path, "an array");
    const QJsonArray array = value.toArray();
    if (array.size() < lowest || array.size() > highest) {
        const QString wanted =
            lowest == highest ? QString::number(lowest) : QStringLiteral("%1 to %2").arg(lowest).arg(highest);
        throw FieldError(path, QStringLiteral("has %1 elements; it should have %2").arg(array.size()).arg(wanted));
    }
    return array;
}

QJsonArray arrayAt(const QJsonObject &object, const QString &path, qsizetype lowest, qsizetype highest)
{
    return arrayValue(member(object, path), path, lowest, highest);
}

QJsonObject objectValue(const QJsonValue &value, const QString &path)
{
    if (!value.isObject())
        wrongType(value, path, "an object");
    return value.toObject();
}

bool booleanAt(const QJsonObject &object, const QString &path)
{
    const QJsonValue value = member(object, path);
    if (!value.isBool())
        wrongType(value, path, "true or false");
    return value.toBool();
}

} // namespace tav::textform
