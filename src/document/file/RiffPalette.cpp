// Microsoft RIFF palettes (.pal): "RIFF", the size of what follows, "PAL ",
// then chunks; the "data" chunk holds a LOGPALETTE: version 0x0300, the
// number of entries, and per entry red, green, blue and a flags byte.

#include "document/file/IconByteCursor.h"
#include "document/file/LittleEndianOut.h"
#include "document/file/PaletteFormats.h"

#include <cstring>

namespace {
void putTag(std::vector<std::uint8_t>& Out, const char* Tag) {
    Out.insert(Out.end(), Tag, Tag + 4);
}
} // namespace

std::vector<std::uint32_t> DecodeRiffPalette(const std::uint8_t* Data, std::size_t Size) {
    if (Size < 12 || std::memcmp(Data, "RIFF", 4) != 0 || std::memcmp(Data + 8, "PAL ", 4) != 0)
        throw PaletteFormatError("it does not start with \"RIFF\" and \"PAL \"");
    IconByteCursor in(Data, std::int64_t(Size));
    in.seek(4);
    // Chunks are looked for within the RIFF's own size, and within the file.
    const std::int64_t end = std::min<std::int64_t>(std::int64_t(Size), 8 + std::int64_t(in.u32()));
    in.seek(12);
    while (in.pos() + 8 <= end) {
        const bool isData = std::memcmp(in.peek(4), "data", 4) == 0;
        in.skip(4);
        const std::int64_t size = in.u32();
        if (size > end - in.pos())
            throw PaletteFormatError("a chunk runs past the end of the file");
        if (!isData) {
            in.skip(size + (size & 1));
            if (in.pos() > end) break;
            continue;
        }
        if (size < 4) throw PaletteFormatError("the \"data\" chunk is too short");
        in.skip(2); // version
        const int count = in.u16();
        if (count < 1) throw PaletteFormatError("the palette holds no colours");
        if (4 + std::int64_t(count) * 4 > size)
            throw PaletteFormatError("the \"data\" chunk is too short for its " +
                                     std::to_string(count) + " colours");
        std::vector<std::uint32_t> colours(std::size_t(count), 0);
        for (std::uint32_t& c : colours) {
            const std::uint8_t* e = in.peek(4);
            c = std::uint32_t(e[0]) | std::uint32_t(e[1]) << 8 | std::uint32_t(e[2]) << 16;
            in.skip(4);
        }
        return colours;
    }
    throw PaletteFormatError("it has no \"data\" chunk");
}

std::vector<std::uint8_t> EncodeRiffPalette(const std::vector<std::uint32_t>& Colours) {
    const std::uint32_t dataSize = 4 + 4 * std::uint32_t(Colours.size());
    std::vector<std::uint8_t> out;
    out.reserve(20 + dataSize);
    putTag(out, "RIFF");
    putU32(out, 4 + 8 + dataSize);
    putTag(out, "PAL ");
    putTag(out, "data");
    putU32(out, dataSize);
    putU16(out, 0x0300);
    putU16(out, unsigned(Colours.size()));
    for (std::uint32_t c : Colours)
        putU32(out, c & 0xFFFFFF);
    return out;
}
