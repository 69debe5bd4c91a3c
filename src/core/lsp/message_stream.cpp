#include "core/lsp/message_stream.h"

#include <QList>

namespace tav::lsp {
namespace {

const QByteArray kHeaderEnd = QByteArrayLiteral("\r\n\r\n");
// A header longer than this without its end is no header.
constexpr qsizetype kMaxHeaderBytes = 64 * 1024;

} // namespace

void MessageReader::append(const QByteArray &bytes)
{
    if (m_skip > 0) {
        const qsizetype dropped = std::min(m_skip, bytes.size());
        m_skip -= dropped;
        m_buffer += bytes.mid(dropped);
        return;
    }
    m_buffer += bytes;
}

std::optional<StreamMessage> MessageReader::next()
{
    const qsizetype headerEnd = m_buffer.indexOf(kHeaderEnd);
    if (headerEnd < 0) {
        if (m_buffer.size() <= kMaxHeaderBytes)
            return std::nullopt;
        m_buffer.clear();
        return StreamMessage{{}, QStringLiteral("a header of more than %1 bytes").arg(kMaxHeaderBytes)};
    }
    std::optional<qsizetype> length;
    for (const QByteArray &line : m_buffer.left(headerEnd).split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon < 0 || line.left(colon).trimmed().toLower() != "content-length")
            continue;
        bool ok = false;
        const qlonglong value = line.mid(colon + 1).trimmed().toLongLong(&ok);
        length = ok && value >= 0 ? std::optional<qsizetype>(value) : std::optional<qsizetype>(-1);
    }
    const qsizetype bodyStart = headerEnd + kHeaderEnd.size();
    if (!length || *length < 0) {
        m_buffer.remove(0, bodyStart);
        return StreamMessage{{}, QStringLiteral("a header without a valid Content-Length")};
    }
    if (*length > kMaxMessageBytes) {
        const qsizetype here = std::min(*length, m_buffer.size() - bodyStart);
        m_skip = *length - here;
        m_buffer.remove(0, bodyStart + here);
        return StreamMessage{
            {}, QStringLiteral("a message of %1 bytes, more than the %2 taken").arg(*length).arg(kMaxMessageBytes)};
    }
    if (m_buffer.size() - bodyStart < *length)
        return std::nullopt;
    StreamMessage message{m_buffer.mid(bodyStart, *length), QString()};
    m_buffer.remove(0, bodyStart + *length);
    return message;
}

QByteArray framed(const QByteArray &body)
{
    return QByteArrayLiteral("Content-Length: ") + QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

} // namespace tav::lsp
