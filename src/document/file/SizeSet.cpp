#include "document/file/SizeSet.h"

#include "document/file/AreaScale.h"

#include <algorithm>
#include <cmath>

namespace SizeSet {

const std::vector<int>& StandardSizes() {
    static const std::vector<int> sizes{16, 24, 32, 48, 64, 256};
    return sizes;
}

namespace {

// The picture's size inside a Side x Side image: its longer side fills it,
// the shorter keeps the proportion, rounded to whole pixels so that the
// picture's edges stay sharp and the margins wholly transparent.
void fittedSize(int Width, int Height, int Side, int& W, int& H) {
    const int longer = std::max(Width, Height);
    W = std::max(1, int(std::lround(double(Width) * Side / longer)));
    H = std::max(1, int(std::lround(double(Height) * Side / longer)));
}

// The margin before a picture side of Length in Side: an odd pixel left over
// goes before it, as ImageMagick's centring does.
int margin(int Side, int Length) {
    return (Side - Length + 1) / 2;
}

} // namespace

std::vector<std::uint32_t> ScaleToSquare(const std::uint32_t* Pixels, int Width, int Height,
                                         int Side) {
    int w = 0, h = 0;
    fittedSize(Width, Height, Side, w, h);
    const int left = margin(Side, w);
    const int top = margin(Side, h);
    // Colours weighted by their alpha throughout, so no transparent pixel
    // darkens an edge.
    const std::vector<std::uint32_t> picture = AreaScale(Pixels, Width, Height, w, h);
    std::vector<std::uint32_t> result(std::size_t(Side) * std::size_t(Side), 0);
    for (int i = 0; i < h; ++i)
        std::copy_n(picture.data() + std::size_t(i) * std::size_t(w), w,
                    result.data() + std::size_t(top + i) * std::size_t(Side) + left);
    return result;
}

void ScalePoint(int Width, int Height, int Side, int& X, int& Y) {
    int w = 0, h = 0;
    fittedSize(Width, Height, Side, w, h);
    const auto scaled = [](int V, int From, int To, int Margin, int Side) {
        const double centre = (double(V) + 0.5) * double(To) / double(From);
        return std::clamp(Margin + int(std::floor(centre)), 0, Side - 1);
    };
    X = scaled(X, Width, w, margin(Side, w), Side);
    Y = scaled(Y, Height, h, margin(Side, h), Side);
}

} // namespace SizeSet
