#pragma once

#include "document/file/AniFile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Where each frame of an animated cursor lies and how its steps play, worked
// out from the chunks without reading a frame. The reader decodes from it;
// `brisel-cli info` lists it.
struct AniFramePlan {
    std::int64_t Offset = 0; // the `icon` chunk's data
    std::int64_t Length = 0;
};

struct AniFilePlan {
    std::uint32_t Flags = 0; // the header's flags as stored
    bool RawFrames = false;  // FlagIcon clear: frames are bare bitmaps
    std::vector<AniFramePlan> Frames;
    AniInfo Info;
};

// The words "<FileName> is not an animated cursor." and the reason, as
// IconCodecError.
[[noreturn]] void RefuseAniFile(const std::string& FileName, const std::string& Reason);

// Whether Data starts like an animated cursor: "RIFF", a size, "ACON".
bool LooksLikeAniFile(const std::uint8_t* Data, std::size_t Size);

// Reads the chunks as the Windows loader does, and as leniently as the files
// people have need: chunks in any order, unknown chunks skipped, a second
// header ignored, a missing `rate` (every step shows the header's rate), a
// missing `seq ` or one the flags do not announce (frames in order, steps
// past the last frame showing the last frame), rate words missing at the end
// (the header's rate).
// Refuses, with IconCodecError "<FileName> is not an animated cursor.
// <reason>": a file that is not RIFF ACON, one without a whole header, no
// frames or more than 4,096, more than 65,536 steps, fewer `icon` chunks than
// the header's frames, a sequence that names a frame past the last.
// Every count is checked against the file and the caps before anything is
// allocated for it.
AniFilePlan PlanAniFile(const std::uint8_t* Data, std::size_t Size, const std::string& FileName);

// The icon or cursor file the first step shows, for a picture of the whole
// animation (a file manager's thumbnail, the recent-files menu): false when
// Data is not a readable animated cursor or its frames are bare bitmaps.
bool AniFirstStepFrame(const std::uint8_t* Data, std::size_t Size, const std::uint8_t*& Frame,
                       std::size_t& Length);
