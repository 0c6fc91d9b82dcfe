#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Palettes made from pictures, for the palette formats.

// The first Entries distinct RGB values of Pixels in reading order (alpha
// ignored), starting from Palette: entries the pixels leave over keep the
// colours they had, new entries are black. Entries below 1 returns Palette.
std::vector<std::uint32_t> PaletteOfFirstColours(const std::uint32_t* Pixels, std::size_t Count,
                                                 int Entries,
                                                 std::vector<std::uint32_t> Palette = {});

// Snaps every pixel whose alpha is not 0 to its nearest palette entry
// (Euclidean RGB distance, the first of equally near entries), made opaque;
// pixels of alpha 0 keep their colour. An empty palette changes nothing.
void SnapToPalette(std::uint32_t* Pixels, std::size_t Count,
                   const std::vector<std::uint32_t>& Palette);
