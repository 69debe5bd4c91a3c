#include "core/textform/json_path.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>

namespace tav::textform {
namespace {

TEST(JsonPath, SetsAndFindsObjectKeysArrayElementsAndDifferences)
{
    QJsonObject root;
    setValueAt(root, QStringLiteral("fixed/001"), 0);
    setValueAt(root, QStringLiteral("inventory/0/item"), 5);
    setValueAt(root, QStringLiteral("inventory/1/item"), 6);
    EXPECT_EQ(valueAt(root, QStringLiteral("fixed/001")), QJsonValue(0));
    EXPECT_TRUE(root.value(QStringLiteral("inventory")).isArray());
    EXPECT_EQ(valueAt(root, QStringLiteral("inventory/1/item")), QJsonValue(6));
    EXPECT_TRUE(valueAt(root, QStringLiteral("inventory/2/item")).isUndefined());

    QJsonObject changed = root;
    setValueAt(changed, QStringLiteral("inventory/1/item"), 7);
    EXPECT_TRUE(firstDifference(root, root).isNull());
    EXPECT_EQ(firstDifference(root, changed), QStringLiteral("inventory/1/item"));
    EXPECT_EQ(flatten(root).first(), QStringLiteral("fixed/001: 0"));
}

TEST(JsonPath, ALayoutBuildsTheTreeSetValueAtBuildsAndReadsItsLeavesBack)
{
    const QStringList paths{"fixed/001", "inventory/0/item", "inventory/1/item", "hero/gold"};
    const JsonLayout layout(paths);
    const QList<QJsonValue> values{0, 5, 6, "many"};
    QJsonObject expected;
    for (qsizetype i = 0; i < paths.size(); ++i)
        setValueAt(expected, paths[i], values[i]);
    EXPECT_EQ(layout.build(values), expected);
    EXPECT_EQ(layout.leaves(expected), values);
    QJsonObject partial{{"hero", QJsonObject{{"gold", 7}}},
                        {"inventory", QJsonObject{{"1", QJsonObject{{"item", 8}}}}}};
    const QList<QJsonValue> found = layout.leaves(partial);
    EXPECT_TRUE(found[0].isUndefined());
    EXPECT_EQ(found[2], QJsonValue(8)) << "an element by its number, as valueAt() finds it";
    EXPECT_EQ(found[3], QJsonValue(7));
}

TEST(JsonPath, AStringIsShownAsAWholeJsonDocumentWritesIt)
{
    QString every;
    for (char16_t c = 1; c < 0x3000; ++c)
        every.append(QChar(c));
    for (const QString &text : {every, QStringLiteral("MSG 1 \"hi\" \\ \r\n"), QString()}) {
        const QString document = QString::fromUtf8(QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact));
        EXPECT_EQ(jsonText(text), document.mid(1, document.size() - 2));
    }
}

} // namespace
} // namespace tav::textform
