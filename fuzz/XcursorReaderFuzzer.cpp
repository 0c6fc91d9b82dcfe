// Any bytes as an X cursor file: the reader either reads them or refuses them
// with IconCodecError, never reading outside the buffer or allocating beyond
// its caps. What it reads, the writer writes and the reader reads back to the
// same images, in the order of their nominal sizes. Small files also become
// an animated cursor and an X cursor again, consistent at every step.

#include "document/file/AniReader.h"
#include "document/file/AniWriter.h"
#include "document/file/CursorSizes.h"
#include "document/file/IconCodecError.h"
#include "document/file/XcursorAni.h"
#include "document/file/XcursorReader.h"
#include "document/file/XcursorWriter.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {
void fail(const char* What) {
    std::fprintf(stderr, "%s\n", What);
    std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    XcursorContents contents;
    try {
        contents = DecodeXcursorFile(data, size, "fuzz");
    } catch (const IconCodecError&) {
        return 0;
    }
    // Nominal size 0 is the one thing a file may hold that a writer refuses.
    for (XcursorImage& i : contents.Images)
        if (i.NominalSize == 0) i.NominalSize = 1;
    const std::vector<std::uint8_t> bytes = EncodeXcursorFile(contents);
    const XcursorContents back = DecodeXcursorFile(bytes.data(), bytes.size(), "fuzz");
    std::stable_sort(contents.Images.begin(), contents.Images.end(),
                     [](const XcursorImage& A, const XcursorImage& B) {
                         return A.NominalSize < B.NominalSize;
                     });
    if (back.Images.size() != contents.Images.size()) fail("images lost when written again");
    for (std::size_t i = 0; i < back.Images.size(); ++i)
        if (back.Images[i].Pixels != contents.Images[i].Pixels ||
            back.Images[i].HotSpotX != contents.Images[i].HotSpotX)
            fail("an image written and read again differs");
    // Small files also go through size making, which must keep hot spots in.
    if (size < 4096) {
        for (const XcursorImage& i : MakeCursorSizes(back.Images, {1, 24, 33}))
            if (i.HotSpotX < 0 || i.HotSpotX >= i.Width || i.HotSpotY < 0 ||
                i.HotSpotY >= i.Height || i.Pixels.size() != std::size_t(i.Width) * i.Height)
                fail("a made size is inconsistent");
        AniFromXcursorNotes notes;
        std::vector<std::uint8_t> ani;
        try {
            ani = EncodeAniFromXcursor(back, notes);
        } catch (const IconCodecError&) {
            return 0; // every size larger than 256 pixels
        }
        int inverted = 0;
        const XcursorContents again = XcursorFromAni(
            DecodeAniFile(ani.data(), ani.size(), "fuzz.ani", TransparencySettings()),
            TransparencySettings(), inverted);
        if (again.Images.empty()) fail("the animated cursor lost its images");
        try {
            EncodeXcursorFile(again);
        } catch (const IconCodecError&) {
            fail("the animated cursor cannot be an X cursor again");
        }
    }
    return 0;
}
