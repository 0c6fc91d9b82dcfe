// GIMP palettes (.gpl): the line "GIMP Palette", optional "Name:" and
// "Columns:" lines, comments starting with "#", then one colour a line as
// "R G B" with an optional colour name after it.

#include "document/file/PaletteFormats.h"
#include "document/file/PaletteText.h"

namespace {
constexpr char Signature[] = "GIMP Palette";

bool startsWith(const std::string& Text, const char* Prefix) {
    return Text.compare(0, std::char_traits<char>::length(Prefix), Prefix) == 0;
}
} // namespace

std::vector<std::uint32_t> DecodeGimpPalette(const std::uint8_t* Data, std::size_t Size) {
    PaletteText text(Data, Size);
    std::string line;
    if (!text.next(line) || !startsWith(line, Signature))
        throw PaletteFormatError("the first line is not \"GIMP Palette\"");
    std::vector<std::uint32_t> colours;
    bool headerDone = false;
    while (text.next(line)) {
        const std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') continue;
        if (!headerDone && (startsWith(line, "Name:") || startsWith(line, "Columns:"))) continue;
        headerDone = true;
        std::size_t pos = 0;
        std::uint32_t rgb = 0;
        if (!ReadPaletteRgb(line, pos, rgb))
            throw PaletteFormatError("line " + std::to_string(text.lineNumber()) +
                                     " is not a colour of three numbers from 0 to 255");
        if (int(colours.size()) == MaxPaletteFileColours)
            throw PaletteFormatError("it holds more than " + std::to_string(MaxPaletteFileColours) +
                                     " colours");
        colours.push_back(rgb);
    }
    return colours;
}

std::vector<std::uint8_t> EncodeGimpPalette(const std::vector<std::uint32_t>& Colours,
                                            const std::string& Name) {
    std::vector<std::uint8_t> out;
    const std::size_t columns = Colours.size() < 16 ? Colours.size() : 16;
    AppendText(out, std::string(Signature) + "\nName: " + Name +
                        "\nColumns: " + std::to_string(columns) + "\n#\n");
    for (std::size_t i = 0; i < Colours.size(); ++i)
        AppendText(out, PaletteRgbText(Colours[i], 3) + "\tIndex " + std::to_string(i) + "\n");
    return out;
}
