#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

// A chunk name as the four bytes read little-endian ("anih" is 'a' | 'n' << 8 ...).
constexpr std::uint32_t RiffId(const char (&Name)[5]) {
    return std::uint32_t(std::uint8_t(Name[0])) | (std::uint32_t(std::uint8_t(Name[1])) << 8) |
           (std::uint32_t(std::uint8_t(Name[2])) << 16) |
           (std::uint32_t(std::uint8_t(Name[3])) << 24);
}

// One chunk met on the walk. Data lies at Offset; Length is the stated size
// cut to the bytes the file holds. List is the type of the LIST the chunk was
// found in (0 outside one).
struct RiffChunk {
    std::uint32_t Id = 0;
    std::int64_t Offset = 0;
    std::int64_t Length = 0;
    std::uint32_t StatedSize = 0;
    std::uint32_t List = 0;
};

// Walks the chunks of a RIFF file from its 12-byte header on, as the files
// people have are written rather than as the rules say:
//  - the RIFF size may count the whole file or run past its end (the walk
//    stops at the file's end);
//  - a LIST whose type is one of Enter is not skipped but walked into, so its
//    own size, often off by one, never matters;
//  - after a chunk the walk goes on at its padded end, unless a name from
//    Known lies there no more than a byte away (odd chunks left unpadded,
//    sizes off by one), and where junk lies, at the next Known name found.
// Visit sees every chunk other than the LISTs walked into; the walk never
// reads outside the Size bytes at Data.
void WalkRiff(const std::uint8_t* Data, std::size_t Size,
              std::initializer_list<std::uint32_t> Enter,
              std::initializer_list<std::uint32_t> Known,
              const std::function<void(const RiffChunk&)>& Visit);
