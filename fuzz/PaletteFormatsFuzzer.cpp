// Any bytes as a palette file of every kind the file core reads (the name
// picks the kind for bytes with no signature): colours or a
// PaletteFormatError, never a crash. Colours read are written in the same
// kind and read back unchanged.

#include "document/file/PaletteFormats.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const char* name : {"fuzz.gpl", "fuzz.pal", "fuzz.act", "fuzz.icp"}) {
        PaletteFileContents read;
        try {
            read = DecodePaletteFile(data, size, name);
        } catch (const PaletteFormatError&) {
            continue;
        }
        const bool small = read.Kind == PaletteFileKind::Act || read.Kind == PaletteFileKind::Riff;
        if (small && read.Colours.size() > 256) std::abort();
        const std::vector<std::uint8_t> again = EncodePaletteFile(read.Kind, read.Colours);
        if (DecodePaletteFile(again.data(), again.size(), name).Colours != read.Colours) {
            std::fprintf(stderr, "a palette written and read again has other colours\n");
            std::abort();
        }
    }
    return 0;
}
