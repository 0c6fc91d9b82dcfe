#pragma once

#include "document/file/IconRaster.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// An animated cursor (.ani) as the file core holds it: frames, each the
// images of one cursor or icon file, and the steps that play them.
//
// The file is a RIFF form "ACON" (little-endian throughout, every chunk padded
// to an even length): `anih` (36 bytes: cbSize, nFrames, nSteps, cx, cy,
// cBitCount, cPlanes, iDispRate, flags), `rate` and `seq ` (nSteps 32-bit
// words each), `LIST fram` of one `icon` chunk per frame (a whole .cur or
// .ico file) and `LIST INFO` with `INAM` (title) and `IART` (author).
namespace AniFile {
constexpr std::size_t HeaderSize = 36;
constexpr std::uint32_t FlagIcon = 1;     // frames are icon or cursor files
constexpr std::uint32_t FlagSequence = 2; // a `seq ` chunk is to be used
constexpr std::size_t MaxFrames = 4096;
constexpr std::size_t MaxSteps = 65536;
// All frames' images together, in pixels: 4,096 frames of one 256 x 256 image.
constexpr std::uint64_t MaxPixels = std::uint64_t(MaxFrames) * 256 * 256;
// A jiffy is 1/60 s.
constexpr std::uint32_t JiffiesPerSecond = 60;

// How long a step with this rate is shown, in jiffies: a stored 0 plays as 1,
// as the Windows loader does, and the stored value is kept.
inline std::uint32_t PlayedRate(std::uint32_t Rate) {
    return Rate == 0 ? 1 : Rate;
}
} // namespace AniFile

// One step of the animation: the frame it shows (from 0) and for how long, in
// jiffies as stored.
struct AniStep {
    std::uint32_t Frame = 0;
    std::uint32_t Rate = 0;
    bool operator==(const AniStep& O) const { return Frame == O.Frame && Rate == O.Rate; }
};

// One frame as read: its images (hot spots (0, 0) when the chunk is an icon
// file) and the chunk's bytes, which the images' StoredOffset/StoredLength
// point into. Bytes is empty for a frame made from a raw bitmap.
struct AniFrame {
    IconContents Icon;
    std::vector<std::uint8_t> Bytes;
};

// Everything of an animation but its frames. Steps is never empty once read
// and every step's Frame names a frame. Title and Author are the INFO texts as
// stored (no terminating NUL; no particular encoding).
struct AniInfo {
    std::vector<AniStep> Steps;
    std::uint32_t DisplayRate = 0; // the header's iDispRate
    std::string Title;
    std::string Author;
};

struct AniContents {
    std::vector<AniFrame> Frames;
    AniInfo Info;
};

// Whether Steps plays each of FrameCount frames once, in order: then no
// `seq ` chunk is needed.
bool AniPlaysInOrder(const std::vector<AniStep>& Steps, std::size_t FrameCount);
// One step per frame, in order, every step shown for Rate jiffies.
std::vector<AniStep> AniInOrderSteps(std::size_t FrameCount, std::uint32_t Rate);
