#pragma once

#include <QByteArray>
#include <cstdint>

// A PNG file of 8-bit RGBA pixels (colour type 6), rows top to bottom, each
// row Width x 4 bytes in the order red, green, blue, alpha. Every row uses
// the "Up" filter and the data is deflated at a fast level: pictures extracted
// from icons are small, and a fixed filter spares the trial of all five that
// general-purpose writers make for every row.
QByteArray encodeRgbaPng(const std::uint8_t* Rows, int Width, int Height, int Stride);
