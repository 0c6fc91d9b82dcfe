#include "document/file/AreaScale.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The source pixels that output pixel i covers along one axis, each with the
// share of the output pixel it fills (the shares add up to 1).
struct Tap {
    int Source;
    double Weight;
};

std::vector<std::vector<Tap>> taps(int From, int To) {
    std::vector<std::vector<Tap>> all(static_cast<std::size_t>(To));
    const double step = double(From) / To;
    for (int i = 0; i < To; ++i) {
        const double a = i * step, b = (i + 1) * step;
        for (int s = int(std::floor(a)); s < From && s < b; ++s) {
            const double cover = std::min<double>(s + 1, b) - std::max<double>(s, a);
            if (cover > 1e-12) all[std::size_t(i)].push_back({s, cover / step});
        }
    }
    return all;
}

// Premultiplied red, green, blue and alpha, each 0..1.
using Channels = std::array<double, 4>;

// Every byte as a fraction of 255, divided once here rather than four times
// per pixel; the products are the same numbers either way.
const std::array<double, 256>& fractions() {
    static const std::array<double, 256> table = [] {
        std::array<double, 256> t{};
        for (int v = 0; v < 256; ++v)
            t[std::size_t(v)] = v / 255.0;
        return t;
    }();
    return table;
}

Channels premultiplied(std::uint32_t C) {
    const std::array<double, 256>& f = fractions();
    const double a = f[C >> 24];
    return {f[C & 0xFF] * a, f[(C >> 8) & 0xFF] * a, f[(C >> 16) & 0xFF] * a, a};
}

std::uint32_t straight(const Channels& P) {
    const double a = std::clamp(P[3], 0.0, 1.0);
    if (a <= 0.5 / 255) return 0;
    const auto byte = [](double V) {
        return std::uint32_t(std::lround(std::clamp(V, 0.0, 1.0) * 255));
    };
    return byte(P[0] / a) | byte(P[1] / a) << 8 | byte(P[2] / a) << 16 | byte(a) << 24;
}

} // namespace

std::vector<std::uint32_t> AreaScale(const std::uint32_t* Pixels, int Width, int Height,
                                     int OutWidth, int OutHeight) {
    if (Width <= 0 || Height <= 0 || OutWidth <= 0 || OutHeight <= 0) return {};
    const auto columns = taps(Width, OutWidth);
    const auto rows = taps(Height, OutHeight);

    // Across first: every source row to OutWidth premultiplied pixels.
    std::vector<Channels> across(std::size_t(OutWidth) * std::size_t(Height));
    for (int y = 0; y < Height; ++y) {
        const std::uint32_t* in = Pixels + std::size_t(y) * std::size_t(Width);
        for (int x = 0; x < OutWidth; ++x) {
            Channels sum{};
            for (const Tap& t : columns[std::size_t(x)]) {
                // A clear pixel adds nothing (cursors are mostly clear).
                if (in[t.Source] >> 24 == 0) continue;
                const Channels p = premultiplied(in[t.Source]);
                for (int c = 0; c < 4; ++c)
                    sum[std::size_t(c)] += p[std::size_t(c)] * t.Weight;
            }
            across[std::size_t(y) * std::size_t(OutWidth) + std::size_t(x)] = sum;
        }
    }
    // Then down.
    std::vector<std::uint32_t> out(std::size_t(OutWidth) * std::size_t(OutHeight));
    for (int y = 0; y < OutHeight; ++y)
        for (int x = 0; x < OutWidth; ++x) {
            Channels sum{};
            for (const Tap& t : rows[std::size_t(y)]) {
                const Channels& p =
                    across[std::size_t(t.Source) * std::size_t(OutWidth) + std::size_t(x)];
                for (int c = 0; c < 4; ++c)
                    sum[std::size_t(c)] += p[std::size_t(c)] * t.Weight;
            }
            out[std::size_t(y) * std::size_t(OutWidth) + std::size_t(x)] = straight(sum);
        }
    return out;
}
