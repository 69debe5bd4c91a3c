#pragma once

#include "core/common/game_folder.h"

#include <QString>
#include <QStringList>

#include <array>

namespace tav {

// One inventory position: an item number (0 = empty) and how many of it.
struct InventorySlot {
    int item = 0;
    int count = 0;
    friend bool operator==(const InventorySlot &, const InventorySlot &) = default;
};

// The hero's 40 inventory positions, shown as 5 rows of 8; position
// p = row x 8 + column.
class Inventory {
public:
    static constexpr int kRows = 5;
    static constexpr int kColumns = 8;
    static constexpr int kPositions = kRows * kColumns;
    static constexpr int kMaxCount = 9;

    static constexpr int position(int row, int column) { return row * kColumns + column; }
    static constexpr bool isPosition(int p) { return p >= 0 && p < kPositions; }

    // An empty slot for a position outside 0 to 39.
    InventorySlot at(int p) const { return isPosition(p) ? m_slots[p] : InventorySlot{}; }
    void set(int p, InventorySlot slot);
    void clear() { m_slots.fill(InventorySlot{}); }

    enum class AddOutcome { Added, PositionFull, NoRoom };
    struct AddResult {
        AddOutcome outcome;
        int position = -1; // the position taken, or -1 when there was no room
    };
    // Adds one of an item: to the first position, row by row, that is empty
    // or already holds the item (an earlier empty position wins over a later
    // stack); at most 9 in one position.
    AddResult add(int item);

    enum class RemoveOutcome { Removed, PositionEmptied, WasEmpty };
    // Removes one item from a position; a position that runs empty is taken
    // out and the positions after it move up by one.
    RemoveOutcome remove(int p);

    friend bool operator==(const Inventory &, const Inventory &) = default;

private:
    std::array<InventorySlot, kPositions> m_slots{};
};

// GAMEDATA\ITMNAMES.DAT: line pairs, one pair per item in item number order;
// the second line of each pair is the item's name. A missing file gives no
// names; a last, unpaired line is ignored.
QStringList readItemNames(const GameFolder &folder);
QStringList itemNamesFromLines(const QStringList &lines);

// The name of item number k (entry k - 1), empty for 0 or an unknown number.
QString itemName(const QStringList &names, int item);

} // namespace tav
