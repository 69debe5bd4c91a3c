#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>

namespace tav::textform {

// Values in a JSON tree named by '/'-separated paths: "hero/gold",
// "inventory/3/item" (a number is an array element).

// The value at a path; undefined when it is not there.
QJsonValue valueAt(const QJsonValue &root, const QString &path);

// Sets the value at a path, making the objects and arrays on the way; an
// array element may only be set at an existing index or just past the end.
void setValueAt(QJsonObject &root, const QString &path, const QJsonValue &value);

// The shape of a tree given by the paths of its leaves ("hero/gold",
// "inventory/3/item"; numbers make array elements), worked out once: trees
// of that shape are built from their leaf values, and their leaf values
// read back, without a path being split or joined again. A savegame's 138
// fields go through it on every load and save.
class JsonLayout {
public:
    explicit JsonLayout(const QStringList &leafPaths);
    ~JsonLayout();
    JsonLayout(const JsonLayout &) = delete;
    JsonLayout &operator=(const JsonLayout &) = delete;

    // The tree holding values[i] at leaf path i.
    QJsonObject build(const QList<QJsonValue> &values) const;
    // The value at each leaf path, as valueAt() finds it (undefined where
    // the tree has none).
    QList<QJsonValue> leaves(const QJsonObject &tree) const;

private:
    struct Node;
    std::unique_ptr<Node> m_root;
    qsizetype m_leafCount = 0;
};

// The path of the first place where two trees differ (empty for the roots
// themselves), a null string when they are equal. Object keys are compared in sorted order.
QString firstDifference(const QJsonValue &a, const QJsonValue &b, const QString &prefix = QString());

// The tree without every member named by one of the keys, at any depth.
QJsonValue withoutKeys(const QJsonValue &value, const QStringList &keys);

// One line per value: "path: value", strings as JSON string literals, in
// sorted key order.
QStringList flatten(const QJsonValue &value, const QString &prefix = QString());

// A value as one line of JSON text.
QString jsonText(const QJsonValue &value);

} // namespace tav::textform
