#include "document/file/SizeSet.h"

#include <algorithm>
#include <cmath>

namespace SizeSet {

namespace {

// Which source pixels (of a line of Source pixels) cover target pixel j of
// Target, and by how much: target pixel j spans [j, j + 1) * Source / Target.
struct Tap {
    int Index;
    double Weight;
};

std::vector<std::vector<Tap>> taps(int Source, int Target) {
    std::vector<std::vector<Tap>> out(static_cast<std::size_t>(Target));
    const double scale = double(Source) / double(Target);
    for (int j = 0; j < Target; ++j) {
        const double from = j * scale;
        const double to = (j + 1) * scale;
        for (int i = int(std::floor(from)); i < Source && i < to; ++i) {
            const double w = std::min(to, double(i + 1)) - std::max(from, double(i));
            if (w > 1e-12) out[std::size_t(j)].push_back({i, w / scale});
        }
    }
    return out;
}

struct Premultiplied {
    double r = 0, g = 0, b = 0, a = 0;
};

std::uint8_t byteOf(double V) {
    return std::uint8_t(std::clamp(std::lround(V), 0L, 255L));
}

} // namespace

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
    const std::vector<std::vector<Tap>> across = taps(Width, w);
    const std::vector<std::vector<Tap>> down = taps(Height, h);

    // Across first, then down; colours weighted by their alpha throughout.
    std::vector<Premultiplied> rows(std::size_t(Height) * std::size_t(w));
    for (int y = 0; y < Height; ++y) {
        const std::uint32_t* in = Pixels + std::size_t(y) * std::size_t(Width);
        Premultiplied* out = rows.data() + std::size_t(y) * std::size_t(w);
        for (int j = 0; j < w; ++j) {
            Premultiplied sum;
            for (const Tap& t : across[std::size_t(j)]) {
                const std::uint32_t c = in[t.Index];
                const double a = double(c >> 24) * t.Weight;
                sum.r += double(c & 0xFF) * a;
                sum.g += double((c >> 8) & 0xFF) * a;
                sum.b += double((c >> 16) & 0xFF) * a;
                sum.a += a;
            }
            out[j] = sum;
        }
    }
    std::vector<std::uint32_t> result(std::size_t(Side) * std::size_t(Side), 0);
    for (int i = 0; i < h; ++i) {
        std::uint32_t* out = result.data() + std::size_t(top + i) * std::size_t(Side) + left;
        for (int j = 0; j < w; ++j) {
            Premultiplied sum;
            for (const Tap& t : down[std::size_t(i)]) {
                const Premultiplied& p = rows[std::size_t(t.Index) * std::size_t(w) + std::size_t(j)];
                sum.r += p.r * t.Weight;
                sum.g += p.g * t.Weight;
                sum.b += p.b * t.Weight;
                sum.a += p.a * t.Weight;
            }
            const std::uint8_t a = byteOf(sum.a);
            if (a > 0)
                out[j] = std::uint32_t(byteOf(sum.r / sum.a)) |
                         (std::uint32_t(byteOf(sum.g / sum.a)) << 8) |
                         (std::uint32_t(byteOf(sum.b / sum.a)) << 16) | (std::uint32_t(a) << 24);
        }
    }
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
