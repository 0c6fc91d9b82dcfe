#pragma once

#include "document/IconImage.h"

#include <QImage>
#include <memory>
#include <vector>

// The sides of the size set made from a Width x Height picture: the standard
// sizes (16, 24, 32, 48, 64 and 256) up to its longer side, so that nothing
// is blown up; a picture smaller than 16 gives one image of its longer side.
std::vector<int> PictureSizeSetSides(int Width, int Height);

// One ordinary 32-bit image per side of PictureSizeSetSides: the picture
// centred on a transparent square and scaled down by area averaging in
// premultiplied alpha (SizeSet::ScaleToSquare). Each image has Chart as its
// palette, its caption and its thumbnail. A null picture gives none.
std::vector<std::unique_ptr<IconImage>> PictureSizeSet(const QImage& Picture,
                                                       const PalettePicture& Chart);
