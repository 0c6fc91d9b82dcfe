#pragma once

// Animated cursors assembled chunk by chunk, so a test can break exactly the
// rule it is about; the frames inside are cursor and icon files made by our
// own writer.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace ani_test {

using Bytes = std::vector<std::uint8_t>;

Bytes operator+(Bytes a, const Bytes& b);

// The four characters of a chunk name.
Bytes name4(const char* Id);
Bytes u32s(std::initializer_list<std::uint32_t> words);

enum class Pad { Yes, No };
// Name, size (the data's, plus SizeDelta), data, and a pad byte when asked.
Bytes chunk(const char* Id, const Bytes& Data, Pad P = Pad::Yes, int SizeDelta = 0);
// LIST of Type around Body; its size is off by SizeDelta.
Bytes list(const char* Type, const Bytes& Body, int SizeDelta = 0);
enum class RiffSize { Exact, WholeFile, PastEnd };
Bytes riff(const Bytes& Body, RiffSize S = RiffSize::Exact);

Bytes anih(std::uint32_t Frames, std::uint32_t Steps, std::uint32_t Rate, std::uint32_t Flags);
Bytes text(const std::string& Text); // with its NUL

// The colour frame K is painted in: frames are told apart by their pixels.
std::uint32_t frameColour(int K);
// A cursor file of one 2 x 2 32-bit image in frameColour(K), hot spot (X, Y).
Bytes cursorFile(int K, int X = 1, int Y = 0);
// The same as an icon file (type 1).
Bytes iconFile(int K);
// The image of cursorFile(K) as a bare bitmap: header, colour bitmap, mask.
Bytes bareBitmap(int K);

// A well-formed file of N frames (cursorFile(0..N-1)), played in order at Rate.
Bytes simpleAni(int N, std::uint32_t Rate = 6);

} // namespace ani_test
