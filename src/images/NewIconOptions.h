#pragma once

#include "document/IconImage.h"

#include <QStringList>
#include <array>

// What the "New Icon" dialog yields: the size and colour format of the blank
// image to add.
struct NewIconChoice {
    int Width = 32;
    int Height = 32;
    ColourFormat Format = 32;
};

// The choices of the "New Icon" dialog. The dialog keeps them between uses,
// so the next new image starts from the last one.
struct NewIconOptions {
    // The entries of SizeC: square sizes, then "Custom...".
    static constexpr std::array<int, 9> Sizes{8, 16, 24, 32, 40, 48, 64, 96, 128};
    static constexpr int CustomIndex = int(Sizes.size());
    // The entries of Cols, as bit counts.
    static constexpr std::array<ColourFormat, 5> Formats{1, 4, 8, 24, 32};
    static constexpr int MinSide = 1;
    static constexpr int MaxSide = 255;

    static QStringList sizeItems();
    static QStringList formatItems();

    int SizeIndex = 3;     // "32 x 32"
    int CustomWidth = 32;  // WUD
    int CustomHeight = 32; // HUD
    int FormatIndex = 4;   // true colour with alpha

    // Width and height are typed in exactly while "Custom..." is chosen.
    bool customSize() const { return SizeIndex == CustomIndex; }
    // The listed size (width = height), or the custom width and height kept
    // within 1..255; out-of-range indexes fall back to 32 x 32 in 32 bits.
    NewIconChoice choice() const;
};
