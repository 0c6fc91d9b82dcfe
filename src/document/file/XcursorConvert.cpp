#include "document/file/XcursorConvert.h"

#include <algorithm>

XcursorImage XcursorImageFromRaster(const IconRaster& Image, const TransparencySettings& Settings,
                                    int& InvertedPixels) {
    XcursorImage out;
    out.Width = Image.Width;
    out.Height = Image.Height;
    out.NominalSize = std::uint32_t(std::max(Image.Width, Image.Height));
    out.HotSpotX = std::min<int>(Image.HotSpotX, std::max(0, Image.Width - 1));
    out.HotSpotY = std::min<int>(Image.HotSpotY, std::max(0, Image.Height - 1));
    out.Pixels.resize(Image.Pixels.size());
    std::vector<std::size_t> inverted;
    for (std::size_t i = 0; i < Image.Pixels.size(); ++i) {
        const std::uint32_t c = Image.Pixels[i];
        if (IsInvertedPixel(c, Image.Format, Settings)) {
            out.Pixels[i] = InvertedStandIn;
            inverted.push_back(i);
        } else {
            out.Pixels[i] = VisibleColour(c, Image.Format, Settings);
        }
    }
    const int w = Image.Width, h = Image.Height;
    for (std::size_t i : inverted) {
        const int x = int(i % std::size_t(w)), y = int(i / std::size_t(w));
        for (int ny = std::max(0, y - 1); ny <= std::min(h - 1, y + 1); ++ny)
            for (int nx = std::max(0, x - 1); nx <= std::min(w - 1, x + 1); ++nx) {
                std::uint32_t& n = out.Pixels[std::size_t(ny) * std::size_t(w) + std::size_t(nx)];
                if (n >> 24 == 0) n = InvertedOutline;
            }
    }
    InvertedPixels += int(inverted.size());
    return out;
}

std::vector<std::size_t> OneImagePerSize(const std::vector<IconRaster>& Images) {
    std::vector<std::size_t> kept;
    for (std::size_t i = 0; i < Images.size(); ++i) {
        const auto side = [&](std::size_t k) { return std::max(Images[k].Width, Images[k].Height); };
        const auto same = std::find_if(kept.begin(), kept.end(),
                                       [&](std::size_t k) { return side(k) == side(i); });
        if (same == kept.end())
            kept.push_back(i);
        else if (Images[i].Format > Images[*same].Format)
            *same = i;
    }
    return kept;
}

IconRaster RasterFromXcursorImage(const XcursorImage& Image) {
    IconRaster out;
    out.Width = Image.Width;
    out.Height = Image.Height;
    out.Format = 32;
    out.HotSpotX = std::uint8_t(std::clamp(Image.HotSpotX, 0, 255));
    out.HotSpotY = std::uint8_t(std::clamp(Image.HotSpotY, 0, 255));
    out.Pixels = Image.Pixels;
    out.StoredAsPng = IconFile::StoredAsPng(Image.Width, Image.Height);
    return out;
}
