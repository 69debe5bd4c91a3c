#include "core/textform/json_path.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <cstdio>

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

// The node with the value set below it. Each container on the way is taken
// out of its parent while it changes, so none of them is copied: setting
// every field of a file one after another costs the fields, not their square.
QJsonValue withValue(QJsonValue node, const QStringList &segments, qsizetype at, const QJsonValue &value)
{
    if (at == segments.size())
        return value;
    const QString &segment = segments[at];
    qsizetype index = 0;
    // A number makes an array element, unless an object with keys like
    // "118" is already there.
    if (!node.isObject() && isIndex(segment, &index)) {
        QJsonArray array = node.toArray();
        node = QJsonValue();
        if (index < array.size()) {
            QJsonValue child = array.at(index);
            array[index] = QJsonValue();
            array[index] = withValue(std::move(child), segments, at + 1, value);
        } else if (index == array.size()) {
            array.append(withValue(QJsonValue(), segments, at + 1, value));
        }
        return array;
    }
    QJsonObject object = node.toObject();
    node = QJsonValue();
    QJsonValue child = object.take(segment);
    object.insert(segment, withValue(std::move(child), segments, at + 1, value));
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

struct JsonLayout::Node {
    QString key;
    qsizetype leaf = -1; // the leaf's place in the values, for a leaf
    bool isArray = false;
    std::vector<Node> children; // an object's in key order

    Node &child(const QString &name)
    {
        for (Node &node : children)
            if (node.key == name)
                return node;
        children.push_back(Node{name, -1, false, {}});
        return children.back();
    }

    void settle()
    {
        qsizetype index = 0;
        isArray = !children.empty();
        for (qsizetype i = 0; i < qsizetype(children.size()); ++i)
            isArray = isArray && isIndex(children[std::size_t(i)].key, &index) && index == i;
        if (!isArray)
            std::sort(children.begin(), children.end(), [](const Node &a, const Node &b) { return a.key < b.key; });
        for (Node &node : children)
            node.settle();
    }

    QJsonValue build(const QList<QJsonValue> &values) const
    {
        if (children.empty())
            return leaf >= 0 ? values.value(leaf) : QJsonValue();
        if (isArray) {
            QJsonArray array;
            for (const Node &node : children)
                array.append(node.build(values));
            return array;
        }
        QJsonObject object;
        for (const Node &node : children)
            object.insert(node.key, node.build(values));
        return object;
    }

    // As valueAt() finds them: an element by its number, a member by its name.
    void leaves(const QJsonValue &tree, QList<QJsonValue> &values) const
    {
        if (children.empty()) {
            if (leaf >= 0)
                values[leaf] = tree;
            return;
        }
        if (isArray && tree.isArray()) {
            const QJsonArray array = tree.toArray();
            for (qsizetype i = 0; i < std::min(qsizetype(children.size()), array.size()); ++i)
                children[std::size_t(i)].leaves(array.at(i), values);
            return;
        }
        const QJsonObject object = tree.toObject();
        for (const Node &node : children)
            if (const QJsonValue below = object.value(node.key); !below.isUndefined())
                node.leaves(below, values);
    }
};

JsonLayout::JsonLayout(const QStringList &leafPaths)
    : m_root(std::make_unique<Node>())
    , m_leafCount(leafPaths.size())
{
    for (qsizetype i = 0; i < leafPaths.size(); ++i) {
        Node *node = m_root.get();
        for (const QString &segment : leafPaths[i].split(QLatin1Char('/')))
            node = &node->child(segment);
        node->leaf = i;
    }
    m_root->settle();
}

JsonLayout::~JsonLayout() = default;

QJsonObject JsonLayout::build(const QList<QJsonValue> &values) const
{
    return m_root->build(values).toObject();
}

QList<QJsonValue> JsonLayout::leaves(const QJsonObject &tree) const
{
    QList<QJsonValue> values(m_leafCount, QJsonValue(QJsonValue::Undefined));
    m_root->leaves(tree, values);
    return values;
}

void setValueAt(QJsonObject &root, const QString &path, const QJsonValue &value)
{
    QJsonValue tree(std::move(root));
    root = withValue(std::move(tree), path.split(QLatin1Char('/')), 0, value).toObject();
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

namespace {

bool holdsKey(const QJsonValue &value, const QStringList &keys)
{
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            if (keys.contains(it.key()) || holdsKey(it.value(), keys))
                return true;
    } else if (value.isArray()) {
        const QJsonArray array = value.toArray();
        return std::any_of(array.begin(), array.end(), [&keys](const QJsonValue &v) { return holdsKey(v, keys); });
    }
    return false;
}

} // namespace

QJsonValue withoutKeys(const QJsonValue &value, const QStringList &keys)
{
    // Looked for first: a tree without them is given back as it is, uncopied.
    if (!holdsKey(value, keys))
        return value;
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

namespace {

// Appends a string as a JSON string literal, as QJsonDocument writes it
// (text beyond ASCII as it is, in UTF-8 when printed).
void appendJsonString(QString &out, const QString &text)
{
    out.reserve(out.size() + text.size() + 2);
    out += QLatin1Char('"');
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"':
            out += QLatin1String("\\\"");
            break;
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '\b':
            out += QLatin1String("\\b");
            break;
        case '\f':
            out += QLatin1String("\\f");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += QLatin1Char('"');
}

// Appends "path: value" lines to `lines`. `path` is one buffer that grows and
// shrinks as the walk goes down and up, so a line costs one string.
void flattenInto(QStringList &lines, const QJsonValue &value, QString &path)
{
    const qsizetype length = path.size();
    const auto descend = [&](const auto &segment, const QJsonValue &below) {
        if (length > 0)
            path += QLatin1Char('/');
        path += segment;
        flattenInto(lines, below, path);
        path.truncate(length);
    };
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            descend(it.key(), it.value());
    } else if (value.isArray()) {
        const QJsonArray array = value.toArray();
        char digits[24];
        for (qsizetype i = 0; i < array.size(); ++i)
            descend(QLatin1String(digits, std::snprintf(digits, sizeof digits, "%lld", qint64(i))), array[i]);
        if (array.isEmpty())
            lines.append(path + QStringLiteral(": []"));
    } else {
        QString line = path + QStringLiteral(": ");
        if (value.isString())
            appendJsonString(line, value.toString());
        else
            line += jsonText(value);
        lines.append(line);
    }
}

} // namespace

QString jsonText(const QJsonValue &value)
{
    // Strings are most of what a text form shows: written here, not through
    // a whole JSON document each.
    if (value.isString()) {
        QString text;
        appendJsonString(text, value.toString());
        return text;
    }
    QJsonArray wrapper{value};
    QString text = QString::fromUtf8(QJsonDocument(wrapper).toJson(QJsonDocument::Compact));
    return text.mid(1, text.size() - 2);
}

QStringList flatten(const QJsonValue &value, const QString &prefix)
{
    QStringList lines;
    QString path = prefix;
    flattenInto(lines, value, path);
    return lines;
}

} // namespace tav::textform
