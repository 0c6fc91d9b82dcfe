#include "canvas/RenderWorkView.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

QRgb toRgb32(TColor C) {
    return qRgb(RedOf(C), GreenOf(C), BlueOf(C));
}

// One display colour per image pixel, rows top to bottom.
std::vector<QRgb> displayPicture(const TBitmap32& Work, ColourFormat Format,
                                 const TransparencySettings& S) {
    std::vector<QRgb> picture(Work.Bits.size());
    std::transform(Work.Bits.begin(), Work.Bits.end(), picture.begin(),
                   [&](TColor32 P) { return toRgb32(DisplayColor(P, Format, S)); });
    return picture;
}

// For every screen column (row) the image column (row) whose cells cover it.
// The cells of v are ScreenX(v) .. ScreenX(v + 1) - 1, so the picture and the
// grid lines drawn at ScreenX(v) line up exactly; below zoom 1 the empty cells
// simply drop out.
std::vector<int> sourceIndex(int Count, int ScreenCount, int (WorkViewGeometry::*Screen)(int) const,
                             const WorkViewGeometry& G) {
    std::vector<int> index(std::size_t(std::max(ScreenCount, 0)));
    for (int v = 0; v < Count; ++v) {
        const int from = std::max((G.*Screen)(v), 0);
        const int to = std::min((G.*Screen)(v + 1), ScreenCount);
        for (int s = from; s < to; ++s)
            index[std::size_t(s)] = v;
    }
    return index;
}

} // namespace

TColor DisplayColor(TColor32 Pixel, ColourFormat Format, const TransparencySettings& S) {
    const int alpha = EffectiveAlpha(Pixel, Format, S);
    if (alpha == 0)
        return IsInvertedPixel(Pixel, Format, S) ? Color32ToColor(S.InvColor)
                                                 : Color32ToColor(S.TraColor);
    // Outside Format 32 the effective alpha of a shown pixel is 255, which
    // leaves its own colour.
    return MixOnOpaque(Color32ToColor(S.TraColor), RedOf(Pixel), GreenOf(Pixel), BlueOf(Pixel),
                       alpha);
}

void RenderWorkView(const WorkViewScene& Scene, const WorkViewGeometry& G, QImage& ViewBuffer) {
    TBitmap32* work = Scene.WorkBitmap;
    if (!work || work->Empty()) return;

    if (Scene.Selection && Scene.Selection->Pixels && Scene.CleanBitmap) {
        work->Assign(*Scene.CleanBitmap);
        work->StretchDraw(Scene.Selection->SelectionRect, *Scene.Selection->Pixels);
    }

    const int W = work->Width, H = work->Height;
    const int SW = G.ScreenX(W), SH = G.ScreenY(H);
    if (ViewBuffer.width() != SW || ViewBuffer.height() != SH ||
        ViewBuffer.format() != QImage::Format_RGB32) {
        const qreal dpr = ViewBuffer.isNull() ? 1.0 : ViewBuffer.devicePixelRatio();
        ViewBuffer = QImage(SW, SH, QImage::Format_RGB32);
        ViewBuffer.setDevicePixelRatio(dpr);
    }
    if (SW <= 0 || SH <= 0) return;

    const std::vector<QRgb> picture = displayPicture(*work, Scene.Format, Scene.Transparency);
    const std::vector<int> column = sourceIndex(W, SW, &WorkViewGeometry::ScreenX, G);
    const QRgb grid = toRgb32(Color32ToColor(Scene.GridColor));
    const bool gridShown = Scene.GridShown && G.ZoomX >= MinGridZoom && G.ZoomY >= MinGridZoom;
    const std::size_t rowBytes = std::size_t(SW) * sizeof(QRgb);

    // Each image row is enlarged into its first screen row, vertical grid lines
    // included, and that row is copied into the rest of its cells.
    for (int y = 0; y < H; ++y) {
        const int top = std::max(G.ScreenY(y), 0), bottom = std::min(G.ScreenY(y + 1), SH);
        if (top >= bottom) continue;
        auto* row = reinterpret_cast<QRgb*>(ViewBuffer.scanLine(top));
        const QRgb* source = picture.data() + std::size_t(y) * std::size_t(W);
        for (int sx = 0; sx < SW; ++sx)
            row[sx] = source[column[std::size_t(sx)]];
        if (gridShown)
            for (int x = 1; x < W; ++x) {
                const int sx = G.ScreenX(x);
                if (sx < SW) row[sx] = grid;
            }
        for (int sy = top + 1; sy < bottom; ++sy)
            std::memcpy(ViewBuffer.scanLine(sy), row, rowBytes);
    }
    if (gridShown)
        for (int y = 1; y < H; ++y) {
            const int sy = G.ScreenY(y);
            if (sy >= SH) continue;
            auto* row = reinterpret_cast<QRgb*>(ViewBuffer.scanLine(sy));
            std::fill(row, row + SW, grid);
        }
}
