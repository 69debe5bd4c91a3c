#include "core/textform/json_path.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

namespace tav::textform {
namespace {

bool isIndex(const QString &segment, qsizetype *index)
{
    bool ok = false;
    const qsizetype value = segment.toLongLong(&ok);
    // "3" names an element; "003" stays an object key.
    if (!ok || value < 0 || QString::number(value) != segment)
        return false;
    *index = value;
    return true;
}

QJsonValue withValue(const QJsonValue &node, const QStringList &segments, qsizetype at, const QJsonValue &value)
{
    if (at == segments.size())
        return value;
    const QString &segment = segments[at];
    qsizetype index = 0;
    // A number makes an array element, unless an object with keys like
    // "118" is already there.
    if (!node.isObject() && isIndex(segment, &index)) {
        QJsonArray array = node.toArray();
        if (index < array.size())
            array[index] = withValue(array[index], segments, at + 1, value);
        else if (index == array.size())
            array.append(withValue(QJsonValue(), segments, at + 1, value));
        return array;
    }
    QJsonObject object = node.toObject();
    object[segment] = withValue(object.value(segment), segments, at + 1, value);
    return object;
}

QString joined(const QString &prefix, const QString &segment)
{
    return prefix.isEmpty() ? segment : prefix + QLatin1Char('/') + segment;
}

} // namespace

QJsonValue valueAt(const QJsonValue &root, const QString &path)
{
    QJsonValue node = root;
    for (const QString &segment : path.split(QLatin1Char('/'))) {
        qsizetype index = 0;
        if (node.isArray() && isIndex(segment, &index)) {
            const QJsonArray array = node.toArray();
            if (index >= array.size())
                return QJsonValue(QJsonValue::Undefined);
            node = array[index];
        } else if (node.isObject()) {
            node = node.toObject().value(segment);
        } else {
            return QJsonValue(QJsonValue::Undefined);
        }
    }
    return node;
}

void setValueAt(QJsonObject &root, const QString &path, const QJsonValue &value)
{
    root = withValue(root, path.split(QLatin1Char('/')), 0, value).toObject();
}

QString firstDifference(const QJsonValue &a, const QJsonValue &b, const QString &prefix)
{
    if (a.isObject() && b.isObject()) {
        const QJsonObject oa = a.toObject();
        const QJsonObject ob = b.toObject();
        QStringList keys = oa.keys() + ob.keys();
        keys.sort();
        keys.removeDuplicates();
        for (const QString &key : keys) {
            const QString found = firstDifference(oa.value(key), ob.value(key), joined(prefix, key));
            if (!found.isNull())
                return found;
        }
        return QString();
    }
    if (a.isArray() && b.isArray()) {
        const QJsonArray aa = a.toArray();
        const QJsonArray ab = b.toArray();
        const qsizetype n = std::max(aa.size(), ab.size());
        for (qsizetype i = 0; i < n; ++i) {
            const QJsonValue va = i < aa.size() ? aa[i] : QJsonValue(QJsonValue::Undefined);
            const QJsonValue vb = i < ab.size() ? ab[i] : QJsonValue(QJsonValue::Undefined);
            const QString found = firstDifference(va, vb, joined(prefix, QString::number(i)));
            if (!found.isNull())
                return found;
        }
        return QString();
    }
    if (a == b)
        return QString();
    return prefix.isNull() ? QStringLiteral("") : prefix;
}

QJsonValue withoutKeys(const QJsonValue &value, const QStringList &keys)
{
    if (value.isObject()) {
        QJsonObject object = value.toObject();
        for (const QString &key : keys)
            object.remove(key);
        for (auto it = object.begin(); it != object.end(); ++it)
            it.value() = withoutKeys(it.value(), keys);
        return object;
    }
    if (value.isArray()) {
        // Rebuilt by appending, and only when it holds objects or arrays:
        // replacing elements in place costs the whole array each time.
        const QJsonArray array = value.toArray();
        const bool nested = std::any_of(array.begin(), array.end(), [](const QJsonValue &element) {
            return element.isObject() || element.isArray();
        });
        if (!nested)
            return value;
        QJsonArray result;
        for (const QJsonValue &element : array)
            result.append(withoutKeys(element, keys));
        return result;
    }
    return value;
}

QString jsonText(const QJsonValue &value)
{
    QJsonArray wrapper{value};
    QString text = QString::fromUtf8(QJsonDocument(wrapper).toJson(QJsonDocument::Compact));
    return text.mid(1, text.size() - 2);
}

QStringList flatten(const QJsonValue &value, const QString &prefix)
{
    QStringList lines;
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            lines += flatten(it.value(), joined(prefix, it.key()));
    } else if (value.isArray()) {
        const QJsonArray array = value.toArray();
        for (qsizetype i = 0; i < array.size(); ++i)
            lines += flatten(array[i], joined(prefix, QString::number(i)));
        if (array.isEmpty())
            lines.append(prefix + QStringLiteral(": []"));
    } else {
        lines.append(prefix + QStringLiteral(": ") + jsonText(value));
    }
    return lines;
}

} // namespace tav::textform
