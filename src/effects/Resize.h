#pragma once

#include "pixel/TBitmap32.h"

#include <QPoint>
#include <QSize>

// What becomes of the picture when an image gets a new size (the "Image
// Changes" choice; the values are the radio items' indexes).
enum class ResizeChange { NoChanges = 0, StretchIcon = 1, ClearIcon = 2 };

// Image sizes run from 1 to 256 in each direction (a side of 256 is stored
// as a PNG picture).
constexpr int MinImageSide = 1;
constexpr int MaxImageSide = 256;

// What the resize dialog yields: the new size and what becomes of the picture.
struct ResizeChoice {
    int Width = 32;
    int Height = 32;
    ResizeChange Change = ResizeChange::NoChanges;
};

// The index of the "Custom..." item of the size list.
constexpr int CustomSizeIndex = 9;
// The square side of size-list item Index (0..8), 0 for "Custom..." or any
// other index.
int ResizeItemSize(int Index);
// The item a Width x Height image starts on: its square size's item, else
// "Custom...".
int ResizeSizeIndex(int Width, int Height);

// A new buffer of Width x Height (each clamped to 1..256, a new buffer's
// settings) holding Picture according to Change: at its own size in the top
// left corner, stretched with nearest-pixel sampling, or not at all. No new
// colours arise, so a palette image stays within its palette.
TBitmap32 ResizedImage(const TBitmap32& Picture, int Width, int Height, ResizeChange Change);

// Where a cursor's hot spot goes when its image changes from Old to New: it
// scales with a stretched picture and otherwise stays on its pixel; either way
// it ends inside the new image (and within the file's 0..255).
QPoint ResizedHotSpot(QPoint HotSpot, QSize Old, QSize New, ResizeChange Change);
