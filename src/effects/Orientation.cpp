#include "effects/Orientation.h"

#include "effects/EffectPixels.h"

#include <algorithm>

namespace {

// Fills a Height x Width buffer from Target through Place(x, y) -> the new
// index of old pixel (x, y), then gives it to Target.
template <class Place> void turn(TBitmap32& Target, Place place) {
    TBitmap32 turned(Target.Height, Target.Width);
    for (int y = 0; y < Target.Height; ++y) {
        const TColor32* row = Target.scanLine(y);
        for (int x = 0; x < Target.Width; ++x) turned.Bits[place(x, y)] = row[x];
    }
    replacePixels(Target, std::move(turned));
}

} // namespace

void RotateClockwise(TBitmap32& Target) {
    const std::size_t newWidth = std::size_t(Target.Height);
    const int h = Target.Height;
    turn(Target, [&](int x, int y) { return std::size_t(x) * newWidth + std::size_t(h - 1 - y); });
}

void RotateCounterclockwise(TBitmap32& Target) {
    const std::size_t newWidth = std::size_t(Target.Height);
    const int w = Target.Width;
    turn(Target, [&](int x, int y) { return std::size_t(w - 1 - x) * newWidth + std::size_t(y); });
}

void FlipHorizontal(TBitmap32& Target) {
    const TBitmap32 copy = Target;
    for (int y = 0; y < Target.Height; ++y) {
        const TColor32* row = copy.scanLine(y);
        for (int x = 0; x < Target.Width; ++x)
            effectSetPixel(Target, Target.Width - 1 - x, y, row[x]);
    }
}

void FlipVertical(TBitmap32& Target) {
    const TBitmap32 copy = Target;
    for (int y = 0; y < Target.Height; ++y) {
        const TColor32* row = copy.scanLine(y);
        for (int x = 0; x < Target.Width; ++x)
            effectSetPixel(Target, x, Target.Height - 1 - y, row[x]);
    }
}

QRect ResizedSelectionRect(const QRect& Rect, int Width, int Height) {
    return TRect(Rect.left(), Rect.top(), Rect.left() + Width, Rect.top() + Height);
}
