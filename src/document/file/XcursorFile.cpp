#include "document/file/XcursorFile.h"

#include <algorithm>

std::vector<std::uint32_t> NominalSizes(const std::vector<XcursorImage>& Images) {
    std::vector<std::uint32_t> sizes;
    for (const XcursorImage& i : Images)
        sizes.push_back(i.NominalSize);
    std::sort(sizes.begin(), sizes.end());
    sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
    return sizes;
}

std::vector<const XcursorImage*> FramesOfSize(const std::vector<XcursorImage>& Images,
                                              std::uint32_t Size) {
    std::vector<const XcursorImage*> frames;
    for (const XcursorImage& i : Images)
        if (i.NominalSize == Size) frames.push_back(&i);
    return frames;
}

const XcursorImage* FrameShowingAt(const std::vector<const XcursorImage*>& Frames,
                                   std::uint64_t At) {
    std::uint64_t total = 0;
    for (const XcursorImage* f : Frames)
        total += f->DelayMs;
    if (total == 0) return Frames.front();
    At %= total;
    for (const XcursorImage* f : Frames) {
        if (At < f->DelayMs) return f;
        At -= f->DelayMs;
    }
    return Frames.back();
}
