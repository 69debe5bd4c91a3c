// Which file names what, over the bundled sample: each row's uses were
// read off the sample's files by hand.
#include "core/check/game_check.h"
#include "core/refs/file_uses.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tav::refs {
namespace {

using ::testing::ElementsAreArray;

const QString kSampleDir = QStringLiteral(TAV_SOURCE_DIR "/sample");

// LONGTALE.cmd tells 40 chapters of 15 lines each: a chapter's line repeats
// every 15 lines; `every` chapters when the value cycles.
QStringList longtale(int firstLine, int every, int count)
{
    QStringList places;
    for (int i = 0; i < count; ++i)
        places.append(QStringLiteral("GAMEDATA\\MAKRO\\LONGTALE.cmd:%1").arg(firstLine + 15 * every * i));
    return places;
}

struct SampleUses {
    const char *kind;
    const char *name; // as a user types it
    QStringList places;
};

const SampleUses kSampleUses[] = {
    {"sprite", "bogl", {"GAMEDATA\\UNITS\\BOGLING.UNI:2", "GAMEDATA\\UNITS\\ROTBOGL.UNI:2"}},
    {"unit", "Eye", {"GAMEDATA\\MAKRO\\VAULT.CMD:9"}},
    // ITM & 12 and ITM # 05 06 12 of NOINFO.cmd give main item 12.
    {"item", "12", {"GAMEDATA\\ITMNAMES.DAT:23", "GAMEDATA\\MAPS\\TRAIN.STS:7", "GAMEDATA\\SAVE2\\PLAYER.STS:19"}},
    // Torch: ITM ?, ITM +, its section of the items macro, savegames.
    {"item", "05",
     QStringList{"GAMEDATA\\ITMNAMES.DAT:9", "GAMEDATA\\MAKRO\\BEACON.cmd:2", "GAMEDATA\\MAKRO\\ITEMS.CMD:18"} +
         longtale(58, 5, 8) +
         QStringList{"GAMEDATA\\MAKRO\\SHOP.cmd:10", "GAMEDATA\\MAPS\\PLAYER.STS:3", "GAMEDATA\\MAPS\\PLAYER.STS:100",
                     "GAMEDATA\\SAVE1\\PLAYER.STS:9"}},
    {"goal", "2",
     QStringList{"GAMEDATA\\MAKRO\\BEACON.cmd:14"} + longtale(14, 3, 14) +
         QStringList{"GAMEDATA\\SAVE1\\PLAYER.STS:130"}},
    {"person", "elder", {"GAMEDATA\\DEF_PIDL.DAT:1"}},
    {"sound", "Chime",
     QStringList{"GAMEDATA\\DEF_PIDL.DAT:9", "GAMEDATA\\MAKRO\\ELDER.cmd:10", "GAMEDATA\\MAKRO\\ITEMS.CMD:12"} +
         longtale(10, 1, 40) + QStringList{"GAMEDATA\\MAKRO\\MIRROW.cmd:3"}},
    // The automap's key, the square XXX marks, the current MAP and the goal position.
    {"square",
     "12, 8",
     {"GAMEDATA\\AUTOMAP.DAT:1", "GAMEDATA\\MAKRO\\ELDER.cmd:7", "GAMEDATA\\MAPS\\PLAYER.STS:115",
      "GAMEDATA\\MAPS\\PLAYER.STS:128"}},
    {"square", "6 3", {"GAMEDATA\\AUTOMAP.DAT:13", "GAMEDATA\\SAVE2\\PLAYER.STS:128"}},
};

TEST(SampleUses, EachNameIsFoundWhereTheSampleUsesIt)
{
    ReferenceIndex index;
    check::checkGameFolder(kSampleDir, &index);
    EXPECT_TRUE(index.unread().isEmpty());
    for (const SampleUses &row : kSampleUses) {
        const auto kind = parseKind(QString::fromLatin1(row.kind));
        const auto key = referenceKey(kind.value_or(ReferenceKind::Sprite), QString::fromLatin1(row.name));
        ASSERT_TRUE(kind && key) << row.kind << " " << row.name;
        QStringList places;
        for (const Use &use : index.usesOf(*kind, *key))
            places.append(QStringLiteral("%1:%2").arg(use.file).arg(use.reference.line));
        EXPECT_THAT(places, ElementsAreArray(row.places)) << row.kind << " " << row.name;
    }
    const QList<Use> train = index.usesOf(ReferenceKind::Item, QStringLiteral("12"));
    EXPECT_EQ(train[1].reference.text(), QStringLiteral("item 12 (inventory position 3)"));
}

TEST(MacroUses, EachNamingFieldIsFoundWithItsSpan)
{
    struct Row {
        const char *line;
        QList<Reference> uses;
    };
    using K = ReferenceKind;
    const Row rows[] = {
        {"itm + 02", {{K::Item, "2", 1, 6, 8, "ITM +"}}},
        {"WAV !chime", {{K::Sound, "CHIME", 1, 5, 10, "WAV !"}}},
        {"POS schime", {{K::Sound, "CHIME", 1, 5, 10, "POS s"}}},
        {"  KIL EYE  ", {{K::Unit, "EYE", 1, 6, 9, "KIL"}}},
        {"POS iRed potion", {{K::ItemName, "Red potion", 1, 5, 15, "POS i"}}},
        {"XXX 12 08 1", {{K::Goal, "1", 1, 10, 11, "XXX"}, {K::Square, "12,8", 1, -1, -1, "XXX"}}},
        {"ITM # 05 06 12", {}},
        {"ITM & 12", {}},
        {"MSG 1 WAV chime", {}},
    };
    for (const Row &row : rows) {
        MacroUses uses;
        uses.addLine(1, QString::fromLatin1(row.line));
        ReferenceIndex index;
        uses.store(index, QStringLiteral("M.cmd"));
        QList<Reference> found;
        for (K kind : {K::Item, K::Sound, K::Unit, K::ItemName, K::Goal, K::Square})
            for (const Use &use : index.usesOf(kind))
                found.append(use.reference);
        EXPECT_EQ(found, row.uses) << row.line;
    }
}

} // namespace
} // namespace tav::refs
