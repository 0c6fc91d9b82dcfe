#pragma once

#include <cstdint>
#include <stdexcept>

// A read position over a byte buffer that can never move or read past the
// buffer's end: every read is checked and an overrun throws
// IconByteCursor::Overrun, so a damaged file cannot make the decoder touch
// memory it does not own.
class IconByteCursor {
public:
    struct Overrun : std::out_of_range {
        Overrun() : std::out_of_range("read past the end of the data") {}
    };

    // Any contiguous byte container with data() and size() (std::vector,
    // std::string, QByteArray); the container must outlive the cursor.
    template <class Bytes>
    explicit IconByteCursor(const Bytes& bytes)
        : m_data(reinterpret_cast<const std::uint8_t*>(bytes.data())),
          m_size(std::int64_t(bytes.size())) {}
    IconByteCursor(const std::uint8_t* data, std::int64_t size) : m_data(data), m_size(size) {}

    std::int64_t size() const { return m_size; }
    std::int64_t pos() const { return m_pos; }
    std::int64_t remaining() const { return m_size - m_pos; }
    bool has(std::int64_t n) const { return n >= 0 && n <= remaining(); }
    // The next n bytes, after checking that they are there.
    const std::uint8_t* peek(std::int64_t n) const {
        if (!has(n)) throw Overrun();
        return m_data + m_pos;
    }
    void seek(std::int64_t pos) {
        if (pos < 0 || pos > m_size) throw Overrun();
        m_pos = pos;
    }
    void skip(std::int64_t n) {
        if (!has(n)) throw Overrun();
        m_pos += n;
    }
    std::uint8_t u8() { return *take(1); }
    std::uint16_t u16() {
        const std::uint8_t* p = take(2);
        return std::uint16_t(p[0] | (p[1] << 8));
    }
    std::uint32_t u32() {
        const std::uint8_t* p = take(4);
        return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
               (std::uint32_t(p[3]) << 24);
    }

private:
    const std::uint8_t* take(std::int64_t n) {
        const std::uint8_t* p = peek(n);
        m_pos += n;
        return p;
    }

    const std::uint8_t* m_data = nullptr;
    std::int64_t m_size = 0;
    std::int64_t m_pos = 0;
};
