#include "core/savegame/hero_state.h"
#include "core/savegame/number_text.h"

#include <gtest/gtest.h>

using namespace tav;

TEST(HeroHealth, ContainersStayAtThreeOrMoreAndCapTheHearts)
{
    HeroState hero;
    EXPECT_TRUE(hero.setContainers(2));
    EXPECT_EQ(hero.containers(), 3);
    hero.setContainers(10);
    hero.setHearts(7);
    hero.setContainers(5);
    EXPECT_EQ(hero.containers(), 5);
    EXPECT_EQ(hero.hearts(), 5);
    EXPECT_FALSE(hero.setContainers(11));
    EXPECT_FALSE(hero.setContainers(-1));
    EXPECT_EQ(hero.containers(), 5);
}

TEST(HeroHealth, HeartsStayBetweenOneAndTheContainers)
{
    HeroState hero;
    hero.setContainers(6);
    hero.setHearts(9);
    EXPECT_EQ(hero.hearts(), 6);
    hero.setHearts(0);
    EXPECT_EQ(hero.hearts(), 1);
    hero.setHearts(4);
    hero.addHalfHeart();
    EXPECT_EQ(hero.hearts(), 5);
    hero.setHearts(6);
    hero.addHalfHeart();
    EXPECT_EQ(hero.hearts(), 6);
}

TEST(HeroWeapons, OnlyBowMaceAndShortSwordHaveAnUpgradeChoice)
{
    HeroState hero;
    for (int i = 0; i < HeroState::kWeapons; ++i)
        hero.setUpgraded(i, true);
    const bool expected[] = {false, true, true, true, true, true, false, true};
    for (int i = 0; i < HeroState::kWeapons; ++i)
        EXPECT_EQ(hero.upgraded(i), expected[i]) << i;
    for (int i = 0; i < HeroState::kWeapons; ++i)
        hero.setUpgraded(i, false);
    const bool fixed[] = {false, true, false, true, false, true, false, false};
    for (int i = 0; i < HeroState::kWeapons; ++i)
        EXPECT_EQ(hero.upgraded(i), fixed[i]) << i;
}

TEST(HeroWeapons, CodesMapBothWays)
{
    const int weaponNrForCode[] = {7, 8, 1, 2, 3, 4, 5, 6};
    HeroState hero;
    for (int i = 0; i < HeroState::kWeapons; ++i)
        hero.setOwned(i, true);
    for (int code = 0; code < 8; ++code) {
        EXPECT_EQ(HeroState::weaponNrFromCode(code), weaponNrForCode[code]);
        hero.setWeaponNr(weaponNrForCode[code]);
        EXPECT_EQ(hero.weaponCode(), code);
    }
    EXPECT_FALSE(HeroState::weaponNrFromCode(8));
    EXPECT_FALSE(HeroState::weaponNrFromCode(-1));
}

TEST(HeroWeapons, SavedStateNeedsOwnershipForTheUpgrade)
{
    HeroState hero;
    hero.setUpgraded(HeroState::Bow, true);
    EXPECT_EQ(hero.weaponState(HeroState::Bow), 0);
    hero.setOwned(HeroState::Bow, true);
    EXPECT_EQ(hero.weaponState(HeroState::Bow), 2);
    hero.setUpgraded(HeroState::Bow, false);
    EXPECT_EQ(hero.weaponState(HeroState::Bow), 1);
    hero.setOwned(HeroState::LongSword, true);
    EXPECT_EQ(hero.weaponState(HeroState::LongSword), 2);
}

TEST(HeroValues, OutOfRangeValuesAreRefused)
{
    HeroState hero;
    EXPECT_FALSE(hero.setHeroX(401));
    EXPECT_FALSE(hero.setHeroY(-1));
    EXPECT_FALSE(hero.setDirection(4));
    EXPECT_FALSE(hero.setGold(10000));
    EXPECT_FALSE(hero.setArrows(100));
    EXPECT_FALSE(hero.setMana(81));
    EXPECT_FALSE(hero.setSpell(0));
    EXPECT_FALSE(hero.setWeaponNr(9));
    EXPECT_EQ(hero.heroX(), 200);
    EXPECT_EQ(hero.gold(), 50);
    EXPECT_TRUE(hero.setHeroX(400));
    EXPECT_TRUE(hero.setMana(80));
}

TEST(NumberText, ClampsToTheRangeAndTakesOnlyWholeNumbers)
{
    auto check = [](const QString &text, int bound) { return checkNumberText(text, bound); };
    EXPECT_EQ(check("450", 400).text, "400");
    EXPECT_EQ(check("-5", 400).value, 0);
    EXPECT_EQ(check("37", 99).value, 37);
    EXPECT_EQ(check("", 400).text, "");
    EXPECT_FALSE(check("", 400).value);
    EXPECT_FALSE(check("abc", 400).value);
    EXPECT_EQ(check("999999999999999999999", 400).text, "400");
}
