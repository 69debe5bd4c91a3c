#include "core/enemy/unit_codes.h"
#include "core/enemy/unit_file.h"

#include "support/temp_game_folder.h"
#include "crlf_lines.h"

#include <gtest/gtest.h>

using namespace tav;
using namespace tav::enemy;
using tav::test::TempGameFolder;

namespace {

const QString kUnitPath = QStringLiteral("GAMEDATA/UNITS/ORC.UNI");

UnitReading readFixture(const QString &name)
{
    TempGameFolder tmp;
    tmp.write(kUnitPath, test::fixture(QStringLiteral("enemy/") + name));
    return readUnitFile(tmp.folder(), QStringLiteral("ORC"));
}

} // namespace

TEST(UnitFile, EveryFieldIsEncodedAndReadBack)
{
    Unit boss;
    boss.description = QStringLiteral("Kr\u00f6te \u20ac");
    boss.sprite = "WARDEN";
    boss.behaviour = 2;  // attacking
    boss.boss = true;
    boss.speed = 8;
    boss.afraidOf = 4;   // chainsaw
    boss.cannotBeHurtWith = 4;  // bomb
    boss.health = 400;
    boss.attack = 10;
    boss.heavyBody = true;
    boss.zombieLike = true;
    boss.shooting = 8;
    boss.teleporting = 3;  // often

    TempGameFolder tmp;
    tmp.mkdir("GAMEDATA/UNITS");
    ASSERT_TRUE(writeUnitFile(tmp.folder(), "ORC", boss));
    EXPECT_EQ(tmp.read(kUnitPath), crlf({"Kr\xf6te \x80", "WARDEN", "-3 ", " 8 ", " 6 ", " 5 ", " 400 ", " 10 ",
                                         " 1 ", " 1 ", " 8 ", " 20 "}));

    const UnitReading back = readUnitFile(tmp.folder(), "orc");
    EXPECT_TRUE(back.complete()) << back.error.toStdString();
    EXPECT_EQ(back.unit, boss);
}

TEST(UnitFile, TeleportingValuesFallIntoTheirClasses)
{
    const int none = 0, seldom = 1, normal = 2, often = 3, veryOften = 4;
    const std::pair<long long, int> cases[] = {
        {0, none},    {1, veryOften}, {10, veryOften}, {15, veryOften}, {16, often},  {20, often},
        {25, often},  {30, often},    {31, normal},    {60, normal},    {61, seldom}, {100, seldom},
        {1LL << 40, seldom},
    };
    for (const auto &[value, entry] : cases)
        EXPECT_EQ(teleportingEntryFor(value), entry) << value;
    EXPECT_EQ(codeForEntry(teleportingEntries(), *teleportingEntryFor(25)), 20);

    // A negative value names no class: the current choice stays.
    const UnitReading r = parseUnitFile({"", "", " 1 ", " 1 ", " 0 ", " 0 ", " 5 ", " 1 ", " 0 ", " 0 ", " 0 ", "-5 "});
    EXPECT_TRUE(r.complete());
    EXPECT_TRUE(r.teleportingKept);
}

TEST(UnitFile, OutOfRangeValuesAreMappedAndClamped)
{
    const UnitReading r = readFixture("out_of_range.UNI");
    ASSERT_TRUE(r.complete()) << r.error.toStdString();
    EXPECT_EQ(r.unit.sprite, "gnash");  // matched against the sprite list by the window
    EXPECT_EQ(r.unit.speed, 8);
    EXPECT_EQ(r.unit.afraidOf, 0);
    EXPECT_EQ(r.unit.cannotBeHurtWith, 0);
    EXPECT_EQ(r.unit.health, 400);
    EXPECT_EQ(r.unit.attack, 0);
    EXPECT_TRUE(r.unit.zombieLike);
    EXPECT_EQ(r.unit.shooting, 0);
    EXPECT_EQ(r.unit.teleporting, 3);
    EXPECT_FALSE(r.teleportingKept);

    // Written back, the shown values are what the file then holds.
    const QStringList lines = unitFileLines(r.unit);
    EXPECT_EQ(lines[6], " 400 ");
    EXPECT_EQ(lines[11], " 20 ");
}

TEST(UnitFile, LineEndsCommasAndAMissingLastLineEndAreAccepted)
{
    const UnitReading r = readFixture("lf_only.UNI");
    ASSERT_TRUE(r.complete()) << r.error.toStdString();
    EXPECT_EQ(r.unit.description, "Plain LF");
    EXPECT_EQ(r.unit.sprite, "");
    EXPECT_EQ(r.unit.behaviour, 3);
    EXPECT_FALSE(r.unit.boss);
    EXPECT_EQ(r.unit.afraidOf, 1);
    EXPECT_EQ(r.unit.teleporting, 1);
}

TEST(UnitFile, ReadingStopsAtTheFirstBadLineAndKeepsWhatCameBefore)
{
    struct Case {
        const char *fixture;
        int linesRead;
    };
    const Case cases[] = {
        {"too_few_lines.UNI", 7},
        {"garbage_health.UNI", 6},
        {"behaviour_zero.UNI", 2},
        {"huge_number.UNI", 3},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.fixture);
        const UnitReading r = readFixture(QString::fromLatin1(c.fixture));
        EXPECT_FALSE(r.complete());
        EXPECT_EQ(r.linesRead, c.linesRead);
        EXPECT_FALSE(r.error.isEmpty());
    }

    const UnitReading garbage = readFixture("garbage_health.UNI");
    EXPECT_EQ(garbage.unit.description, "Garbage");
    EXPECT_EQ(garbage.unit.behaviour, 3);
    EXPECT_EQ(garbage.unit.speed, 7);
    EXPECT_EQ(garbage.unit.afraidOf, 5);
    EXPECT_EQ(garbage.unit.cannotBeHurtWith, 2);
    EXPECT_TRUE(garbage.has(UnitLine::CannotBeHurtWith));
    EXPECT_FALSE(garbage.has(UnitLine::Health));

    for (const char *behaviour : {" 5 ", "-5 ", "", "x"}) {
        const UnitReading r = parseUnitFile({"A", "B", behaviour});
        EXPECT_EQ(r.linesRead, 2) << behaviour;
    }
    EXPECT_EQ(parseUnitFile({}).linesRead, 0);
    EXPECT_EQ(readUnitFile(TempGameFolder().folder(), "NOBODY").linesRead, 0);
}

TEST(UnitFile, NamesThatLeaveTheUnitFolderAreRefused)
{
    TempGameFolder tmp;
    tmp.mkdir("GAMEDATA/UNITS");
    tmp.write("GAMEDATA/KEEP.UNI", "precious");
    for (const char *name : {"..", "..\\KEEP", "../KEEP", "A\\B", "C:X", ""}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(checkUnitName(name));
        EXPECT_FALSE(writeUnitFile(tmp.folder(), name, Unit{}));
        EXPECT_FALSE(deleteUnitFile(tmp.folder(), name));
        EXPECT_FALSE(readUnitFile(tmp.folder(), name).error.isEmpty());
    }
    EXPECT_EQ(tmp.read("GAMEDATA/KEEP.UNI"), "precious");
    EXPECT_FALSE(tmp.exists("GAMEDATA/UNITS/.UNI"));
}
