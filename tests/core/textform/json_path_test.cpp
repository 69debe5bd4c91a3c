#include "core/textform/json_path.h"

#include <gtest/gtest.h>

#include <QJsonArray>

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

} // namespace
} // namespace tav::textform
