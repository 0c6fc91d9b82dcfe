#pragma once

#include "document/PalettePicture.h"

#include <optional>

// Asks for a new palette for the active image, starting from Current: the
// "Configure Palette" dialog in the program, a script in tests. Empty when
// cancelled.
class PalettePrompt {
public:
    virtual ~PalettePrompt() = default;
    virtual std::optional<PalettePicture> askPalette(const PalettePicture& Current) = 0;
};
