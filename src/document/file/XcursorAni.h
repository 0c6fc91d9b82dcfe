#pragma once

#include "document/file/AniFile.h"
#include "document/file/Transparency.h"
#include "document/file/XcursorFile.h"

#include <cstdint>
#include <string>
#include <vector>

// Between animated cursors (.ani) and X cursor files. An animated cursor has
// one timeline whose frames each hold several sizes; an X cursor has one
// timeline per nominal size. Delays go between jiffies (1/60 s) and
// milliseconds by rounding.

// Milliseconds of a stored rate (a rate of 0 plays as one jiffy), and the
// jiffies nearest a delay (at least 1).
std::uint32_t AniRateToMs(std::uint32_t Rate);
std::uint32_t MsToAniRate(std::uint32_t Ms);

// Every step of the animation as one frame of each size the first frame
// holds (its images' longer sides; of images sharing one, see
// OneImagePerSize). A frame of as many sizes gives its images in order of
// size; any other frame gives its image of that size or its nearest larger
// (the largest where none is larger) scaled (see ScaleCursorImage). The title
// becomes a comment of kind 3, the author one of kind 1. Adds the
// screen-inverting pixels replaced to InvertedPixels. Throws IconCodecError
// for an animation without images or of more pixels than AniFile allows.
XcursorContents XcursorFromAni(const AniContents& Ani, const TransparencySettings& Settings,
                               int& InvertedPixels);

// What an animated cursor made from an X cursor could not keep exactly.
struct AniFromXcursorNotes {
    // Delays in milliseconds that no number of jiffies gives back exactly,
    // each once.
    std::vector<std::uint32_t> ChangedDelays;
    int TooLarge = 0;         // sizes wider or taller than 256 pixels, left out
    bool LicenceLost = false; // an animated cursor has no place for a licence
};

// The timeline of the size with the most frames (the largest such size on
// a tie), each of its frames one frame of the animated cursor holding every
// size up to 256 pixels: each other size's frame that shows at that moment.
// Comments of kind 3 become the title, of kind 1 the author. Throws
// IconCodecError when no size fits, or for more frames or pixels than
// AniFile allows.
AniContents AniFromXcursor(const XcursorContents& Cursor, AniFromXcursorNotes& Notes);
// The same, written as an animated cursor file.
std::vector<std::uint8_t> EncodeAniFromXcursor(const XcursorContents& Cursor,
                                               AniFromXcursorNotes& Notes);

// "the delays of 16 ms, 25 ms become 17 ms, 33 ms (...)": what the user is
// told about AniFromXcursorNotes::ChangedDelays.
std::string ChangedDelaysText(const std::vector<std::uint32_t>& Delays);
