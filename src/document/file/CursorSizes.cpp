#include "document/file/CursorSizes.h"

#include "document/file/AreaScale.h"
#include "document/file/SmoothEnlarge.h"

#include <algorithm>
#include <cmath>

const std::vector<std::uint32_t>& DefaultCursorSizes() {
    static const std::vector<std::uint32_t> sizes{24, 32, 48, 64, 96};
    return sizes;
}

int MapHotSpot(int Hot, int From, int To) {
    if (From <= 0 || To <= 0) return 0;
    // ceil(x) - 1 puts a centre that falls on a pixel border into the pixel
    // before it.
    const double centre = (Hot + 0.5) * To / From;
    return std::clamp(int(std::ceil(centre - 1e-9)) - 1, 0, To - 1);
}

bool IsPixelArt(const std::vector<const XcursorImage*>& Images) {
    for (const XcursorImage* i : Images)
        for (std::uint32_t c : i->Pixels) {
            const std::uint32_t a = c >> 24;
            if (a != 0 && a != 255) return false;
        }
    return true;
}

XcursorImage ScaleCursorImage(const XcursorImage& Image, std::uint32_t To, CursorArt Art) {
    XcursorImage out;
    out.NominalSize = To;
    out.DelayMs = Image.DelayMs;
    const double ratio = double(To) / double(std::max<std::uint32_t>(1, Image.NominalSize));
    const bool pixelArt =
        Art == CursorArt::PixelArt || (Art == CursorArt::Auto && IsPixelArt({&Image}));
    if (ratio >= 1 && pixelArt) {
        const int factor = int(std::floor(ratio + 1e-9));
        out.Width = Image.Width * factor;
        out.Height = Image.Height * factor;
        out.Pixels = RepeatPixels(Image.Pixels.data(), Image.Width, Image.Height, factor);
    } else {
        const auto side = [ratio](int S) {
            return std::clamp(int(std::lround(S * ratio)), 1, Xcursor::MaxSide);
        };
        out.Width = side(Image.Width);
        out.Height = side(Image.Height);
        if (out.Width == Image.Width && out.Height == Image.Height)
            out.Pixels = Image.Pixels;
        else if (out.Width <= Image.Width && out.Height <= Image.Height)
            out.Pixels = AreaScale(Image.Pixels.data(), Image.Width, Image.Height, out.Width,
                                   out.Height);
        else
            out.Pixels = SmoothEnlarge(Image.Pixels.data(), Image.Width, Image.Height, out.Width,
                                       out.Height);
    }
    out.HotSpotX = MapHotSpot(Image.HotSpotX, Image.Width, out.Width);
    out.HotSpotY = MapHotSpot(Image.HotSpotY, Image.Height, out.Height);
    return out;
}

std::vector<XcursorImage> MakeCursorSizes(const std::vector<XcursorImage>& Drawn,
                                          const std::vector<std::uint32_t>& Sizes,
                                          CursorArt Art) {
    const std::vector<std::uint32_t> drawn = NominalSizes(Drawn);
    std::vector<std::uint32_t> wanted;
    for (std::uint32_t s : Sizes)
        if (s > 0) wanted.push_back(s);
    std::sort(wanted.begin(), wanted.end());
    wanted.erase(std::unique(wanted.begin(), wanted.end()), wanted.end());
    std::vector<XcursorImage> out;
    if (drawn.empty()) return out;
    for (std::uint32_t size : wanted) {
        const auto larger = std::lower_bound(drawn.begin(), drawn.end(), size);
        const std::uint32_t from = larger == drawn.end() ? drawn.back() : *larger;
        const std::vector<const XcursorImage*> frames = FramesOfSize(Drawn, from);
        if (from == size) {
            for (const XcursorImage* f : frames)
                out.push_back(*f);
            continue;
        }
        // One decision for the whole animation, so that its frames do not
        // switch between sharp and smooth.
        const CursorArt art =
            Art != CursorArt::Auto ? Art
                                   : (IsPixelArt(frames) ? CursorArt::PixelArt : CursorArt::Smooth);
        for (const XcursorImage* f : frames)
            out.push_back(ScaleCursorImage(*f, size, art));
    }
    return out;
}
