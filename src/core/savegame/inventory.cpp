#include "core/savegame/inventory.h"

#include "core/common/text_file.h"

namespace tav {

void Inventory::set(int p, InventorySlot slot)
{
    if (isPosition(p))
        m_slots[p] = slot;
}

Inventory::AddResult Inventory::add(int item)
{
    for (int p = 0; p < kPositions; ++p) {
        InventorySlot &slot = m_slots[p];
        if (slot.item != 0 && slot.item != item)
            continue;
        slot.item = item;
        if (slot.count >= kMaxCount)
            return {AddOutcome::PositionFull, p};
        slot.count = qMax(slot.count, 0) + 1;
        return {AddOutcome::Added, p};
    }
    return {AddOutcome::NoRoom, -1};
}

Inventory::RemoveOutcome Inventory::remove(int p)
{
    if (!isPosition(p) || m_slots[p].count <= 0)
        return RemoveOutcome::WasEmpty;
    if (--m_slots[p].count > 0)
        return RemoveOutcome::Removed;
    for (int i = p; i < kPositions - 1; ++i)
        m_slots[i] = m_slots[i + 1];
    m_slots[kPositions - 1] = InventorySlot{};
    return RemoveOutcome::PositionEmptied;
}

QStringList readItemNames(const GameFolder &folder)
{
    const Result<TextFile> file = readTextFile(folder.resolve(QStringLiteral("GAMEDATA\\ITMNAMES.DAT")));
    return file ? itemNamesFromLines(file->lines) : QStringList();
}

QStringList itemNamesFromLines(const QStringList &lines)
{
    QStringList names;
    for (qsizetype i = 1; i < lines.size(); i += 2)
        names.append(lines[i]);
    return names;
}

QString itemName(const QStringList &names, int item)
{
    return item >= 1 && item <= names.size() ? names[item - 1] : QString();
}

} // namespace tav
