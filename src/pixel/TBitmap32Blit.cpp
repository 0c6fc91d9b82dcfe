// Drawing one buffer onto another.
#include "TBitmap32.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace {

// Drawing a buffer onto itself reads from a snapshot, so no pixel is read
// after it has been written.
const TBitmap32& stableSource(const TBitmap32& target, const TBitmap32& source,
                              std::optional<TBitmap32>& copy) {
    if (&target != &source) return source;
    copy.emplace();
    copy->Assign(source);
    return *copy;
}

bool skipped(const TBitmap32& source, TColor32 p) {
    return source.Transparent && p == source.TransparentColor;
}

// The steps 0 .. count - 1 that land inside 0 .. limit - 1 when added to
// origin: the others would be dropped by PutPixel anyway.
std::pair<int, int> visibleSteps(int origin, int count, int limit) {
    const long long from = std::max<long long>(0, -(long long)origin);
    const long long to = std::min<long long>(count, (long long)limit - origin);
    return {int(from), int(std::max(from, to))};
}

} // namespace

void TBitmap32::Draw(int X, int Y, const TBitmap32& Source) {
    std::optional<TBitmap32> copy;
    const TBitmap32& src = stableSource(*this, Source, copy);
    const int w = int(std::min<long long>(src.Width, (long long)Width - X));
    const int h = int(std::min<long long>(src.Height, (long long)Height - Y));
    // Columns and rows left of or above the buffer would be dropped anyway.
    for (int j = std::max(0, -Y); j < h; ++j)
        for (int i = std::max(0, -X); i < w; ++i) {
            const TColor32 p = src.GetPixel(i, j);
            if (!skipped(src, p)) PutPixel(X + i, Y + j, p);
        }
}

void TBitmap32::StretchDraw(const QRect& Rect, const TBitmap32& Source) {
    const int W = Rect.width(), H = Rect.height();
    // An empty source has no pixels to draw.
    if (W <= 0 || H <= 0 || Source.Empty()) return;
    std::optional<TBitmap32> copy;
    const TBitmap32& src = stableSource(*this, Source, copy);
    const auto [i0, i1] = visibleSteps(Rect.left(), W, Width);
    const auto [j0, j1] = visibleSteps(Rect.top(), H, Height);
    std::vector<int> sx(std::size_t(std::max(0, i1 - i0)));
    for (int i = i0; i < i1; ++i)
        sx[std::size_t(i - i0)] = int((long long)i * src.Width / W);
    for (int j = j0; j < j1; ++j) {
        const int sy = int((long long)j * src.Height / H);
        for (int i = i0; i < i1; ++i) {
            const TColor32 p = src.GetPixel(sx[std::size_t(i - i0)], sy);
            if (!skipped(src, p)) PutPixel(Rect.left() + i, Rect.top() + j, p);
        }
    }
}

void TBitmap32::CopyRect(const QRect& DestRect, const TBitmap32& Source, const QRect& SourceRect) {
    const int W = DestRect.width(), H = DestRect.height();
    if (W <= 0 || H <= 0) return;
    std::optional<TBitmap32> copy;
    const TBitmap32& src = stableSource(*this, Source, copy);
    const long long SW = SourceRect.width(), SH = SourceRect.height();
    const auto [i0, i1] = visibleSteps(DestRect.left(), W, Width);
    const auto [j0, j1] = visibleSteps(DestRect.top(), H, Height);
    for (int j = j0; j < j1; ++j) {
        const int sy = int(SourceRect.top() + SH * j / H);
        for (int i = i0; i < i1; ++i)
            PutPixel(DestRect.left() + i, DestRect.top() + j,
                     src.GetPixel(int(SourceRect.left() + SW * i / W), sy));
    }
}
