#pragma once

#include "document/IconImage.h"
#include "document/file/IconRaster.h"
#include "document/file/Transparency.h"

#include <QByteArray>
#include <cstdint>
#include <memory>
#include <vector>

// A frame's cursor file as it was read: the very bytes (shared, not copied),
// the transparency settings they were read under and the images they gave.
struct StoredFrameRead {
    QByteArray Bytes;
    TransparencySettings Settings;
    IconContents Read;
};

// A frame shows for a tenth of a second unless the file or the user says
// otherwise (jiffies: 1/60 s).
constexpr std::uint32_t DefaultFrameRate = 6;

// One frame of an animated cursor: what a whole document is for a static
// cursor (its images with their sizes, formats, storage and hot spots) plus
// how long it shows. The document keeps every frame but the active one in
// this form; the active frame's images are the document's own list.
struct IconFrame {
    std::vector<std::unique_ptr<IconImage>> Images;
    int ActiveIndex = 0;
    std::uint32_t Rate = DefaultFrameRate;
    // The cursor file the frame was read from: saved again byte for byte
    // while the frame's images still read as it.
    QByteArray StoredData;
    // What StoredData read as, kept so that saving tells an unedited frame
    // by comparing, not by reading the bytes again (a frame of 256 x 256
    // PNG images costs far more to read than to compare). Only trusted while
    // it is of these very bytes.
    std::shared_ptr<const StoredFrameRead> StoredRead;
};

// A step of the sequence: the frame it shows (from 0) and for how long.
struct FrameStep {
    int Frame = 0;
    std::uint32_t Rate = DefaultFrameRate;
    bool operator==(const FrameStep& O) const { return Frame == O.Frame && Rate == O.Rate; }
    bool operator!=(const FrameStep& O) const { return !(*this == O); }
};
