#pragma once

#include <QByteArray>

#include <cstdint>
#include <optional>

namespace tav {

// Bounds-checked access to a binary file held in memory: every read names its
// offset and yields nothing instead of reading past the end.
class ByteReader {
public:
    explicit ByteReader(QByteArray data) : m_data(std::move(data)) {}

    qsizetype size() const { return m_data.size(); }
    bool has(qsizetype offset, qsizetype count) const
    {
        return offset >= 0 && count >= 0 && offset <= m_data.size() && count <= m_data.size() - offset;
    }

    std::optional<std::uint8_t> u8(qsizetype offset) const
    {
        if (!has(offset, 1))
            return std::nullopt;
        return static_cast<std::uint8_t>(m_data[offset]);
    }
    std::optional<std::uint16_t> u16le(qsizetype offset) const
    {
        if (!has(offset, 2))
            return std::nullopt;
        return static_cast<std::uint16_t>(*u8(offset) | (*u8(offset + 1) << 8));
    }
    std::optional<std::int16_t> i16le(qsizetype offset) const
    {
        const auto v = u16le(offset);
        if (!v)
            return std::nullopt;
        return static_cast<std::int16_t>(*v);
    }
    // The byte at offset, or the fallback when it lies past the end.
    std::uint8_t u8Or(qsizetype offset, std::uint8_t fallback) const { return u8(offset).value_or(fallback); }

    const QByteArray &data() const { return m_data; }

private:
    QByteArray m_data;
};

} // namespace tav
