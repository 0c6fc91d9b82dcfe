#pragma once

#include "document/file/IconFileLayout.h"
#include "document/PalettePicture.h"
#include "pixel/TBitmap32.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>

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
    // A 32-bit image kept as a PNG picture in the file; images with a side of
    // 256 are PNG pictures whatever this says.
    bool StoredAsPng = false;
    // The bytes the image was read from. Save writes them back as they are
    // while they still read as this image, so what nobody edited stays
    // exactly as it was in the file.
    QByteArray StoredData;
    // What the image list shows.
    QString Caption;
    QImage Thumbnail; // 32 x 32
};
