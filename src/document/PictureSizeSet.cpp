#include "document/PictureSizeSet.h"

#include "document/IconDocument.h"
#include "document/Thumbnail.h"
#include "document/file/SizeSet.h"

#include <algorithm>
#include <cstring>

std::vector<int> PictureSizeSetSides(int Width, int Height) {
    const int longer = std::max(Width, Height);
    std::vector<int> sides;
    for (int side : SizeSet::StandardSizes())
        if (side <= longer) sides.push_back(side);
    if (sides.empty() && longer > 0) sides.push_back(longer);
    return sides;
}

std::vector<std::unique_ptr<IconImage>> PictureSizeSet(const QImage& Picture,
                                                       const PalettePicture& Chart) {
    std::vector<std::unique_ptr<IconImage>> images;
    if (Picture.isNull()) return images;
    // RGBA bytes in memory are the pixel buffer's own colours: red in the low
    // byte, alpha in the high one, not premultiplied.
    const QImage rgba = Picture.convertToFormat(QImage::Format_RGBA8888);
    const int w = rgba.width();
    const int h = rgba.height();
    std::vector<std::uint32_t> pixels(std::size_t(w) * std::size_t(h));
    for (int y = 0; y < h; ++y)
        std::memcpy(pixels.data() + std::size_t(y) * std::size_t(w), rgba.constScanLine(y),
                    std::size_t(w) * 4);
    for (int side : PictureSizeSetSides(w, h)) {
        auto image = newBlankImage(side, side, 32, Chart);
        image->Pixels.Bits = SizeSet::ScaleToSquare(pixels.data(), w, h, side);
        image->Thumbnail = MakeThumbnail(*image);
        images.push_back(std::move(image));
    }
    return images;
}
