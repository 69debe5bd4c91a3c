// What dump says about files the readers accept in another form, what it
// reports about damaged ones, and how load refuses JSON that does not fit.
#include "core/sprite/sprite_file.h"
#include "core/textform/surroundings.h"
#include "core/textform/text_form.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>

namespace tav::textform {
namespace {

QByteArray unitBytes(const char *description = "Bog warden")
{
    return QByteArray(description) +
           "\r\nWARDEN\r\n-3 \r\n 2 \r\n 6 \r\n 5 \r\n 400 \r\n 8 \r\n 1 \r\n 0 \r\n 7 \r\n 100 \r\n";
}

// A savegame of " 0 " lines but for two of them (numbered from 1).
QByteArray playerBytes(int line, const char *text, int otherLine, const char *otherText)
{
    QList<QByteArray> lines(138, " 0 ");
    lines[line - 1] = text;
    lines[otherLine - 1] = otherText;
    return lines.join("\r\n") + "\r\n";
}

Result<QJsonObject> dumpOf(const QString &name, const QByteArray &bytes)
{
    const TextFormat *format = formatOf(name, bytes);
    if (!format)
        return Result<QJsonObject>::failure(QStringLiteral("no format"));
    return dumpBytes(*format, bytes);
}

TEST(TextForm, FormsTheWriterWouldChangeAreListedAndTheirDumpLoadsBackToTheSameFields)
{
    QByteArray sprite = spriteFileBytes(2, 1, QByteArray("\x05\x06", 2));
    sprite.replace(0, 7, "OTHERSV");
    const struct {
        const char *name;
        QByteArray bytes;
        const char *note;
    } cases[] = {
        {"/tmp/x_ORC.UNI", QByteArray(unitBytes()).replace("\r\n", "\n"), "12 line(s) end in a bare LF"},
        {"ORC.UNI", QByteArray(unitBytes()).replace(" 400 ", "400"), "line 7 (health): '400' is written ' 400 '"},
        {"DEF_PIDL.DAT", "ELDER\r\n 4 \r\nYAWN\r\nELDER\r\n 2 \r\n", "lines 4 to 5 are not written"},
        {"people.dat", "ELDER\r\nElder\r\n", "lines 3 to 3 are written"},
        {"GOALS.DAT", "Find the key", "the last line has no line end"},
        {"EYE.SPR", sprite + "xyz",
         "the leading header bytes 4f 54 48 45 52 53 56 are written as 54 41 56 53 50 52 01"},
        {"EYE.SPR", sprite + "xyz", "3 bytes after the pixels are not written"},
        {"SKILL.STS", "hard\r\n", "line 1: 'hard' is written ' 1 '"},
        {"PLAYER.STS", playerBytes(3, " 5 ", 4, "-5 "), "'-5 ' is written ' 0 '"},
        {"SAY.cmd", "MSG 1 a\rMSG 1 b\r\n", "1 line(s) end in a lone CR (the first is line 1)"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const Result<QJsonObject> dump = dumpOf(QLatin1String(c.name), c.bytes);
        ASSERT_TRUE(dump.ok()) << dump.error().toStdString();
        const QStringList notes = dump->value(QStringLiteral("normalised")).toVariant().toStringList();
        EXPECT_TRUE(notes.join(QLatin1Char('|')).contains(QLatin1String(c.note)))
            << notes.join(QLatin1Char('|')).toStdString();
        const Result<QByteArray> loaded = bytesFromDump(dump.value());
        ASSERT_TRUE(loaded.ok()) << loaded.error().toStdString();
        const Result<QJsonObject> again = dumpOf(QLatin1String(c.name), loaded.value());
        ASSERT_TRUE(again.ok());
        EXPECT_EQ(again->value(QStringLiteral("normalised")).toArray(), QJsonArray());
        QJsonObject expected = dump.value();
        expected[QStringLiteral("normalised")] = QJsonArray();
        EXPECT_EQ(again.value(), expected);
    }
}

TEST(TextForm, ADamagedFileDumpsAsWhatTheReaderReports)
{
    const struct {
        const char *name;
        QByteArray bytes;
        const char *reason;
    } cases[] = {
        {"ORC.UNI", "Orc\r\nORC\r\n 1 \r\n", "Line 4 of the unit file is missing"},
        {"ORC.SPR", "TAVSPR", "shorter than the 11-byte header"},
        {"ORC.SPR", spriteFileBytes(1, 1, "a").replace(7, 2, QByteArray(2, '\0')), "states a 0 x 1 sprite"},
        {"MASTER.PAL", "1,2,3\r\n", "only 1 of its 256 colours"},
        {"MASTER.PAL", QByteArray("64,0,0\r\n").repeated(256), "line 1: the component 64 is outside 0-63"},
        {"AUTOMAP.DAT", "05,x\r\nTown\r\n", "line 1: '05,x' is not a key line"},
    };
    for (const auto &c : cases) {
        const Result<QJsonObject> dump = dumpOf(QLatin1String(c.name), c.bytes);
        ASSERT_FALSE(dump.ok()) << c.name;
        EXPECT_TRUE(dump.error().contains(QLatin1String(c.reason))) << dump.error().toStdString();
    }
}

TEST(TextForm, HostileOrUnfittingJsonIsRefusedNamingTheField)
{
    const QByteArray unit = QJsonDocument(dumpOf(QStringLiteral("ORC.UNI"), unitBytes()).value()).toJson();
    const QByteArray player = QJsonDocument(dumpOf(QStringLiteral("PLAYER.STS"), QByteArray()).value()).toJson();
    const QByteArray macro = QJsonDocument(dumpOf(QStringLiteral("SAY.cmd"), "MSG 1 a\r\n").value()).toJson();
    const auto edited = [](QByteArray json, const char *from, const QByteArray &to) { return json.replace(from, to); };
    const struct {
        QByteArray json;
        const char *refusal;
    } cases[] = {
        {"[1]", "holds no JSON object"},
        {"{\"format\": \"unit\"", "is not valid JSON"},
        {QByteArray(5000, '[') + QByteArray(5000, ']'), "too deeply nested"},
        {"{\"format\": \"map\"}", "field 'format' is \"map\"; it should be one of player, unit"},
        {edited(unit, "\"health\": 400", "\"health\": \"400\""),
         "field 'health' is a string; it should be a whole number"},
        {edited(unit, "\"health\": 400", "\"health\": 1e300"), "field 'health' is 1e+300; it should be"},
        {edited(unit, "\"health\": 400", "\"health\": 4.5"), "field 'health' is 4.5; it should be a whole number"},
        {edited(unit, "\"health\": 400", "\"health\": 999"), "field 'health' is 999, but the kit writes 400"},
        {edited(unit, "\"health\": 400,", ""), "field 'health' is missing"},
        {edited(unit, "\"health\": 400", "\"health\": 400, \"colour\": 3"),
         "field 'colour' is not part of a unit file"},
        {edited(unit, "Bog warden", "Bog \\u2605"), "field 'description' holds the character"},
        {edited(unit, "Bog warden", "Bog\\nwarden"), "field 'description' holds a line break"},
        {edited(unit, "Bog warden", QByteArray(10 * 1024 * 1024, 'x')), "field 'description' is 10485760 characters"},
        {edited(player, "\"attack\": \"", "\"attack\": \"9"), "field 'derived/attack' is \"9"},
        {edited(unit, "\"behaviour\": -3", "\"behaviour\": 0"), "field 'behaviour' is refused by the reader: Line 3"},
        {edited(player, "\"001\": 0", "\"001\": 7"), "field 'fixed/001' is 7, but the kit writes 0"},
        {edited(macro, "MSG 1 a", "MSG 1 a\\rMSG 1 b"), "field 'lines/0' holds a CR; the macro editor ends a line"},
        {R"({"format": "sprite", "width": 2, "height": 1, "rows": [[1, 300]]})",
         "field 'rows/0/1' is 300; it should be 0 to 255"},
    };
    for (const auto &c : cases) {
        const Result<QJsonObject> dump = parseDump(c.json);
        const Result<QByteArray> bytes = dump ? bytesFromDump(dump.value()) : Result<QByteArray>(dump.status());
        ASSERT_FALSE(bytes.ok()) << c.refusal;
        EXPECT_TRUE(bytes.error().contains(QLatin1String(c.refusal))) << bytes.error().toStdString();
    }
}

TEST(TextForm, ValuesTheCheckerCallsAnErrorAreFoundInTheWrittenFile)
{
    const Result<QJsonObject> dump = dumpOf(QStringLiteral("SHOP.cmd"), "'!Shop\r\nMSG 1 50% off\r\n");
    ASSERT_TRUE(dump.ok());
    const Result<QByteArray> bytes = bytesFromDump(dump.value());
    ASSERT_TRUE(bytes.ok()) << bytes.error().toStdString();
    const QStringList errors = checkerErrors(*formatById(QStringLiteral("macro")), bytes.value());
    ASSERT_EQ(errors.size(), 1) << errors.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(errors.first().startsWith(QStringLiteral("line 2: "))) << errors.first().toStdString();
}

} // namespace
} // namespace tav::textform
