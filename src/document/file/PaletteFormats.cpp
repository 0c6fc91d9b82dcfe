#include "document/file/PaletteFormats.h"

#include "document/file/IconByteCursor.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

std::string lowerExtension(const std::string& FileName) {
    const std::size_t slash = FileName.find_last_of("/\\");
    const std::size_t dot = FileName.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    std::string ext = FileName.substr(dot);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return ext;
}

bool startsWith(const std::uint8_t* Data, std::size_t Size, const char* Text) {
    const std::size_t n = std::strlen(Text);
    return Size >= n && std::memcmp(Data, Text, n) == 0;
}

PaletteFileKind kindOf(const std::uint8_t* Data, std::size_t Size, const std::string& Ext) {
    // An Adobe table has no signature: its first colour may well spell "BM".
    if (Ext == ".act") return PaletteFileKind::Act;
    if (startsWith(Data, Size, "BM")) return PaletteFileKind::Icp;
    if (startsWith(Data, Size, "GIMP Palette")) return PaletteFileKind::Gimp;
    if (startsWith(Data, Size, "JASC-PAL")) return PaletteFileKind::Jasc;
    if (startsWith(Data, Size, "RIFF")) return PaletteFileKind::Riff;
    if (Ext == ".gpl") return PaletteFileKind::Gimp;
    if (Ext == ".pal") return PaletteFileKind::Jasc;
    if (Ext == ".icp") return PaletteFileKind::Icp;
    throw PaletteFormatError("it is none of the palette files read here (.icp, .gpl, .pal, .act)");
}

} // namespace

PaletteFileContents DecodePaletteFile(const std::uint8_t* Data, std::size_t Size,
                                      const std::string& FileName) {
    try {
        if (Size > MaxPaletteFileSize) throw PaletteFormatError("the file is too large");
        PaletteFileContents out;
        out.Kind = kindOf(Data, Size, lowerExtension(FileName));
        switch (out.Kind) {
        case PaletteFileKind::Icp:
            out.Colours = DecodeIcpPalette(Data, Size);
            break;
        case PaletteFileKind::Gimp:
            out.Colours = DecodeGimpPalette(Data, Size);
            break;
        case PaletteFileKind::Jasc:
            out.Colours = DecodeJascPalette(Data, Size);
            break;
        case PaletteFileKind::Riff:
            out.Colours = DecodeRiffPalette(Data, Size);
            break;
        case PaletteFileKind::Act:
            out.Colours = DecodeActPalette(Data, Size);
            break;
        }
        if (out.Colours.empty()) throw PaletteFormatError("the palette holds no colours");
        return out;
    } catch (const IconByteCursor::Overrun&) {
        throw PaletteFormatError(FileName + " is not a palette file: it ends too early.");
    } catch (const PaletteFormatError& e) {
        throw PaletteFormatError(FileName + " is not a palette file: " + e.what() + ".");
    }
}

std::vector<std::uint8_t> EncodePaletteFile(PaletteFileKind Kind,
                                            const std::vector<std::uint32_t>& Colours,
                                            const std::string& Name) {
    const std::size_t most =
        Kind == PaletteFileKind::Act || Kind == PaletteFileKind::Riff ? 256 : MaxPaletteFileColours;
    if (Colours.empty() || Colours.size() > most)
        throw PaletteFormatError("a palette of " + std::to_string(Colours.size()) +
                                 " colours cannot be written in this kind of file");
    switch (Kind) {
    case PaletteFileKind::Icp:
        return EncodeIcpPalette(Colours);
    case PaletteFileKind::Gimp:
        return EncodeGimpPalette(Colours, Name);
    case PaletteFileKind::Jasc:
        return EncodeJascPalette(Colours);
    case PaletteFileKind::Riff:
        return EncodeRiffPalette(Colours);
    case PaletteFileKind::Act:
        return EncodeActPalette(Colours);
    }
    return {};
}

std::vector<std::uint32_t> FitPaletteLength(std::vector<std::uint32_t> Colours, int Entries,
                                            std::string& Note) {
    Note.clear();
    const int had = int(Colours.size());
    const std::string has =
        "The palette has " + std::to_string(had) + (had == 1 ? " color" : " colors");
    if (had > Entries)
        Note = has + "; the first " +
               (Entries == 1 ? std::string("one is") : std::to_string(Entries) + " are") + " used.";
    else if (had < Entries)
        Note =
            has + "; the other " +
            (Entries - had == 1 ? std::string("one is") : std::to_string(Entries - had) + " are") +
            " black.";
    Colours.resize(std::size_t(Entries), 0);
    return Colours;
}
