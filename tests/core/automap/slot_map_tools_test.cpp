#include "core/automap/slot_map_tools.h"

#include "support/temp_game_folder.h"

#include <QDir>

#include <sys/stat.h>

#include <gtest/gtest.h>

using namespace tav;
using tav::test::TempGameFolder;

namespace {

const QString kSlot1 = QStringLiteral("GAMEDATA\\SAVE1");

struct SlotTools : ::testing::Test {
    TempGameFolder tmp;

    void SetUp() override
    {
        tmp.write("AUTOMAP.CHT", "all uncovered");
        tmp.write("GAMEDATA/MAPS/AUTOMAP.STS", "default automap");
        tmp.write("GAMEDATA/SAVE1/AUTOMAP.STS", "player's automap");
        tmp.write("GAMEDATA/SAVE1/PLAYER.STS", "hero");
    }

    // The file's identity on disk: a file left untouched keeps it.
    ino_t inode(const QString &relative) const
    {
        struct stat info {};
        ::stat(QFile::encodeName(tmp.disk(relative)).constData(), &info);
        return info.st_ino;
    }

    QStringList filesIn(const QString &relative) const
    {
        return QDir(tmp.disk(relative)).entryList(QDir::Files, QDir::Name);
    }
};

} // namespace

TEST_F(SlotTools, AMissingSourceChangesNothing)
{
    QFile::remove(tmp.disk("AUTOMAP.CHT"));
    EXPECT_FALSE(replaceSlotAutomap(tmp.folder(), kSlot1, AutomapSource::Uncovered).ok());
    EXPECT_EQ(filesIn("GAMEDATA/SAVE1"), (QStringList{"AUTOMAP.STS", "PLAYER.STS"}));
    EXPECT_EQ(tmp.read("GAMEDATA/SAVE1/AUTOMAP.STS"), "player's automap");
}

TEST_F(SlotTools, RefuseTheDefaultSetAndMissingSlots)
{
    tmp.write("GAMEDATA/MAPS/01-01-00.MAP", "default map");
    const QString defaults = QStringLiteral("GAMEDATA\\maps");
    EXPECT_FALSE(replaceSlotAutomap(tmp.folder(), defaults, AutomapSource::DefaultSet).ok());
    EXPECT_FALSE(resetSlotMap(tmp.folder(), defaults, {1, 1, 0}).ok());
    EXPECT_FALSE(resetAllSlotMaps(tmp.folder(), defaults).ok());
    EXPECT_EQ(tmp.read("GAMEDATA/MAPS/01-01-00.MAP"), "default map");
    EXPECT_EQ(tmp.read("GAMEDATA/MAPS/AUTOMAP.STS"), "default automap");

    const QString slot4 = QStringLiteral("GAMEDATA\\SAVE4");
    EXPECT_FALSE(replaceSlotAutomap(tmp.folder(), slot4, AutomapSource::Uncovered).ok());
    EXPECT_FALSE(resetSlotMap(tmp.folder(), slot4, {1, 1, 0}).ok());
    EXPECT_FALSE(resetAllSlotMaps(tmp.folder(), slot4).ok());
    EXPECT_FALSE(tmp.exists("GAMEDATA/SAVE4"));
}

