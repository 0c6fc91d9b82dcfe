#pragma once

#include <cstddef>
#include <cstdint>

// Undoes one PNG row filter (0 none, 1 sub, 2 up, 3 average, 4 Paeth) for
// Bytes bytes of Bpp bytes per pixel (3 or 4): Out[i] = In[i] + the
// prediction from Out's earlier pixels and Above, the unfiltered row before
// (zeros above the first row). Out may be In itself. False for an unknown
// filter type.
bool UnfilterPngRow(int Filter, const std::uint8_t* In, const std::uint8_t* Above,
                    std::size_t Bytes, std::size_t Bpp, std::uint8_t* Out);
