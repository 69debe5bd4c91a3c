#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>

namespace tav::textform {

// Values in a JSON tree named by '/'-separated paths: "hero/gold",
// "inventory/3/item" (a number is an array element).

// The value at a path; undefined when it is not there.
QJsonValue valueAt(const QJsonValue &root, const QString &path);

// Sets the value at a path, making the objects and arrays on the way; an
// array element may only be set at an existing index or just past the end.
void setValueAt(QJsonObject &root, const QString &path, const QJsonValue &value);

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
