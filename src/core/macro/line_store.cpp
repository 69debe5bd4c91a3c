#include "core/macro/line_store.h"

#include <algorithm>
#include <iterator>

namespace tav {

LineStore::LineStore()
    : m_slots(1)
    , m_gapStart(1)
    , m_gapEnd(1)
{
}

void LineStore::moveGapTo(qsizetype index)
{
    const auto begin = m_slots.begin();
    if (index < m_gapStart) {
        // The lines between index and the gap go behind it.
        std::move_backward(begin + index, begin + m_gapStart, begin + m_gapEnd);
    } else if (index > m_gapStart) {
        std::move(begin + m_gapEnd, begin + m_gapEnd + (index - m_gapStart), begin + m_gapStart);
    }
    m_gapEnd += index - m_gapStart;
    m_gapStart = index;
}

void LineStore::widenGap(qsizetype atLeast)
{
    if (gap() >= atLeast)
        return;
    // Grows by half the text at least, so filling a gap again is rare.
    const qsizetype added = std::max(atLeast - gap(), size() / 2 + 16);
    m_slots.insert(m_slots.begin() + m_gapEnd, size_t(added), QString());
    m_gapEnd += added;
}

void LineStore::replace(qsizetype first, qsizetype count, const QStringList &lines)
{
    moveGapTo(first);
    // The replaced lines join the gap.
    for (qsizetype i = 0; i < count; ++i)
        m_slots[size_t(m_gapEnd + i)] = QString();
    m_gapEnd += count;
    widenGap(lines.size());
    std::copy(lines.cbegin(), lines.cend(), m_slots.begin() + m_gapStart);
    m_gapStart += lines.size();
}

} // namespace tav
