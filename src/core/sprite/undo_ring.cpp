#include "core/sprite/undo_ring.h"

#include <algorithm>

namespace tav {

void UndoRing::record(const QString &name, const SpriteImage &snapshot)
{
    m_pos = m_pos + 1 > kSlots - 1 ? 0 : m_pos + 1;
    m_buf[static_cast<std::size_t>(m_pos)] = snapshot;
    m_names[static_cast<std::size_t>(m_pos)] = name;
    m_steps = std::min(m_steps + 1, kMaxSteps);
}

std::optional<SpriteImage> UndoRing::undo()
{
    if (m_steps == 0)
        return std::nullopt;
    const SpriteImage snapshot = m_buf[static_cast<std::size_t>(m_pos)];
    m_pos = m_pos - 1 < 0 ? kSlots - 1 : m_pos - 1;
    --m_steps;
    return snapshot;
}

QString UndoRing::tooltip() const
{
    if (m_steps == 0)
        return QStringLiteral("Undo: not available");
    return QStringLiteral("Undo: ") + m_names[static_cast<std::size_t>(m_pos)];
}

} // namespace tav
