// Any bytes as a PNG picture: the decoder either reads them or refuses them
// with PngError, never reading outside the buffer or allocating beyond the
// largest icon image. What it reads, the encoder writes and the decoder reads
// back to the same pixels.

#include "document/file/PngCodec.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PngPicture picture;
    try {
        picture = DecodePng(data, size, 256);
    } catch (const PngError&) {
        return 0;
    }
    for (PngPacking packing : {PngPacking::Fast, PngPacking::Small}) {
        const std::vector<std::uint8_t> png =
            EncodePng(picture.Pixels.data(), picture.Width, picture.Height, packing);
        if (DecodePng(png.data(), png.size(), 256).Pixels != picture.Pixels) {
            std::fprintf(stderr, "a picture written and read again has other pixels\n");
            std::abort();
        }
    }
    return 0;
}
