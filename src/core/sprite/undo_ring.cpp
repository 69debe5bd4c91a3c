#include "core/sprite/undo_ring.h"

#include <algorithm>

namespace tav {

void UndoRing::record(const QString &name, const SpriteImage &snapshot)
{
    m_pos = m_pos + 1 > kSlots - 1 ? 0 : m_pos + 1;
    m_buf[static_cast<std::size_t>(m_pos)] = snapshot;
    m_names[static_cast<std::size_t>(m_pos)] = name;
    m_steps = std::min(m_steps + 1, kMaxSteps);
    m_redo.clear();
}

std::optional<SpriteImage> UndoRing::undo(const SpriteImage &current)
{
    if (m_steps == 0)
        return std::nullopt;
    m_redo.push_back({current, m_steps});
    const SpriteImage snapshot = m_buf[static_cast<std::size_t>(m_pos)];
    m_pos = m_pos - 1 < 0 ? kSlots - 1 : m_pos - 1;
    --m_steps;
    return snapshot;
}

std::optional<SpriteImage> UndoRing::redo()
{
    if (m_redo.empty())
        return std::nullopt;
    const Undone undone = m_redo.back();
    m_redo.pop_back();
    // Undo left the slot ahead as it was, so stepping forward finds the
    // snapshot and the name the change recorded.
    m_pos = m_pos + 1 > kSlots - 1 ? 0 : m_pos + 1;
    m_steps = undone.steps;
    return undone.state;
}

QString UndoRing::redoTooltip() const
{
    if (m_redo.empty())
        return QStringLiteral("Redo: not available");
    const int next = m_pos + 1 > kSlots - 1 ? 0 : m_pos + 1;
    return QStringLiteral("Redo: ") + m_names[static_cast<std::size_t>(next)];
}

QString UndoRing::tooltip() const
{
    if (m_steps == 0)
        return QStringLiteral("Undo: not available");
    return QStringLiteral("Undo: ") + m_names[static_cast<std::size_t>(m_pos)];
}

} // namespace tav
