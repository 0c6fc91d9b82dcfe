#include "document/file/SmoothEnlarge.h"

#include <algorithm>
#include <cmath>

namespace {

struct Sample {
    int Low;
    int High;
    double Weight; // of High
};

std::vector<Sample> samples(int From, int To) {
    std::vector<Sample> all(static_cast<std::size_t>(To));
    const double step = double(From) / To;
    for (int i = 0; i < To; ++i) {
        const double s = std::clamp((i + 0.5) * step - 0.5, 0.0, double(From - 1));
        const int low = int(std::floor(s));
        all[std::size_t(i)] = {low, std::min(low + 1, From - 1), s - low};
    }
    return all;
}

} // namespace

std::vector<std::uint32_t> SmoothEnlarge(const std::uint32_t* Pixels, int Width, int Height,
                                         int OutWidth, int OutHeight) {
    if (Width <= 0 || Height <= 0 || OutWidth <= 0 || OutHeight <= 0) return {};
    const auto xs = samples(Width, OutWidth), ys = samples(Height, OutHeight);
    const auto at = [&](int X, int Y, int Channel) {
        const std::uint32_t c = Pixels[std::size_t(Y) * std::size_t(Width) + std::size_t(X)];
        const double a = (c >> 24) / 255.0;
        return Channel == 3 ? a : ((c >> (8 * Channel)) & 0xFF) / 255.0 * a;
    };
    std::vector<std::uint32_t> out(std::size_t(OutWidth) * std::size_t(OutHeight));
    for (int y = 0; y < OutHeight; ++y) {
        const Sample& sy = ys[std::size_t(y)];
        for (int x = 0; x < OutWidth; ++x) {
            const Sample& sx = xs[std::size_t(x)];
            double v[4];
            for (int c = 0; c < 4; ++c) {
                const double top = at(sx.Low, sy.Low, c) * (1 - sx.Weight) +
                                   at(sx.High, sy.Low, c) * sx.Weight;
                const double bottom = at(sx.Low, sy.High, c) * (1 - sx.Weight) +
                                      at(sx.High, sy.High, c) * sx.Weight;
                v[c] = top * (1 - sy.Weight) + bottom * sy.Weight;
            }
            const double a = std::clamp(v[3], 0.0, 1.0);
            std::uint32_t pixel = 0;
            if (a > 0.5 / 255) {
                const auto byte = [](double V) {
                    return std::uint32_t(std::lround(std::clamp(V, 0.0, 1.0) * 255));
                };
                pixel = byte(v[0] / a) | byte(v[1] / a) << 8 | byte(v[2] / a) << 16 |
                        byte(a) << 24;
            }
            out[std::size_t(y) * std::size_t(OutWidth) + std::size_t(x)] = pixel;
        }
    }
    return out;
}

std::vector<std::uint32_t> RepeatPixels(const std::uint32_t* Pixels, int Width, int Height,
                                        int Factor) {
    if (Width <= 0 || Height <= 0 || Factor <= 0) return {};
    const std::size_t outWidth = std::size_t(Width) * std::size_t(Factor);
    std::vector<std::uint32_t> out(outWidth * std::size_t(Height) * std::size_t(Factor));
    for (std::size_t y = 0; y < out.size() / outWidth; ++y)
        for (std::size_t x = 0; x < outWidth; ++x)
            out[y * outWidth + x] =
                Pixels[(y / std::size_t(Factor)) * std::size_t(Width) + x / std::size_t(Factor)];
    return out;
}
