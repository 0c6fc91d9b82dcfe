#pragma once

#include "document/IconImage.h"
#include "document/PalettePicture.h"
#include "document/StatusSink.h"
#include "pixel/TBitmap32.h"

#include <QImage>
#include <QRect>
#include <optional>

// Fills Palette (made 1 x N) with the first N distinct RGB values of Source in
// reading order, alpha ignored. Entries the palette already held keep their
// colours where the source runs out of colours. N below 1 leaves it alone.
void PaletteFromImage(const TBitmap32& Source, int N, PalettePicture& Palette);
void PaletteFromImage(const QImage& Source, int N, PalettePicture& Palette);

// The palette entry nearest to C (Euclidean RGB distance, the first of equally
// near entries); C itself when it is an entry, when Format is above 8 (true
// colour has no palette) or when the palette is empty.
TColor NearestPaletteColor(TColor C, ColourFormat Format, const PalettePicture& Palette);
inline TColor NearestPaletteColor(TColor C, const IconImage& Image) {
    return NearestPaletteColor(C, Image.Format, Image.Palette);
}

// Snaps every pixel of Target whose alpha is not 0 to its nearest palette
// entry, made opaque; pixels of alpha 0 keep their colour. Area (clipped to
// the target) limits the work to a rectangle. Nothing happens above Format 8.
// Status, when given, shows "Please wait..." during the work and "Ready" after.
// The caller then copies the result where it belongs (work copy, image record,
// thumbnail).
void FitToPalette(TBitmap32& Target, ColourFormat Format, const PalettePicture& Palette,
                  StatusSink* Status = nullptr, std::optional<QRect> Area = std::nullopt);
