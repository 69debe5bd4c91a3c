#include "core/automap/map_file_name.h"
#include "core/automap/map_scan.h"

#include "support/temp_game_folder.h"

#include <gtest/gtest.h>

using namespace tav;
using tav::test::TempGameFolder;

TEST(MapFileName, WritesAndParsesTwoDigitsPerCoordinate)
{
    EXPECT_EQ(mapFilePath(QStringLiteral("GAMEDATA\\SAVE1"), {3, 4, 0}),
              QStringLiteral("GAMEDATA\\SAVE1\\03-04-00.MAP"));
    EXPECT_EQ(parseMapFileName(QStringLiteral("05-12-09.map")), (MapPosition{5, 12, 9}));
    EXPECT_EQ(parseMapFileName(QStringLiteral("99-99-99.MAP")), (MapPosition{99, 99, 99}));
    for (const char *name :
         {"5-12-9.MAP", "05-12-09.MAPX", "05_12_09.MAP", "0a-12-09.MAP", "05-12-09.MAP.bak", "AUTOMAP.STS"})
        EXPECT_EQ(parseMapFileName(QString::fromLatin1(name)), std::nullopt) << name;
}

TEST(MapScan, MarksSquaresWithANonEmptyMapOnAnyLevel)
{
    TempGameFolder tmp;
    tmp.write("GAMEDATA/MAPS/01-01-00.MAP", "m");
    tmp.write("GAMEDATA/MAPS/04-07-09.MAP", "level nine only");
    tmp.write("GAMEDATA/MAPS/06-06-00.MAP", "");  // empty: not a MAP yet
    tmp.write("GAMEDATA/MAPS/20-20-03.map", "m"); // beyond the grid's rows, any case
    tmp.write("GAMEDATA/MAPS/21-01-00.MAP", "m"); // outside the world
    tmp.write("GAMEDATA/MAPS/02-02-10.MAP", "m"); // no such level
    tmp.write("GAMEDATA/MAPS/SUB/03-03-00.MAP", "m");
    tmp.mkdir("GAMEDATA/MAPS/08-08-00.MAP");
    tmp.write("GAMEDATA/MAPS/09-09-00.TXT", "m");

    const MarkedSquares squares = scanForExistingMaps(tmp.folder());
    EXPECT_TRUE(squares.isMarked(1, 1));
    EXPECT_TRUE(squares.isMarked(4, 7));
    EXPECT_TRUE(squares.isMarked(20, 20));
    EXPECT_EQ(squares.count(), 3);
}

TEST(MapScan, AMissingFolderMarksNothing)
{
    TempGameFolder tmp;
    EXPECT_EQ(scanForExistingMaps(tmp.folder()).count(), 0);
    EXPECT_TRUE(listMapFiles(tmp.folder(), QStringLiteral("GAMEDATA\\SAVE3")).isEmpty());
}
