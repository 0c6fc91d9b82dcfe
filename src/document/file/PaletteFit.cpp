#include "document/file/PaletteFit.h"

#include "document/file/IconRgb.h"
#include "document/file/PaletteMatcher.h"

#include <algorithm>

std::vector<std::uint32_t> PaletteOfFirstColours(const std::uint32_t* Pixels, std::size_t Count,
                                                 int Entries, std::vector<std::uint32_t> Palette) {
    if (Entries < 1) return Palette;
    Palette.resize(std::size_t(Entries), 0);
    std::size_t found = 0;
    for (std::size_t i = 0; i < Count && found < Palette.size(); ++i) {
        const std::uint32_t c = IconRgb::rgb(Pixels[i]);
        const auto known = Palette.begin() + std::ptrdiff_t(found);
        if (std::find(Palette.begin(), known, c) == known) Palette[found++] = c;
    }
    return Palette;
}

void SnapToPalette(std::uint32_t* Pixels, std::size_t Count,
                   const std::vector<std::uint32_t>& Palette) {
    if (Palette.empty()) return;
    PaletteMatcher matcher(Palette);
    for (std::size_t i = 0; i < Count; ++i)
        if (IconRgb::alpha(Pixels[i]) != 0)
            Pixels[i] = IconRgb::withAlpha(matcher.nearest(IconRgb::rgb(Pixels[i])), 255);
}
