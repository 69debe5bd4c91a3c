#include "core/common/line_scanner.h"
#include "core/common/number_field.h"
#include "core/common/text_file.h"
#include "core/common/windows1252.h"

#include "support/temp_game_folder.h"

#include <gtest/gtest.h>

using namespace tav;

TEST(NumberField, WritesBlankDigitsBlankAndMinusForNegatives)
{
    EXPECT_EQ(numberField(5), " 5 ");
    EXPECT_EQ(numberField(0), " 0 ");
    EXPECT_EQ(numberField(-5), "-5 ");
    EXPECT_EQ(numberField(1234567), " 1234567 ");
}

TEST(NumberField, ReadsWithBlanksIgnoredAndRefusesGarbage)
{
    EXPECT_EQ(parseNumberField(u" 5 "), 5);
    EXPECT_EQ(parseNumberField(u"-5 "), -5);
    EXPECT_EQ(parseNumberField(u"17"), 17);
    EXPECT_EQ(parseNumberField(u"\t42\t"), 42);
    EXPECT_FALSE(parseNumberField(u""));
    EXPECT_FALSE(parseNumberField(u"  "));
    EXPECT_FALSE(parseNumberField(u"abc"));
    EXPECT_FALSE(parseNumberField(u" 5 6 "));
    EXPECT_FALSE(parseNumberField(u"99999999999999999999999"));
}

TEST(NumberHelpers, NumTakesTheLeadingNumber)
{
    EXPECT_DOUBLE_EQ(num(u"12abc"), 12);
    EXPECT_DOUBLE_EQ(num(u"  -3.5x"), -3.5);
    EXPECT_DOUBLE_EQ(num(u"abc"), 0);
    EXPECT_DOUBLE_EQ(num(u""), 0);
    EXPECT_DOUBLE_EQ(num(u"-"), 0);
    EXPECT_DOUBLE_EQ(num(u".5"), 0.5);
}

TEST(NumberHelpers, RndRoundsHalvesToEven)
{
    EXPECT_EQ(rnd(0.5), 0);
    EXPECT_EQ(rnd(1.5), 2);
    EXPECT_EQ(rnd(2.5), 2);
    EXPECT_EQ(rnd(-0.5), 0);
    EXPECT_EQ(rnd(-1.5), -2);
    EXPECT_EQ(rnd(2.4999), 2);
    EXPECT_EQ(rnd(2.5001), 3);
    EXPECT_EQ(rnd(-2.6), -3);
}

TEST(NumberHelpers, TwoDigits)
{
    EXPECT_EQ(twoDigits(5), "05");
    EXPECT_EQ(twoDigits(0), "00");
    EXPECT_EQ(twoDigits(20), "20");
}

TEST(Windows1252, EveryByteSurvivesARoundTrip)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    EXPECT_EQ(encode1252(decode1252(all)), all);
    EXPECT_EQ(decode1252("\x80\xE4\xFC"), QString::fromUtf8("€äü"));
    EXPECT_EQ(encode1252(QString::fromUtf8("Ärger ☃")), QByteArray("\xC4rger ?"));
}

TEST(TextFile, SplitsOnCrLfAndBareLf)
{
    const TextFile file = TextFile::fromBytes("a\r\nb\nc\r\n");
    EXPECT_EQ(file.lines, (QStringList{"a", "b", "c"}));
    EXPECT_TRUE(file.lastLineEnded);
    EXPECT_EQ(file.toBytes(), QByteArray("a\r\nb\r\nc\r\n"));
}

TEST(TextFile, KeepsALoneCrInsideTheLineAndAMissingLastLineEnd)
{
    const TextFile file = TextFile::fromBytes("a\rb\r\nlast");
    EXPECT_EQ(file.lines, (QStringList{"a\rb", "last"}));
    EXPECT_FALSE(file.lastLineEnded);
    EXPECT_EQ(file.toBytes(), QByteArray("a\rb\r\nlast"));
    EXPECT_TRUE(TextFile::fromBytes("").lines.isEmpty());
    EXPECT_EQ(TextFile::fromBytes("\r\n").lines, QStringList{""});
}

TEST(TextFile, AllByteValuesRoundTripThroughDisk)
{
    test::TempGameFolder tmp;
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        if (b != '\n' && b != '\r')
            bytes.append(char(b));
    bytes += "\r\nsecond line \xFF\r\n";
    tmp.write("GAMEDATA/ALL.DAT", bytes);
    const auto read = readTextFile(tmp.folder().resolve("GAMEDATA\\ALL.DAT"));
    ASSERT_TRUE(read);
    ASSERT_TRUE(writeTextFile(tmp.folder().resolve("GAMEDATA\\COPY.DAT"), read.value()));
    EXPECT_EQ(tmp.read("GAMEDATA/COPY.DAT"), bytes);
}

TEST(FieldReader, ReadsNumbersAndTextsLineByLine)
{
    FieldReader reader(QStringList{" 5 ", "Orc chief", "x", "-2 "});
    EXPECT_EQ(reader.number(), 5);
    EXPECT_EQ(reader.text(), "Orc chief");
    EXPECT_EQ(reader.number(), std::nullopt);
    EXPECT_EQ(reader.number(), -2);
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.number(), std::nullopt);
    EXPECT_EQ(reader.text(), std::nullopt);

    FieldWriter writer;
    writer.number(3).text("name").number(-1);
    EXPECT_EQ(writer.lines(), (QStringList{" 3 ", "name", "-1 "}));
}

TEST(Windows1252, UpperCaseStaysInsideTheCodePage)
{
    EXPECT_EQ(upperCaseIn1252(QString::fromUtf8("orc\u00e4\u00ff\u00b5\u00df")), QString::fromUtf8("ORC\u00c4\u0178\u00b5\u00df"));
    EXPECT_EQ(encode1252(upperCaseIn1252(QString::fromUtf8("\u00b5"))), QByteArray("\xB5"));
}

TEST(LineScanner, FindsEachLineAndHowItEndsInBothReadings)
{
    // Each line as text|end: c CR LF, l bare LF, r lone CR, - none; a lone CR
    // inside a line is shown as '^'.
    const struct {
        QByteArray bytes;
        LoneCr loneCr;
        const char *lines;
    } cases[] = {
        {"", LoneCr::InLine, ""},
        {"a\r\nb\nc", LoneCr::InLine, "a|c b|l c|-"},
        {"a\rb\r\n\r", LoneCr::InLine, "a^b|c ^|-"},
        {"a\rb\r\n\r", LoneCr::EndsLine, "a|r b|c |r"},
        {"a\r\r\n\r\r", LoneCr::EndsLine, "a|r |c |r |r"},
        {"\n\r\n", LoneCr::EndsLine, "|l |c"},
    };
    for (const auto &c : cases) {
        QStringList found;
        LineScanner scanner(c.bytes, c.loneCr);
        for (ScannedLine line; scanner.next(line);) {
            EXPECT_EQ(line.number, found.size() + 1);
            QString text = QString::fromLatin1(line.text).replace(QLatin1Char('\r'), QLatin1Char('^'));
            if (line.loneCr >= 0) {
                EXPECT_EQ(text[line.loneCr], QLatin1Char('^'));
            }
            found.append(text + QLatin1Char('|') + QLatin1Char("clr-"[int(line.end)]));
        }
        EXPECT_EQ(found.join(QLatin1Char(' ')), QLatin1String(c.lines)) << c.bytes.toStdString();
    }
}
