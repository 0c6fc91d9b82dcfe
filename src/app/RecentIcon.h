#pragma once

#include "document/file/Transparency.h"

#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

// The size and colour count of a directory entry: the sides in pixels (a
// byte 0 in the file stands for 256), the colour-count byte as the file
// holds it (0 for 256 and more colours).
struct RecentIconEntry {
    int Width = 0;
    int Height = 0;
    std::uint8_t Colours = 0;
};

// Which entry gives a 24 x 24 menu icon: an exact 24 x 24 wins; a larger entry
// gives way to a smaller one still above 24; a smaller one to any entry larger
// in both directions; among equal sizes more colours win, 0 (256 or more)
// counting as the most. Entries are seen in file order; -1 for none.
int ChooseRecentIconEntry(const std::vector<RecentIconEntry>& Entries);

// The magenta of the menu image list, which shows as the background.
constexpr QRgb RecentIconBackground = 0xFFFF00FFu;

// The 24 x 24 menu icon of the icon or cursor file at Path: the chosen
// entry's pixels (bitmap or PNG picture, read as Open reads them) of alpha
// above TraRange in their colour on magenta,
// stretched without smoothing, the bottom-left pixel always magenta. A null
// picture when the file is missing or gives no picture; nothing is reported.
QImage MakeRecentIcon(const QString& Path, const TransparencySettings& Settings);
