#pragma once

#include "document/file/AniFile.h"
#include "document/file/IconRaster.h"
#include "document/file/Transparency.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// One frame to be written: its images, and the icon or cursor file it was
// read from, if any. Those bytes go out again as they are while they are a
// cursor file and read back, under the writer's settings, as exactly Images
// (so a frame nobody edited stays byte for byte as it was); otherwise the
// frame is written anew, as a cursor file whose images still reuse their own
// stored bytes where they can (IconWriter.h).
struct AniFrameView {
    std::vector<IconImageView> Images;
    const std::uint8_t* Stored = nullptr;
    std::size_t StoredLength = 0;
    // What Stored reads as under the writer's settings, when the caller kept
    // it from reading the file: whether the frame is unedited is then told
    // by comparing with it, without decoding Stored again.
    const IconContents* StoredRead = nullptr;
};

// Writes RIFF ACON: `anih` (cbSize 36, the icon flag always, the sequence
// flag when a sequence is written), `rate` when a step's rate differs from
// Info.DisplayRate, `seq ` when the steps are not the frames in order,
// `LIST fram` of one `icon` chunk per frame and `LIST INFO` (`INAM`, `IART`)
// when a title or author is set; every chunk padded to an even length, and
// every `icon` chunk even already (a cursor file of odd length gets a zero
// after it), since loaders that skip its pad byte exist.
// Throws IconCodecError, naming no file, when the animation cannot be stored:
// no frames or more than 4,096, no steps or more than 65,536, a step naming
// no frame, a frame that cannot be written as a cursor file.
std::vector<std::uint8_t> EncodeAniFile(const std::vector<AniFrameView>& Frames,
                                        const AniInfo& Info, const TransparencySettings& Settings);
// The same for an animation as the reader gives it.
std::vector<std::uint8_t> EncodeAniFile(const AniContents& Ani,
                                        const TransparencySettings& Settings);

// Whether Bytes are a cursor file whose images read, under Settings, as
// exactly Images: the same sizes, formats, storage, hot spots, palettes and
// pixels, in the same order.
bool CursorFileStillHolds(const std::uint8_t* Bytes, std::size_t Length,
                          const std::vector<IconImageView>& Images,
                          const TransparencySettings& Settings);
// The same for a cursor file already read as Read.
bool CursorStillReadsAs(const IconContents& Read, const std::vector<IconImageView>& Images);
