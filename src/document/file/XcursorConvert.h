#pragma once

#include "document/file/IconRaster.h"
#include "document/file/Transparency.h"
#include "document/file/XcursorFile.h"

// Between the images of icon and cursor files and X cursor images.

// An X cursor has no screen-inverting pixels. Each one becomes an opaque
// dark pixel and the fully transparent pixels around it (all eight
// neighbours) opaque light ones, the one-pixel outline that keeps the shape
// visible on dark and light backgrounds alike, as the X11 core cursors draw.
constexpr std::uint32_t InvertedStandIn = 0xFF000000;  // opaque black
constexpr std::uint32_t InvertedOutline = 0xFFFFFFFF;  // opaque white

// One image of an icon or cursor file as an X cursor image of nominal size
// equal to its longer side, no delay. Adds the screen-inverting pixels it
// had to replace to InvertedPixels.
XcursorImage XcursorImageFromRaster(const IconRaster& Image, const TransparencySettings& Settings,
                                    int& InvertedPixels);

// An X cursor holds one image per nominal size: more would play as an
// animation. Of the images sharing a nominal size (their longer side) this
// keeps the one of most colours, the first among equals; the indexes kept,
// in order. A cursor file often holds one size in several formats.
std::vector<std::size_t> OneImagePerSize(const std::vector<IconRaster>& Images);

// An X cursor image as a 32-bit image of a cursor file (at most 256 pixels
// each way; the caller chooses which images fit), its hot spot kept.
IconRaster RasterFromXcursorImage(const XcursorImage& Image);
