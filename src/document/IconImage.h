#pragma once

#include "document/PalettePicture.h"
#include "pixel/TBitmap32.h"

#include <QImage>
#include <QString>
#include <cstdint>

// The colour format of one image, held as its bit count: 1, 4, 8, 24 or 32.
using ColourFormat = std::uint8_t;

// One image of the document. The document keeps its images in a
// std::vector<std::unique_ptr<IconImage>> in list order; Index mirrors the
// position and is kept up to date by the document.
struct IconImage {
    TBitmap32 Pixels;
    int Index = 0;
    ColourFormat Format = 32;
    std::uint8_t HotSpotX = 0;
    std::uint8_t HotSpotY = 0;
    PalettePicture Palette;
    // What the image list shows.
    QString Caption;
    QImage Thumbnail; // 32 x 32
};
