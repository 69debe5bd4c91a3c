#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace tav::lsp {

// The largest message body taken; a longer one is dropped unread.
inline constexpr qsizetype kMaxMessageBytes = 64 * 1024 * 1024;

// A message read from the stream: its body, or what was wrong with its
// header (the body, if any, is dropped and reading goes on after it).
struct StreamMessage {
    QByteArray body;
    QString fault;
};

// Cuts a byte stream into messages framed as "Content-Length: N\r\n", other
// header lines, an empty line, then N bytes of body.
class MessageReader {
public:
    void append(const QByteArray &bytes);
    // The next whole message, or nothing until more bytes arrive.
    std::optional<StreamMessage> next();

private:
    QByteArray m_buffer;
    qsizetype m_skip = 0; // bytes of a dropped body still to come
};

// A body framed for the stream.
QByteArray framed(const QByteArray &body);

} // namespace tav::lsp
