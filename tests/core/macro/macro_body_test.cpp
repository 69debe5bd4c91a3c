#include "core/macro/macro_body.h"
#include "core/macro/macro_format.h"
#include "print_text.h"

#include <gtest/gtest.h>

#include <random>

using namespace tav;

namespace {

// Text rich in what formatting reacts to: blanks, breaks, "%", codes,
// comments.
QString randomText(std::mt19937 &random, int maxLength)
{
    static const QStringList pieces = {" ",     "  ", "\r\n", "\r", "\n", "%",    "a",    "arm",
                                       "pos i", "'!", "'",    "x",  "Q",  "\xe9", "fix ", "end"};
    std::uniform_int_distribution<int> length(0, maxLength);
    std::uniform_int_distribution<int> piece(0, int(pieces.size()) - 1);
    QString text;
    for (int n = length(random); n > 0; --n)
        text += pieces[piece(random)];
    return text;
}

// Applies the same change to a body and through the whole-body pass, and
// expects the same text, caret and dropped "%" characters.
void expectSameAsWholePass(MacroBody &body, qsizetype from, qsizetype to, const QString &inserted,
                           std::optional<qsizetype> caret)
{
    const QString before = body.text();
    const QString changed = before.left(from) + inserted + before.mid(to);
    const FormattedBody expected = formatBody(changed, caret.value_or(0));

    const TextPos fromPos = body.positionOf(from);
    const qsizetype changeStart = body.offsetOf(TextPos{fromPos.line, 0});
    BodyEdit edit{fromPos, body.positionOf(to), inserted, std::nullopt};
    if (caret)
        edit.caret = *caret - changeStart;
    const BodyChange change = body.apply(edit);

    ASSERT_EQ(body.text(), expected.text) << "before: " << before.toStdString();
    EXPECT_EQ(body.length(), expected.text.size());
    EXPECT_EQ(body.offsetOf(change.caret), expected.caret) << "before: " << before.toStdString();
    QList<qsizetype> dropped;
    for (qsizetype offset : change.droppedPercents)
        dropped.append(changeStart + offset);
    EXPECT_EQ(dropped, expected.droppedPercents);
}

} // namespace

TEST(MacroBody, ReplacesOnlyTheLinesAChangeTouches)
{
    MacroBody body;
    body.apply(BodyEdit{{}, {}, "one\r\ntwo\r\nthree\r\nfour", std::nullopt});
    const BodyChange change = body.apply(BodyEdit{{2, 0}, {2, 0}, "  fix ", 8});
    EXPECT_EQ(change.firstLine, 2);
    EXPECT_EQ(change.removedLines, 1);
    EXPECT_EQ(change.lines, QStringList{"FIX three"});
    EXPECT_EQ(change.caret, (TextPos{2, 8}));
}

TEST(MacroBody, MatchesTheWholePassForRandomChanges)
{
    std::mt19937 random(20240611);
    for (int round = 0; round < 300; ++round) {
        MacroBody body;
        body.apply(BodyEdit{{}, {}, randomText(random, 30), std::nullopt});
        for (int step = 0; step < 40; ++step) {
            const qsizetype length = body.length();
            std::uniform_int_distribution<qsizetype> place(0, length);
            qsizetype from = place(random);
            qsizetype to = place(random);
            if (from > to)
                std::swap(from, to);
            if (random() % 3 != 0)
                to = std::min(length, from + qsizetype(random() % 3));
            const QString inserted = randomText(random, 3);
            std::optional<qsizetype> caret;
            switch (random() % 4) {
            case 0:
                break; // assigned: caret at the start
            case 1:
                caret = std::uniform_int_distribution<qsizetype>(0, length + 3)(random);
                break;
            default:
                caret = from + inserted.size();
                break;
            }
            expectSameAsWholePass(body, from, to, inserted, caret);
            if (::testing::Test::HasFailure())
                return;
        }
    }
}

TEST(MacroBody, InsertsPresetsAsTheWholePassDoes)
{
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        MacroBody body;
        body.apply(BodyEdit{{}, {}, randomText(random, 12), std::nullopt});
        const QString before = body.text();
        const qsizetype caret = std::uniform_int_distribution<qsizetype>(0, body.length())(random);
        const FormattedBody expected = insertPreset(before, caret, "MSG C MessageText");

        const BodyChange change = body.apply(body.presetInsertion(body.positionOf(caret), "MSG C MessageText"));
        ASSERT_EQ(body.text(), expected.text) << before.toStdString() << " @" << caret;
        EXPECT_EQ(body.offsetOf(change.caret), expected.caret) << before.toStdString() << " @" << caret;
        EXPECT_EQ(change.droppedPercents.size(), expected.droppedPercents.size());
    }
}
