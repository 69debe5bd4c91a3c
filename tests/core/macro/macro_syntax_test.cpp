#include "core/macro/macro_syntax.h"

#include <gtest/gtest.h>

using namespace tav;
using S = MacroStyle;

TEST(MacroSyntax, StylesEachPartOfALine)
{
    struct Case {
        QString line;
        QList<StyledSpan> spans;
    };
    const QList<Case> cases = {
        {"ITM + 5", {{0, 3, S::Command}, {4, 1, S::Operator}, {6, 1, S::Number}}},
        {"MSG 1 Hello there", {{0, 3, S::Command}, {4, 1, S::Number}, {6, 11, S::MessageText}}},
        {"WAV !chime", {{0, 3, S::Command}, {4, 1, S::Operator}}},
        {"HRT -2", {{0, 3, S::Command}, {4, 2, S::Number}}},
        {"FIX ON", {{0, 3, S::Command}, {4, 2, S::Operator}}},
        {"KIL EYE", {{0, 3, S::Command}, {4, 3, S::MessageText}}},
        {"end", {{0, 3, S::Command}}},
        {"QQQ 1 two 3", {{0, 3, S::UnknownCommand}, {4, 1, S::Number}, {10, 1, S::Number}}},
        {"CAS 1 2", {{0, 3, S::Command}, {4, 1, S::Number}}},
        {"  ' a comment", {{2, 11, S::Comment}}},
        {"'!About this macro", {{0, 18, S::InfoComment}}},
        {"%MAP 1", {{0, 6, S::Preprocessor}}},
        {"", {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(styleMacroLine(c.line), c.spans) << c.line.toStdString();
}
