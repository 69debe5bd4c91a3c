#include "core/savegame/player_file.h"

#include "support/temp_game_folder.h"

#include <gtest/gtest.h>

using namespace tav;
using tav::test::TempGameFolder;

namespace {

QByteArray crlf(const QStringList &lines)
{
    return (lines.join("\r\n") + "\r\n").toLatin1();
}

// Lines of a file, one-based like the format table.
struct Lines {
    QStringList lines = QStringList(kPlayerFileLines, " 0 ");
    QString &operator[](int lineNumber) { return lines[lineNumber - 1]; }
};

PlayerState loaded(const QStringList &lines, PlayerState state = {})
{
    applyPlayerFileLines(lines, state);
    return state;
}

} // namespace

TEST(PlayerFile, AFreshStateWritesTheDesignValues)
{
    QStringList expected;
    expected << " 0 " << " 0 ";
    for (int p = 0; p < 40; ++p)
        expected << " 0 " << " 0 ";
    expected << " 1 " << " 0 "; // dagger owned, no spell
    for (int i = 1; i < 8; ++i)
        expected << " 0 " << " 0 ";
    expected << " 1 " << " 0 " << " 0 " << " 200 " << " 200 " << "2" << "10" << " 2 " << " 2 " << " 0 "
             << " 2 " << " 3 " << " 3 " << " 50 " << " 0 " << " 0 " << "12" << "8" << "1"
             << " 0 " << " 0 " << " 0 " << " 0 " << "0" << " 0 " << " 0 " << " 0 " << " 0 " << " 0 "
             << "12" << "8" << "0";
    for (int i = 0; i < 8; ++i)
        expected << " 0 ";
    ASSERT_EQ(expected.size(), 138);

    TempGameFolder tmp;
    tmp.mkdir("GAMEDATA/MAPS");
    ASSERT_TRUE(savePlayerFile(tmp.folder(), "GAMEDATA\\MAPS\\PLAYER.STS", PlayerState{}));
    EXPECT_EQ(tmp.read("GAMEDATA/MAPS/PLAYER.STS"), crlf(expected));
}

TEST(PlayerFile, AFullFileLoadsAndSavesBackByteForByte)
{
    TempGameFolder tmp;
    const QByteArray original = tav::test::fixture("savegame/full_player.sts");
    tmp.write("GAMEDATA/SAVE2/PLAYER.STS", original);
    PlayerState state;
    ASSERT_TRUE(loadPlayerFile(tmp.folder(), "GAMEDATA\\SAVE2\\PLAYER.STS", state));

    EXPECT_EQ(state.inventory.at(1), (InventorySlot{3, 9}));
    EXPECT_EQ(state.hero.weaponNr(), 7);
    EXPECT_EQ(state.hero.gold(), 2480);
    EXPECT_EQ(state.hero.hearts(), 9);
    EXPECT_EQ(state.hero.containers(), 10);
    EXPECT_EQ(state.goalAndMap.mapX, "5");
    EXPECT_EQ(state.goalAndMap.goalNr, "5");
    EXPECT_TRUE(state.hero.option(7));

    ASSERT_TRUE(savePlayerFile(tmp.folder(), "GAMEDATA\\SAVE2\\PLAYER.STS", state));
    EXPECT_EQ(tmp.read("GAMEDATA/SAVE2/PLAYER.STS"), original);
}

TEST(PlayerFile, InventoryCountsAreStoredOneLess)
{
    PlayerState state;
    state.inventory.set(0, {5, 1});
    state.inventory.set(1, {8, 9});
    const QStringList lines = playerFileLines(state);
    EXPECT_EQ(lines.mid(2, 4), (QStringList{" 5 ", " 0 ", " 8 ", " 8 "}));
    EXPECT_EQ(lines[99], " 5 ") << "line 100 repeats the first item";

    Lines file;
    file[3] = " 5 ";
    file[4] = " 0 ";
    file[5] = " 0 ";
    file[6] = " 6 ";
    const PlayerState back = loaded(file.lines);
    EXPECT_EQ(back.inventory.at(0), (InventorySlot{5, 1}));
    EXPECT_EQ(back.inventory.at(1), (InventorySlot{0, 0})) << "an empty position has no count";
}

