#include "core/common/line_scanner.h"

#include <cstring>

namespace tav {
namespace {

// The offset of the first `c` in bytes[from, to), or -1.
qsizetype find(QByteArrayView bytes, char c, qsizetype from, qsizetype to)
{
    if (from >= to)
        return -1;
    const void *found = std::memchr(bytes.data() + from, c, std::size_t(to - from));
    return found ? static_cast<const char *>(found) - bytes.data() : -1;
}

} // namespace

bool LineScanner::next(ScannedLine &line)
{
    const qsizetype size = m_bytes.size();
    if (m_pos >= size)
        return false;
    // The next LF is looked for once and kept: lines ended by lone CRs
    // before it do not search the rest of the file again.
    if (m_nextLf == -2 || (m_nextLf >= 0 && m_nextLf < m_pos))
        m_nextLf = find(m_bytes, '\n', m_pos, size);
    const qsizetype lf = m_nextLf;
    const qsizetype stop = lf < 0 ? size : lf;
    const bool crLf = lf > m_pos && m_bytes[lf - 1] == '\r';
    const qsizetype cr = find(m_bytes, '\r', m_pos, stop);
    const qsizetype lone = cr >= 0 && !(crLf && cr == lf - 1) ? cr : -1;
    if (lone >= 0 && m_loneCr == LoneCr::EndsLine) {
        line.text = m_bytes.sliced(m_pos, lone - m_pos);
        line.end = LineEnd::LoneCr;
        line.loneCr = -1;
        m_pos = lone + 1;
    } else {
        line.text = m_bytes.sliced(m_pos, (crLf ? lf - 1 : stop) - m_pos);
        line.end = lf < 0 ? LineEnd::None : crLf ? LineEnd::CrLf : LineEnd::BareLf;
        line.loneCr = lone >= 0 ? lone - m_pos : -1;
        m_pos = lf < 0 ? size : lf + 1;
    }
    line.number = ++m_number;
    return true;
}

} // namespace tav
