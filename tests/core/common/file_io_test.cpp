#include "core/common/byte_reader.h"
#include "core/common/file_io.h"

#include "support/temp_game_folder.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace tav;
using tav::test::TempGameFolder;

TEST(AtomicWrite, ReplacesTheWholeFile)
{
    TempGameFolder tmp;
    tmp.write("a.dat", "old content that is longer");
    ASSERT_TRUE(writeFileAtomically(tmp.disk("a.dat"), "new"));
    EXPECT_EQ(tmp.read("a.dat"), "new");
}

TEST(AtomicWrite, RefusesAReadOnlyTargetAndKeepsIt)
{
    TempGameFolder tmp;
    tmp.write("ro.dat", "keep me");
    tmp.makeReadOnly("ro.dat");
    const Status result = writeFileAtomically(tmp.disk("ro.dat"), "lost");
    EXPECT_FALSE(result);
    EXPECT_TRUE(result.error().contains("read-only"));
    EXPECT_EQ(tmp.read("ro.dat"), "keep me");
}

TEST(AtomicWrite, FailsIntoAMissingFolderWithoutCreatingIt)
{
    TempGameFolder tmp;
    const Status result = writeFileAtomically(tmp.disk("missing/a.dat"), "x");
    EXPECT_FALSE(result);
    EXPECT_FALSE(tmp.exists("missing"));
}

TEST(AtomicWrite, LeavesTheOldFileWhenTheTargetIsAFolder)
{
    TempGameFolder tmp;
    tmp.mkdir("dir.dat");
    EXPECT_FALSE(writeFileAtomically(tmp.disk("dir.dat"), "x"));
}

TEST(AtomicWrite, CopyKeepsBytes)
{
    TempGameFolder tmp;
    tmp.write("from.bin", QByteArray("\x00\x01\xFF\r\n", 5));
    ASSERT_TRUE(copyFileAtomically(tmp.disk("from.bin"), tmp.disk("to.bin")));
    EXPECT_EQ(tmp.read("to.bin"), QByteArray("\x00\x01\xFF\r\n", 5));
    EXPECT_FALSE(copyFileAtomically(tmp.disk("none.bin"), tmp.disk("to.bin")));
    EXPECT_EQ(tmp.read("to.bin").size(), 5);
}

TEST(ReadWholeFile, ReportsMissingAndOversizedFiles)
{
    TempGameFolder tmp;
    EXPECT_FALSE(readWholeFile(tmp.disk("none")));
    tmp.write("big", QByteArray(100, 'x'));
    EXPECT_FALSE(readWholeFile(tmp.disk("big"), 99));
    EXPECT_EQ(readWholeFile(tmp.disk("big"), 100)->size(), 100);
}

TEST(ByteReader, NeverReadsPastTheEnd)
{
    const ByteReader r(QByteArray("\x01\x02\x03", 3));
    EXPECT_EQ(r.u8(2), 3);
    EXPECT_FALSE(r.u8(3));
    EXPECT_FALSE(r.u8(-1));
    EXPECT_EQ(r.u16le(1), 0x0302);
    EXPECT_FALSE(r.u16le(2));
    EXPECT_EQ(r.u8Or(10, 7), 7);
    EXPECT_FALSE(r.has(1, std::numeric_limits<qsizetype>::max()));
    EXPECT_EQ(ByteReader(QByteArray("\xFF\xFF", 2)).i16le(0), -1);
}

TEST(AtomicWrite, LinksLeadWritesOnlyWhereTheyStayInsideTheGameFolder)
{
    // game/GRAFIK leads to a shared art folder; below it and in the game
    // folder itself, links must stay inside. Each target: whether it is
    // written, and where the bytes land.
    TempGameFolder tmp;
    tmp.mkdir("game/GAMEDATA/UNITS");
    tmp.mkdir("art/UNITS");
    tmp.write("elsewhere.txt", "outside");
    QFile::link(tmp.disk("art"), tmp.disk("game/GRAFIK"));
    QFile::link("ORC.UNI", tmp.disk("game/GAMEDATA/UNITS/ALIAS.UNI"));
    QFile::link(tmp.disk("elsewhere.txt"), tmp.disk("game/design.sts"));
    QFile::link(tmp.disk("game/GAMEDATA"), tmp.disk("game/GRAFIK/UNITS/BACK"));
    const struct {
        const char *target;
        const char *landsIn; // empty: refused
        const char *refusal;
    } cases[] = {
        {"game/GRAFIK/UNITS/ORC.SPR", "art/UNITS/ORC.SPR", ""},
        {"game/GAMEDATA/UNITS/ALIAS.UNI", "game/GAMEDATA/UNITS/ORC.UNI", ""},
        {"game/design.sts", "", "design.sts is a link to "},
        {"game/GRAFIK/UNITS/BACK/X.SPR", "", "GRAFIK/UNITS/BACK is a link to "},
    };
    for (const auto &c : cases) {
        const Status written = writeFileAtomically(tmp.disk(c.target), "new");
        EXPECT_EQ(written.ok(), *c.landsIn != '\0') << c.target << ": " << written.error().toStdString();
        EXPECT_TRUE(written.error().contains(QLatin1String(c.refusal))) << written.error().toStdString();
        if (*c.landsIn) {
            EXPECT_EQ(tmp.read(c.landsIn), "new") << c.target;
        }
    }
    EXPECT_EQ(tmp.read("elsewhere.txt"), "outside");
    ASSERT_TRUE(writeFileAtomically(tmp.disk("game/design.sts"), "new", LinkAtTarget::Replace));
    EXPECT_FALSE(QFileInfo(tmp.disk("game/design.sts")).isSymLink());
    EXPECT_EQ(tmp.read("elsewhere.txt"), "outside");
}
