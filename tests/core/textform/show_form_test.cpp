// The text forms of show, and the code page crossing of dump and load.
#include "core/sprite/sprite_file.h"
#include "core/textform/text_form.h"

#include <gtest/gtest.h>

#include <QJsonArray>

namespace tav::textform {
namespace {

QStringList shown(const QString &name, const QByteArray &bytes, const Surroundings &surroundings = {})
{
    const TextFormat *format = formatOf(name, bytes);
    const Result<QJsonObject> dump =
        format ? dumpBytes(*format, bytes, surroundings) : Result<QJsonObject>::failure({});
    return dump ? format->showLines(dump.value()) : QStringList{dump.error()};
}

TEST(ShowForm, EachFormatHasItsLinePerFieldForm)
{
    const QByteArray pixels("\x00\x1f\x20\xff\x00\x01", 6);
    EXPECT_EQ(shown(QStringLiteral("/tmp/x1_EYE.SPR"), spriteFileBytes(3, 2, pixels)),
              (QStringList{"format: sprite", "width: 3", "height: 2", "row 00: 00 1f 20", "row 01: ff 00 01"}));
    // Found from the content alone: the sprite header.
    EXPECT_EQ(shown(QStringLiteral("/tmp/no_name"), spriteFileBytes(1, 1, "\x07")).value(3), "row 00: 07");

    EXPECT_EQ(shown(QStringLiteral("AUTOMAP.DAT"), " 5, 12\r\nMarsh \"east\"\r\n"),
              (QStringList{"format: automap", "entries/0/X: 5", "entries/0/Y: 12",
                           "entries/0/text: \"Marsh \\\"east\\\"\""}));
    EXPECT_EQ(shown(QStringLiteral("GOALS.DAT"), "Find the key\nOpen the gate\r\n"),
              (QStringList{"format: goals", "goals/0: \"Find the key\"", "goals/1: \"Open the gate\"",
                           "normalised: 1 line(s) end in a bare LF (the first is line 1); written with CR LF"}));

    QByteArray player = QByteArray(" 0 \r\n 0 \r\n 2 \r\n 0 \r\n");
    const QStringList lines = shown(QStringLiteral("TRAIN.STS"), player, Surroundings{QStringList{"Key", "Potion"}});
    EXPECT_EQ(lines.value(3), "003 inventory/0/item: 2 (Potion)");
    EXPECT_EQ(lines.value(138), "138 options/Display hero's health as number: 0");
}

TEST(ShowForm, TextIsWindows1252OnDiskAndUtf8InJson)
{
    const QByteArray goals("Caf\xe9 \x80 5\r\n");
    const Result<QJsonObject> dump = dumpBytes(*formatById(QStringLiteral("goals")), goals);
    ASSERT_TRUE(dump.ok());
    EXPECT_EQ(dump->value(QStringLiteral("goals")).toArray().first().toString(), QStringLiteral("Café € 5"));
    const Result<QByteArray> bytes = bytesFromDump(dump.value());
    ASSERT_TRUE(bytes.ok());
    EXPECT_EQ(bytes.value(), goals);
}

} // namespace
} // namespace tav::textform
