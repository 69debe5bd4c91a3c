#include "core/automap/slot_map_tools.h"

#include "support/temp_game_folder.h"

#include <QDir>

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
    EXPECT_EQ(done->deleted, 3);
    EXPECT_EQ(done->copied, 3);
    EXPECT_EQ(filesIn("GAMEDATA/SAVE1"),
              (QStringList{"01-01-00.MAP", "05-05-05.MAP", "20-15-09.MAP", "AUTOMAP.STS", "PLAYER.STS"}));
    EXPECT_EQ(tmp.read("GAMEDATA/SAVE1/01-01-00.MAP"), "a");
    EXPECT_EQ(tmp.read("GAMEDATA/SAVE1/20-15-09.MAP"), "b");
    EXPECT_TRUE(tmp.exists("GAMEDATA/SAVE1/SUB/02-02-00.MAP"));
    EXPECT_EQ(QFile::permissions(tmp.disk("GAMEDATA/SAVE1/01-01-00.MAP")) & 0x7777,
              QFile::permissions(tmp.disk("GAMEDATA/MAPS/01-01-00.MAP")) & 0x7777);
}
