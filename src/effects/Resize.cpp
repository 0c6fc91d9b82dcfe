#include "effects/Resize.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<int, 9> SquareSizes = {8, 16, 24, 32, 40, 48, 64, 96, 128};

} // namespace

int ResizeItemSize(int Index) {
    if (Index < 0 || Index >= int(SquareSizes.size())) return 0;
    return SquareSizes[std::size_t(Index)];
}

int ResizeSizeIndex(int Width, int Height) {
    if (Width != Height) return CustomSizeIndex;
    const auto it = std::find(SquareSizes.begin(), SquareSizes.end(), Width);
    return it == SquareSizes.end() ? CustomSizeIndex : int(it - SquareSizes.begin());
}

TBitmap32 ResizedImage(const TBitmap32& Picture, int Width, int Height, ResizeChange Change) {
    const int w = std::clamp(Width, MinImageSide, MaxImageSide);
    const int h = std::clamp(Height, MinImageSide, MaxImageSide);
    TBitmap32 resized(w, h);
    // The copies replace pixels. Blended onto the new buffer's transparent
    // black, every alpha-0 pixel would lose its RGB, and with it the marker
    // colour that makes a pixel screen-inverting.
    resized.Blend = false;
    switch (Change) {
    case ResizeChange::NoChanges:
        resized.Draw(0, 0, Picture);
        break;
    case ResizeChange::StretchIcon:
        resized.StretchDraw(TRect(0, 0, w, h), Picture);
        break;
    case ResizeChange::ClearIcon:
        break;
    }
    resized.Blend = true;
    return resized;
}

QPoint ResizedHotSpot(QPoint HotSpot, QSize Old, QSize New, ResizeChange Change) {
    int x = HotSpot.x(), y = HotSpot.y();
    if (Change == ResizeChange::StretchIcon && Old.width() > 0 && Old.height() > 0) {
        // The pixel the hot spot sits on lands here under nearest-pixel
        // stretching.
        x = x * New.width() / Old.width();
        y = y * New.height() / Old.height();
    }
    const auto inside = [](int V, int Side) {
        return std::clamp(V, 0, std::clamp(Side - 1, 0, 255));
    };
    return QPoint(inside(x, New.width()), inside(y, New.height()));
}
