#include "core/refs/line_bytes.h"

#include "core/macro/macro_file.h"

namespace tav::refs {
namespace {

const QByteArray kCrLf = QByteArrayLiteral("\r\n");

int endSize(LineEnd end)
{
    switch (end) {
    case LineEnd::CrLf:
        return 2;
    case LineEnd::BareLf:
    case LineEnd::LoneCr:
        return 1;
    case LineEnd::None:
        return 0;
    }
    return 0;
}

} // namespace

LineBytes::LineBytes(const QByteArray &bytes, LoneCr loneCr)
{
    LineScanner scanner(bytes, loneCr);
    for (ScannedLine line; scanner.next(line);) {
        const qsizetype start = line.text.data() - bytes.constData();
        m_lines.append(bytes.mid(start, line.text.size() + endSize(line.end)));
        m_endSizes.append(endSize(line.end));
        m_lastEnded = line.end != LineEnd::None;
    }
    if (!m_lastEnded) {
        m_lines.last() += kCrLf;
        m_endSizes.last() = 2;
    }
}

LoneCr LineBytes::loneCrOf(const QString &gamePath)
{
    return gamePath.endsWith(QLatin1String(".cmd"), Qt::CaseInsensitive) ? kMacroLoneCr : LoneCr::InLine;
}

QByteArray LineBytes::text(int line) const
{
    const QByteArray &whole = m_lines[line - 1];
    return whole.left(whole.size() - m_endSizes[line - 1]);
}

void LineBytes::replace(int line, qsizetype from, qsizetype to, const QByteArray &text)
{
    m_lines[line - 1].replace(from, to - from, text);
}

void LineBytes::moveEntry(int from, int to, int count)
{
    const qsizetype first = qsizetype(from) * count;
    const QList<QByteArray> lines = m_lines.mid(first, count);
    const QList<int> ends = m_endSizes.mid(first, count);
    m_lines.remove(first, count);
    m_endSizes.remove(first, count);
    for (int i = 0; i < count; ++i) {
        m_lines.insert(qsizetype(to) * count + i, lines[i]);
        m_endSizes.insert(qsizetype(to) * count + i, ends[i]);
    }
}

void LineBytes::removeLine(int line)
{
    m_lines.remove(line - 1);
    m_endSizes.remove(line - 1);
}

void LineBytes::insertLine(int before, const QByteArray &text)
{
    m_lines.insert(before - 1, text + kCrLf);
    m_endSizes.insert(before - 1, 2);
}

QByteArray LineBytes::bytes() const
{
    QByteArray all;
    for (const QByteArray &line : m_lines)
        all += line;
    if (!m_lastEnded && all.endsWith(kCrLf))
        all.chop(2);
    return all;
}

} // namespace tav::refs
