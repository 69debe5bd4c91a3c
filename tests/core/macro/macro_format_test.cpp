#include "core/macro/command_vocabulary.h"
#include "core/macro/macro_format.h"
#include "print_text.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace tav;

TEST(CommandVocabulary, HoldsFiftyFourPresetsOfThirtyFourCodesAndFindsTheFirstOfACode)
{
    const QStringList &presets = commandPresets();
    ASSERT_EQ(presets.size(), 54);
    EXPECT_EQ(presets[18], "ITM - InventoryItemNumber");
    QSet<QString> codes;
    for (const QString &preset : presets)
        codes.insert(commandCode(preset).toString());
    EXPECT_EQ(codes.size(), 34);

    EXPECT_EQ(firstPresetWithCode(u"ARM"), 0);
    EXPECT_EQ(firstPresetWithCode(u"POS"), 34);
    EXPECT_EQ(firstPresetWithCode(u"arm"), -1);
    EXPECT_EQ(firstPresetWithCode(u"AR"), -1);
}

TEST(AutoFormat, FollowsTheLineKinds)
{
    EXPECT_EQ(AutoFormat(u"  arm ?"), "ARM ?");
    EXPECT_EQ(AutoFormat(u"msg c Hello there"), "MSG c Hello there");
    EXPECT_EQ(AutoFormat(u"   arm"), "arm");
    EXPECT_EQ(AutoFormat(u"words and more"), "words and more");
    EXPECT_EQ(AutoFormat(u"\tarm x"), "\tarm x");
    EXPECT_EQ(AutoFormat(u"  ' a comment, kept"), "' a comment, kept");
    EXPECT_EQ(AutoFormat(u"'abc d"), "'abc d");
    EXPECT_EQ(AutoFormat(u"%map level 3"), "%MAP LEVEL 3");
    // Upper case stays within the code page: "ß" and "µ" have none there.
    EXPECT_EQ(AutoFormat(u"%straße µ ÿ é"), u"%STRAßE µ Ÿ É");
    EXPECT_EQ(AutoFormat(u"àbc déf"), u"ÀBC déf");
}

TEST(FormatBody, NormalisesLineBreaksAndKeepsTheCaretCount)
{
    EXPECT_EQ(formatBody("abc\ndef", 0).text, "abcdef");
    EXPECT_EQ(formatBody("abc\rdef\r\n", 0).text, "abc\r\ndef\r\n");
    EXPECT_EQ(formatBody("  arm ?\r\n  'note\r\n end", 0).text, "ARM ?\r\n'note\r\nend");
    EXPECT_EQ(formatBody(" abc", 1).caret, 1);
    EXPECT_EQ(formatBody("abc  \r\n  ", 9).caret, 7);

    const QString once = formatBody("  %a\rb\n c%\r\n\r  arm ?\r'x\r%y", 0).text;
    EXPECT_EQ(formatBody(once, 0).text, once);
}

TEST(FormatBody, DropsEveryPercentButTheVeryFirstCharacter)
{
    const FormattedBody kept = formatBody("%map\r\nabc", 2);
    EXPECT_EQ(kept.text, "%MAP\r\nabc");
    EXPECT_TRUE(kept.droppedPercents.isEmpty());

    const FormattedBody dropped = formatBody("ab%c\r\n%x %", 0);
    EXPECT_EQ(dropped.text, "abc\r\nx ");
    EXPECT_EQ(dropped.droppedPercents, (QList<qsizetype>{2, 6, 9}));

    // Behind a blank it is no longer the first character of the body.
    EXPECT_EQ(formatBody(" %map", 0).text, "map");
}

TEST(PresetLookup, SelectsThePresetOfTheCodeBeforeTheCaret)
{
    EXPECT_EQ(presetForCaret("arm ", 4), 0);
    EXPECT_EQ(presetForCaret("x\r\nfix o", 7), 14);
    EXPECT_EQ(presetForCaret("x\r\nfix o", 8), -1);
    EXPECT_EQ(presetForCaret("zzz ", 4), -1);
    EXPECT_EQ(presetForCaret("ab\r\ncd", 4), -1);
    // A caret left between CR and LF after a three-letter line.
    EXPECT_EQ(presetForCaret("end\r\nx", 4), 11);
}

TEST(PresetInsertion, SplitsOneCharacterBeforeTheCaret)
{
    const FormattedBody empty = insertPreset("", 0, "ARM");
    EXPECT_EQ(empty.text, "ARM\r\n");
    EXPECT_EQ(empty.caret, 5);

    EXPECT_EQ(insertPreset("abc", 0, "END").text, "END\r\nabc");

    // At the start of a line the preset becomes the line above it and the
    // caret stays at the start of its line.
    const FormattedBody lineStart = insertPreset("abc\r\ndef", 5, "FIX ON");
    EXPECT_EQ(lineStart.text, "abc\r\nFIX ON\r\ndef");
    EXPECT_EQ(lineStart.text.mid(lineStart.caret), "def");

    const FormattedBody inside = insertPreset("abcdef", 3, "ARM");
    EXPECT_EQ(inside.text, "abARM\r\ncdef");
    EXPECT_EQ(inside.caret, 8);

    // Right after the leading "%" the split pushes it out of place.
    EXPECT_EQ(insertPreset("%MAP", 1, "END").droppedPercents.size(), 1);
}
