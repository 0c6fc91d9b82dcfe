// Adobe colour tables (.act): 256 entries of red, green and blue, 768 bytes;
// files of 772 bytes add the number of colours in use and the index of the
// transparent colour (0xFFFF for none), both big-endian.

#include "document/file/PaletteFormats.h"

constexpr std::size_t TableSize = 768;

std::vector<std::uint32_t> DecodeActPalette(const std::uint8_t* Data, std::size_t Size) {
    if (Size != TableSize && Size != TableSize + 4)
        throw PaletteFormatError("an Adobe colour table is 768 or 772 bytes long, not " +
                                 std::to_string(Size));
    int count = 256;
    if (Size == TableSize + 4) {
        count = Data[768] << 8 | Data[769];
        if (count < 1 || count > 256)
            throw PaletteFormatError("it says it holds " + std::to_string(count) +
                                     " colours; a table holds 1 to 256");
    }
    std::vector<std::uint32_t> colours(std::size_t(count), 0);
    for (int i = 0; i < count; ++i) {
        const std::uint8_t* e = Data + 3 * i;
        colours[std::size_t(i)] =
            std::uint32_t(e[0]) | std::uint32_t(e[1]) << 8 | std::uint32_t(e[2]) << 16;
    }
    return colours;
}

std::vector<std::uint8_t> EncodeActPalette(const std::vector<std::uint32_t>& Colours) {
    // The count always goes in: a table of fewer than 256 colours would
    // otherwise read back with black ones added.
    std::vector<std::uint8_t> out(TableSize + 4, 0);
    for (std::size_t i = 0; i < Colours.size() && i < 256; ++i) {
        out[3 * i] = std::uint8_t(Colours[i]);
        out[3 * i + 1] = std::uint8_t(Colours[i] >> 8);
        out[3 * i + 2] = std::uint8_t(Colours[i] >> 16);
    }
    const std::size_t count = Colours.size() < 256 ? Colours.size() : 256;
    out[768] = std::uint8_t(count >> 8);
    out[769] = std::uint8_t(count);
    out[770] = out[771] = 0xFF; // no transparent colour
    return out;
}