TEST(PlayerFile, ACountBelowZeroIsWrittenAsZeroSoTheSecondSaveWritesTheSame)
{
    for (const char *stored : {"-5 ", "-1 ", " 0 "}) {
        Lines file;
        file[3] = " 5 ";
        file[4] = stored;
        const QStringList first = playerFileLines(loaded(file.lines));
        EXPECT_EQ(first[3], " 0 ") << stored;
        EXPECT_EQ(playerFileLines(loaded(first)), first) << stored;
    }
}

TEST(PlayerFile, WeaponStatesSpellsAndTheFixedUpgrades)
{
    PlayerState state;
    state.hero.setUpgraded(HeroState::Bow, true);
    EXPECT_EQ(playerFileLines(state)[86], " 0 ") << "an unowned bow is saved as not owned";
    state.hero.setOwned(HeroState::Bow, true);
    state.hero.setSpellKnown(3, true);
    const QStringList lines = playerFileLines(state);
    EXPECT_EQ(lines[86], " 2 ");
    EXPECT_EQ(lines[89], " 1 ");

    Lines file;
    file[83] = " 0 "; // dagger lost
    file[85] = " 1 "; // l. sword owned, saved without upgrade
    file[89] = " 2 "; // axe
    file[95] = " 2 "; // boomrng upgraded in the file
    file[97] = " 2 "; // s. sword upgraded
    file[98] = " 7 "; // last spell known
    const PlayerState back = loaded(file.lines);
    EXPECT_FALSE(back.hero.owned(HeroState::Dagger));
    EXPECT_TRUE(back.hero.upgraded(HeroState::LongSword));
    EXPECT_FALSE(back.hero.upgraded(HeroState::Boomerang));
    EXPECT_TRUE(back.hero.owned(HeroState::Boomerang));
    EXPECT_TRUE(back.hero.upgraded(HeroState::ShortSword));
    EXPECT_TRUE(back.hero.spellKnown(7));
}

TEST(PlayerFile, CurrentWeaponAndSpell)
{
    PlayerState state;
    state.hero.setOwned(HeroState::ShortSword, true);
    state.hero.setWeaponNr(8);
    const QStringList lines = playerFileLines(state);
    EXPECT_EQ(lines[105], " 1 ");
    EXPECT_EQ(lines[106], " 1 ");

    Lines file;
    file[83] = " 1 ";
    file[107] = " 0 ";
    EXPECT_EQ(loaded(file.lines).hero.weaponNr(), 1) << "boomrng not owned";
    file[95] = " 1 ";
    EXPECT_EQ(loaded(file.lines).hero.weaponNr(), 7);
    file[107] = " 12 ";
    PlayerState before;
    before.hero.setOwned(HeroState::Bow, true);
    before.hero.setWeaponNr(3);
    EXPECT_EQ(loaded(file.lines, before).hero.weaponNr(), 3) << "an unknown code leaves the weapon";

    EXPECT_EQ(lines[107], " 0 ") << "spell 1";
    file[108] = " 5 ";
    EXPECT_EQ(loaded(file.lines).hero.spell(), 6);
}

TEST(PlayerFile, HalfHeartFillsUpToTheContainers)
{
    Lines file;
    file[110] = " 5 ";
    file[111] = " 6 ";
    file[125] = " 1 ";
    EXPECT_EQ(loaded(file.lines).hero.hearts(), 6);
    file[110] = " 6 ";
    EXPECT_EQ(loaded(file.lines).hero.hearts(), 6);
    file[110] = " 9 "; // more hearts than containers
    file[111] = " 2 "; // too few containers
    file[125] = " 0 ";
    const PlayerState state = loaded(file.lines);
    EXPECT_EQ(state.hero.containers(), 3);
    EXPECT_EQ(state.hero.hearts(), 3);
    EXPECT_EQ(playerFileLines(state)[124], " 0 ") << "a half heart is never saved";
}

