// JASC palettes (.pal) as Paint Shop Pro writes them: "JASC-PAL", the
// version "0100", the number of colours, then one "R G B" line per colour,
// lines ended by CR LF.

#include "document/file/PaletteFormats.h"
#include "document/file/PaletteText.h"

std::vector<std::uint32_t> DecodeJascPalette(const std::uint8_t* Data, std::size_t Size) {
    PaletteText text(Data, Size);
    std::string line;
    if (!text.next(line) || line.compare(0, 8, "JASC-PAL") != 0)
        throw PaletteFormatError("the first line is not \"JASC-PAL\"");
    if (!text.next(line) || line.compare(0, 4, "0100") != 0)
        throw PaletteFormatError("the second line is not the version \"0100\"");
    int count = 0;
    std::size_t pos = 0;
    if (!text.next(line) || !ReadPaletteNumber(line, pos, MaxPaletteFileColours, count) ||
        count < 1)
        throw PaletteFormatError("the third line is not a number of colours from 1 to " +
                                 std::to_string(MaxPaletteFileColours));
    // Each colour takes at least 6 bytes ("0 0 0" and a line end): a count
    // the file cannot hold is refused before anything is reserved for it.
    if (std::size_t(count) > Size / 6)
        throw PaletteFormatError("it promises " + std::to_string(count) +
                                 " colours but is too short to hold them");
    std::vector<std::uint32_t> colours;
    colours.reserve(std::size_t(count));
    while (int(colours.size()) < count) {
        if (!text.next(line))
            throw PaletteFormatError("it promises " + std::to_string(count) +
                                     " colours but holds " + std::to_string(colours.size()));
        pos = 0;
        std::uint32_t rgb = 0;
        if (!ReadPaletteRgb(line, pos, rgb))
            throw PaletteFormatError("line " + std::to_string(text.lineNumber()) +
                                     " is not a colour of three numbers from 0 to 255");
        colours.push_back(rgb);
    }
    return colours;
}

std::vector<std::uint8_t> EncodeJascPalette(const std::vector<std::uint32_t>& Colours) {
    std::vector<std::uint8_t> out;
    AppendText(out, "JASC-PAL\r\n0100\r\n" + std::to_string(Colours.size()) + "\r\n");
    for (std::uint32_t c : Colours)
        AppendText(out, PaletteRgbText(c, 0) + "\r\n");
    return out;
}
