// Drawing one buffer onto another.
#include "pixel/CoverageMask.h"
#include "pixel/TBitmap32.h"

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

} // namespace

void TBitmap32::Draw(int X, int Y, const TBitmap32& Source) {
    std::optional<TBitmap32> copy;
    const TBitmap32& src = stableSource(*this, Source, copy);
    const auto [i0, i1] = visibleSteps(X, src.Width, Width);
    const auto [j0, j1] = visibleSteps(Y, src.Height, Height);
    for (int j = j0; j < j1; ++j)
        for (int i = i0; i < i1; ++i) {
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