TEST(PlayerFile, AShortFileKeepsWhatItDoesNotReach)
{
    PlayerState before;
    before.hero.setGold(777);
    before.goalAndMap.mapX = "4";
    Lines file;
    file[3] = " 2 ";
    file[102] = " 123 ";
    const PlayerState state = loaded(file.lines.mid(0, 104), before);
    EXPECT_EQ(state.inventory.at(0), (InventorySlot{2, 1}));
    EXPECT_EQ(state.hero.heroX(), 123);
    EXPECT_EQ(state.hero.gold(), 777);
    EXPECT_EQ(state.goalAndMap.mapX, "4");

    const PlayerState empty = loaded({}, before);
    EXPECT_EQ(empty.hero.gold(), 777);
    EXPECT_EQ(empty.inventory, before.inventory);
}

TEST(PlayerFile, GarbageAndOutOfRangeValuesNeverBreakTheState)
{
    PlayerState before;
    before.hero.setArmor(3);
    Lines file;
    file[3] = "banana";
    file[101] = " 42 ";     // no such armor
    file[102] = " 9999 ";   // off the screen
    file[103] = "12abc";    // the leading number counts
    file[109] = " -3 ";
    file[112] = " 123456 ";
    file[114] = " 81 ";
    file[131] = "yes";
    file[108] = " 99999999999 "; // no such spell, and one more would overflow
    file[5] = " 7 ";
    file[6] = " 2147483647 ";
    const PlayerState state = loaded(file.lines, before);
    EXPECT_EQ(state.hero.spell(), before.hero.spell());
    EXPECT_EQ(state.inventory.at(1), (InventorySlot{7, 2147483647}));
    EXPECT_EQ(state.hero.armor(), 3);
    EXPECT_EQ(state.hero.heroX(), 200);
    EXPECT_EQ(state.hero.heroY(), 12);
    EXPECT_EQ(state.hero.direction(), before.hero.direction());
    EXPECT_EQ(state.hero.gold(), before.hero.gold());
    EXPECT_EQ(state.hero.mana(), 0);
    EXPECT_FALSE(state.hero.option(0));
    EXPECT_EQ(playerFileLines(state).size(), kPlayerFileLines);
}

TEST(PlayerFile, ACommaStartsANewFieldFromTheWeaponLinesOn)
{
    Lines file;
    file[3] = " 4, 9 ";  // inventory lines are whole lines
    file[83] = " 1, 1 "; // dagger owned and spell 0 known
    // every later field moves one line down: line 101 now holds line 100's value
    file[100] = " 5 ";
    const PlayerState state = loaded(file.lines);
    EXPECT_EQ(state.inventory.at(0).item, 4);
    EXPECT_TRUE(state.hero.spellKnown(0));
    EXPECT_EQ(state.hero.armor(), 5);
}

TEST(PlayerFile, AFailedSaveLeavesTheOldFile)
{
    TempGameFolder tmp;
    EXPECT_FALSE(savePlayerFile(tmp.folder(), "GAMEDATA\\SAVE4\\PLAYER.STS", PlayerState{}));
    EXPECT_FALSE(tmp.exists("GAMEDATA/SAVE4"));

    tmp.write("GAMEDATA/SAVE1/PLAYER.STS", "old");
    tmp.makeReadOnly("GAMEDATA/SAVE1/PLAYER.STS");
    EXPECT_FALSE(savePlayerFile(tmp.folder(), "GAMEDATA\\SAVE1\\PLAYER.STS", PlayerState{}));
    EXPECT_EQ(tmp.read("GAMEDATA/SAVE1/PLAYER.STS"), "old");
}

