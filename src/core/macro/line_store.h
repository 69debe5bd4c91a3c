#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace tav {

// The lines of a text with a gap at the place of the last change, so that
// replacing lines costs what the change and its distance from the previous
// one cost, not the number of lines after it: typing new lines one after
// the other in a long text moves no other line.
class LineStore {
public:
    // One empty line.
    LineStore();

    qsizetype size() const { return qsizetype(m_slots.size()) - gap(); }
    const QString &operator[](qsizetype index) const
    {
        return m_slots[size_t(index < m_gapStart ? index : index + gap())];
    }

    // Replaces `count` lines from `first` on by `lines`.
    void replace(qsizetype first, qsizetype count, const QStringList &lines);

private:
    qsizetype gap() const { return m_gapEnd - m_gapStart; }
    void moveGapTo(qsizetype index);
    void widenGap(qsizetype atLeast);

    // Lines [0, m_gapStart) and [m_gapEnd, end) of m_slots hold the text.
    std::vector<QString> m_slots;
    qsizetype m_gapStart = 0;
    qsizetype m_gapEnd = 0;
};

} // namespace tav