TEST_F(SlotTools, ResetAllMapsLeavesMatchingFilesAndReplacesTheRest)
{
    // Identical, changed, missing from the slot, extra in the slot, matching
    // only in letter case; identical and changed once read-only too.
    const QStringList names{"01-01-00.MAP", "02-01-00.MAP", "03-01-00.MAP",
                            "04-01-00.MAP", "05-01-00.MAP", "06-01-00.MAP"};
    for (const QString &name : names)
        tmp.write("GAMEDATA/MAPS/" + name, "default " + name.toLatin1());
    tmp.write("GAMEDATA/SAVE1/01-01-00.MAP", "default 01-01-00.MAP");
    tmp.write("GAMEDATA/SAVE1/02-01-00.MAP", "default 02-01-00.MAP but played");
    tmp.write("GAMEDATA/SAVE1/04-01-00.map", "default 04-01-00.MAP");
    tmp.write("GAMEDATA/SAVE1/05-01-00.MAP", "default 05-01-00.MAP");
    tmp.write("GAMEDATA/SAVE1/06-01-00.MAP", "played");
    tmp.write("GAMEDATA/SAVE1/07-01-00.MAP", "only in the slot");
    tmp.makeReadOnly("GAMEDATA/SAVE1/05-01-00.MAP");
    tmp.makeReadOnly("GAMEDATA/SAVE1/06-01-00.MAP");
    const ino_t identical = inode("GAMEDATA/SAVE1/01-01-00.MAP");
    const ino_t readOnlyIdentical = inode("GAMEDATA/SAVE1/05-01-00.MAP");

    const Result<MapsReset> done = resetAllSlotMaps(tmp.folder(), kSlot1);
    ASSERT_TRUE(done.ok()) << done.error().toStdString();
    EXPECT_EQ(done->unchanged, 2);
    EXPECT_EQ(done->copied, 4);
    EXPECT_EQ(done->deleted, 2);
    EXPECT_EQ(filesIn("GAMEDATA/SAVE1"), (names + QStringList{"AUTOMAP.STS", "PLAYER.STS"}));
    for (const QString &name : names)
        EXPECT_EQ(tmp.read("GAMEDATA/SAVE1/" + name), "default " + name.toLatin1()) << name.toStdString();
    EXPECT_EQ(inode("GAMEDATA/SAVE1/01-01-00.MAP"), identical);
    EXPECT_EQ(inode("GAMEDATA/SAVE1/05-01-00.MAP"), readOnlyIdentical);
    // A read-only slot MAP that differs is replaced, as every slot MAP is.
    EXPECT_EQ(QFile::permissions(tmp.disk("GAMEDATA/SAVE1/06-01-00.MAP")),
              QFile::permissions(tmp.disk("GAMEDATA/MAPS/06-01-00.MAP")));

    // A second run finds everything in place and writes nothing.
    const Result<MapsReset> again = resetAllSlotMaps(tmp.folder(), kSlot1);
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(again->unchanged, 6);
    EXPECT_EQ(again->copied + again->deleted, 0);
}

TEST_F(SlotTools, ResetAllMapsReplacesEveryMapFileOfTheSlot)
{
    tmp.write("GAMEDATA/MAPS/01-01-00.MAP", "a");
    tmp.write("GAMEDATA/MAPS/20-15-09.map", "b");
    tmp.write("GAMEDATA/MAPS/05-05-05.MAP", "");
    tmp.write("GAMEDATA/MAPS/01-16-00.MAP", "beyond the last row");
    tmp.write("GAMEDATA/MAPS/00-01-00.MAP", "before the first column");
    tmp.write("GAMEDATA/SAVE1/01-01-00.MAP", "player's a");
    tmp.write("GAMEDATA/SAVE1/99-99-99.MAP", "stray");
    tmp.write("GAMEDATA/SAVE1/notes.map", "stray too");
    tmp.write("GAMEDATA/SAVE1/SUB/02-02-00.MAP", "not directly in the slot");

    const Result<MapsReset> done = resetAllSlotMaps(tmp.folder(), kSlot1);
    ASSERT_TRUE(done.ok()) << done.error().toStdString();
    EXPECT_EQ(done->deleted, 2);
    EXPECT_EQ(done->copied, 3);
    EXPECT_EQ(filesIn("GAMEDATA/SAVE1"),
              (QStringList{"01-01-00.MAP", "05-05-05.MAP", "20-15-09.MAP", "AUTOMAP.STS", "PLAYER.STS"}));
    EXPECT_EQ(tmp.read("GAMEDATA/SAVE1/01-01-00.MAP"), "a");
    EXPECT_EQ(tmp.read("GAMEDATA/SAVE1/20-15-09.MAP"), "b");
    EXPECT_TRUE(tmp.exists("GAMEDATA/SAVE1/SUB/02-02-00.MAP"));
    EXPECT_EQ(QFile::permissions(tmp.disk("GAMEDATA/SAVE1/01-01-00.MAP")) & 0x7777,
              QFile::permissions(tmp.disk("GAMEDATA/MAPS/01-01-00.MAP")) & 0x7777);
}
