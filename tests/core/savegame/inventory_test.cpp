#include "core/savegame/inventory.h"

#include "support/temp_game_folder.h"

#include <gtest/gtest.h>

using namespace tav;
using tav::test::TempGameFolder;

namespace {

InventorySlot slot(int item, int count)
{
    return InventorySlot{item, count};
}

} // namespace

TEST(ItemNames, TheSecondLineOfEachPairIsTheName)
{
    TempGameFolder tmp;
    EXPECT_TRUE(readItemNames(tmp.folder()).isEmpty());
    tmp.write("GAMEDATA/ITMNAMES.DAT", "1\r\nKey\r\n2\r\nPotion\r\n3");
    const QStringList names = readItemNames(tmp.folder());
    EXPECT_EQ(names, (QStringList{"Key", "Potion"}));
    EXPECT_EQ(itemName(names, 2), "Potion");
    EXPECT_EQ(itemName(names, 0), "");
    EXPECT_EQ(itemName(names, 3), "");
    EXPECT_EQ(itemName(names, -1), "");
}

TEST(InventoryAdd, StacksInTheFirstEmptyOrMatchingPosition)
{
    Inventory inventory;
    EXPECT_EQ(inventory.add(2).position, 0);
    EXPECT_EQ(inventory.at(0), slot(2, 1));
    inventory.add(2);
    EXPECT_EQ(inventory.at(0), slot(2, 2));
    EXPECT_EQ(inventory.add(7).position, 1);

    Inventory gap;
    gap.set(3, slot(2, 4));
    gap.set(1, slot(5, 1));
    const auto result = gap.add(2);
    EXPECT_EQ(result.outcome, Inventory::AddOutcome::Added);
    EXPECT_EQ(result.position, 0) << "an earlier empty position wins over a later stack";
    EXPECT_EQ(gap.at(0), slot(2, 1));
    EXPECT_EQ(gap.at(3), slot(2, 4));
}

TEST(InventoryAdd, NineAtMostAndNoRoomWhenEveryPositionHoldsSomethingElse)
{
    Inventory inventory;
    inventory.set(0, slot(4, 9));
    EXPECT_EQ(inventory.add(4).outcome, Inventory::AddOutcome::PositionFull);
    EXPECT_EQ(inventory.at(0), slot(4, 9));
    EXPECT_EQ(inventory.at(1), slot(0, 0));

    Inventory full;
    for (int p = 0; p < Inventory::kPositions; ++p)
        full.set(p, slot(p + 10, 1));
    const Inventory before = full;
    EXPECT_EQ(full.add(3).outcome, Inventory::AddOutcome::NoRoom);
    EXPECT_EQ(full, before);
    EXPECT_EQ(full.add(49).outcome, Inventory::AddOutcome::Added);
    EXPECT_EQ(full.at(39), slot(49, 2));
}

TEST(InventoryRemove, CountsDownAndClosesUpAnEmptiedPosition)
{
    Inventory inventory;
    for (int p = 0; p < Inventory::kPositions; ++p)
        inventory.set(p, slot(p + 1, 1));
    inventory.set(2, slot(3, 3));

    EXPECT_EQ(inventory.remove(2), Inventory::RemoveOutcome::Removed);
    EXPECT_EQ(inventory.at(2), slot(3, 2));

    EXPECT_EQ(inventory.remove(1), Inventory::RemoveOutcome::PositionEmptied);
    EXPECT_EQ(inventory.at(0), slot(1, 1));
    EXPECT_EQ(inventory.at(1), slot(3, 2));
    EXPECT_EQ(inventory.at(38), slot(40, 1));
    EXPECT_EQ(inventory.at(39), slot(0, 0));

    EXPECT_EQ(inventory.remove(39), Inventory::RemoveOutcome::WasEmpty);
    EXPECT_EQ(inventory.remove(40), Inventory::RemoveOutcome::WasEmpty);
    EXPECT_EQ(inventory.remove(-1), Inventory::RemoveOutcome::WasEmpty);
    EXPECT_EQ(inventory.remove(38), Inventory::RemoveOutcome::PositionEmptied);
    EXPECT_EQ(inventory.at(38), slot(0, 0));
}
