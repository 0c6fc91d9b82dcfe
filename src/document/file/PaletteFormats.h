#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// Palette files of the editor and of other paint programs, read and written
// without Qt so the batch command shares them with the editor. Colours are
// RGB values with red in the low byte.
//
//   Icp   the editor's own: a BMP picture, entry i its pixel (0, i)
//   Gimp  GIMP palette, text: "GIMP Palette", optional Name:/Columns:, "R G B name"
//   Jasc  Paint Shop Pro palette, text: "JASC-PAL", "0100", the count, "R G B"
//   Riff  Microsoft palette: RIFF "PAL " with a "data" chunk holding a LOGPALETTE
//   Act   Adobe colour table: 256 RGB triples, then optionally a big-endian
//         count and transparent index
enum class PaletteFileKind { Icp, Gimp, Jasc, Riff, Act };

// A palette file that cannot be read or written; what() is the whole message
// the user sees, naming the file.
class PaletteFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The largest file taken as a palette: a 256-colour GIMP palette with long
// colour names is a few kilobytes.
constexpr std::size_t MaxPaletteFileSize = std::size_t(1) << 20;
// The most colours a palette file may hold; more than any image uses, fewer
// than would let a file make the reader hold much memory.
constexpr int MaxPaletteFileColours = 65536;

struct PaletteFileContents {
    PaletteFileKind Kind = PaletteFileKind::Icp;
    std::vector<std::uint32_t> Colours;
};

// The kind the file's bytes say, or for bytes with no signature the kind its
// name's extension says (".act", or ".gpl"/".pal" for text not yet
// recognised). Throws PaletteFormatError naming FileName for anything else,
// and for a file of a known kind that is damaged; never reads past Size and
// allocates nothing the file cannot back.
PaletteFileContents DecodePaletteFile(const std::uint8_t* Data, std::size_t Size,
                                      const std::string& FileName);

// The file of Kind holding Colours (1 to 256 of them for Act and Riff, 1 to
// MaxPaletteFileColours for the others). Name goes into GIMP palettes.
std::vector<std::uint8_t> EncodePaletteFile(PaletteFileKind Kind,
                                            const std::vector<std::uint32_t>& Colours,
                                            const std::string& Name = "Brisel");

// Colours made exactly Entries long: the first Entries of them, or all of
// them followed by black. Note gets a sentence saying which, or stays empty
// when Colours had Entries already.
std::vector<std::uint32_t> FitPaletteLength(std::vector<std::uint32_t> Colours, int Entries,
                                            std::string& Note);

// The readers and writers of each kind, for DecodePaletteFile and
// EncodePaletteFile. Each decoder throws PaletteFormatError with the reason
// alone (no file name).
std::vector<std::uint32_t> DecodeGimpPalette(const std::uint8_t* Data, std::size_t Size);
std::vector<std::uint32_t> DecodeJascPalette(const std::uint8_t* Data, std::size_t Size);
std::vector<std::uint32_t> DecodeRiffPalette(const std::uint8_t* Data, std::size_t Size);
std::vector<std::uint32_t> DecodeActPalette(const std::uint8_t* Data, std::size_t Size);
std::vector<std::uint32_t> DecodeIcpPalette(const std::uint8_t* Data, std::size_t Size);
std::vector<std::uint8_t> EncodeGimpPalette(const std::vector<std::uint32_t>& Colours,
                                            const std::string& Name);
std::vector<std::uint8_t> EncodeJascPalette(const std::vector<std::uint32_t>& Colours);
std::vector<std::uint8_t> EncodeRiffPalette(const std::vector<std::uint32_t>& Colours);
std::vector<std::uint8_t> EncodeActPalette(const std::vector<std::uint32_t>& Colours);
std::vector<std::uint8_t> EncodeIcpPalette(const std::vector<std::uint32_t>& Colours);
