#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <stdexcept>

namespace tav::textform {

// The longest text a field of a game file may hold when loaded from JSON:
// far more than any game line needs, far less than memory.
inline constexpr qsizetype kLongestText = 64 * 1024;
// The most elements a list of a game file may hold when loaded from JSON.
inline constexpr qsizetype kLongestList = 1024 * 1024;

// A JSON value that does not fit the format, named by its path. Thrown by
// the readers below and caught where a format turns JSON into bytes; it
// never leaves this module.
class FieldError : public std::runtime_error {
public:
    FieldError(QString path, QString message)
        : std::runtime_error("field error")
        , path(std::move(path))
        , message(std::move(message))
    {
    }
    QString path;
    QString message;
};

// The path of a place below element `index` of the list at `list`.
QString elementPath(const QString &list, qsizetype index, const QString &below);

// Runs `read` on element `index` of the list at `list`; `read` names the
// places it refuses relative to that element (an empty path for the element
// itself), and a refusal gets the element's path put in front. So paths
// cost nothing until something is refused: a sprite has 1,600 elements.
template <typename Read> decltype(auto) atElement(const QString &list, qsizetype index, Read &&read)
{
    try {
        return read();
    } catch (FieldError &error) {
        error.path = elementPath(list, index, error.path);
        throw;
    }
}

// Reads typed values out of JSON, naming the field in every refusal.
QJsonValue member(const QJsonObject &object, const QString &path);
long long integerAt(const QJsonObject &object, const QString &path, long long lowest, long long highest);
long long integerValue(const QJsonValue &value, const QString &path, long long lowest, long long highest);
// A text for one line of a game file: a string the game's code page holds
// (Windows-1252), without a line feed, at most kLongestText characters.
QString lineAt(const QJsonObject &object, const QString &path);
QString lineValue(const QJsonValue &value, const QString &path);
QJsonArray arrayAt(const QJsonObject &object, const QString &path, qsizetype lowest = 0,
                   qsizetype highest = kLongestList);
QJsonArray arrayValue(const QJsonValue &value, const QString &path, qsizetype lowest = 0,
                      qsizetype highest = kLongestList);
QJsonObject objectValue(const QJsonValue &value, const QString &path);
bool booleanAt(const QJsonObject &object, const QString &path);

} // namespace tav::textform
