#pragma once

#include "document/IconImage.h"
#include "pixel/TBitmap32.h"

#include <QImage>

// The picture Copy puts on the clipboard: Source as straight-alpha ARGB32,
// every pixel with its own alpha. In an image of a format below 32 bits a
// pixel below the transparency alpha range counts as transparent, so its
// colour goes out as black (with its alpha unchanged).
QImage ClipboardPicture(const TBitmap32& Source, ColourFormat Format, int TraRange);
