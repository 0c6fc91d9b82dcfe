#include "document/file/RiffWalk.h"

#include <algorithm>
#include <initializer_list>

namespace {

constexpr std::int64_t HeaderSize = 12; // "RIFF", size, form type
constexpr std::int64_t ChunkHead = 8;   // name, size

class Walker {
public:
    Walker(const std::uint8_t* data, std::size_t size, std::initializer_list<std::uint32_t> enter,
           std::initializer_list<std::uint32_t> known)
        : m_data(data), m_size(std::int64_t(size)), m_enter(enter), m_known(known) {
        // Chunks start no later than the RIFF size says; a size that runs past
        // the file, or counts the file's first eight bytes too, is cut to it.
        m_end = m_size;
        if (m_size >= 8) m_end = std::min<std::int64_t>(m_size, 8 + std::int64_t(u32(4)));
    }

    void walk(const std::function<void(const RiffChunk&)>& visit) {
        std::int64_t pos = HeaderSize;
        std::uint32_t list = 0;
        while (pos >= 0 && pos + ChunkHead <= m_end) {
            RiffChunk c;
            c.Id = u32(pos);
            c.StatedSize = u32(pos + 4);
            c.Offset = pos + ChunkHead;
            c.Length = std::min<std::int64_t>(c.StatedSize, m_size - c.Offset);
            c.List = list;
            if (c.Id == RiffId("LIST") && c.Length >= 4 && isIn(m_enter, u32(c.Offset))) {
                list = u32(c.Offset);
                pos = c.Offset + 4;
                continue;
            }
            visit(c);
            pos = next(c);
        }
    }

private:
    std::uint32_t u32(std::int64_t at) const {
        const std::uint8_t* p = m_data + at;
        return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
               (std::uint32_t(p[3]) << 24);
    }

    static bool isIn(std::initializer_list<std::uint32_t> set, std::uint32_t id) {
        return std::find(set.begin(), set.end(), id) != set.end();
    }

    // A chunk header with a known name starts at At.
    bool knownAt(std::int64_t at) const {
        return at >= HeaderSize && at + ChunkHead <= m_end && isIn(m_known, u32(at));
    }

    // Four printable characters: a name some writer gave a chunk of its own.
    bool nameAt(std::int64_t at) const {
        if (at < HeaderSize || at + ChunkHead > m_end) return false;
        for (int i = 0; i < 4; ++i)
            if (m_data[at + i] < 0x20 || m_data[at + i] > 0x7E) return false;
        return true;
    }

    // Where the chunk after C starts; past m_end when there is none.
    std::int64_t next(const RiffChunk& c) const {
        const std::int64_t after = c.Offset + std::int64_t(c.StatedSize);
        const std::int64_t padded = after + (c.StatedSize & 1);
        if (knownAt(padded)) return padded;
        for (const std::int64_t near : {after, after + 1, after - 1, padded + 1})
            if (knownAt(near)) return near;
        if (nameAt(padded)) return padded;
        // Junk, or a size that runs far past its chunk: take up at the next
        // known name after the chunk's first byte.
        for (std::int64_t at = std::max(c.Offset + 1, std::min(after - 1, m_end)); at < m_end; ++at)
            if (knownAt(at)) return at;
        return m_end;
    }

    const std::uint8_t* m_data;
    std::int64_t m_size;
    std::int64_t m_end;
    std::initializer_list<std::uint32_t> m_enter;
    std::initializer_list<std::uint32_t> m_known;
};

} // namespace

void WalkRiff(const std::uint8_t* Data, std::size_t Size,
              std::initializer_list<std::uint32_t> Enter,
              std::initializer_list<std::uint32_t> Known,
              const std::function<void(const RiffChunk&)>& Visit) {
    if (Size < std::size_t(HeaderSize)) return;
    Walker(Data, Size, Enter, Known).walk(Visit);
}
