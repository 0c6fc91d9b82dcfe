#include "document/PaletteOps.h"

#include "document/PaletteMatcher.h"

#include <cmath>

namespace {

// Keeps the first column of the old palette and makes it N entries long; new
// entries start black.
PalettePicture resized(const PalettePicture& Palette, int N) {
    QImage img(1, N, QImage::Format_RGB32);
    img.fill(Qt::black);
    PalettePicture out(img);
    for (int i = 0; i < N && i < Palette.count(); ++i)
        out.setEntry(i, Palette.entry(i));
    return out;
}

template <typename PixelAt>
void collectColours(int Width, int Height, int N, PalettePicture& Palette, PixelAt pixelAt) {
    if (N < 1) return;
    std::vector<TColor> entries = resized(Palette, N).entries();
    int count = 0;
    for (int y = 0; y < Height && count < N; ++y)
        for (int x = 0; x < Width && count < N; ++x) {
            const TColor c = pixelAt(x, y);
            bool known = false;
            for (int i = 0; i < count && !known; ++i)
                known = entries[std::size_t(i)] == c;
            if (!known) entries[std::size_t(count++)] = c;
        }
    Palette = PalettePicture::fromEntries(entries);
}

} // namespace

void PaletteFromImage(const TBitmap32& Source, int N, PalettePicture& Palette) {
    collectColours(Source.Width, Source.Height, N, Palette,
                   [&](int x, int y) { return Color32ToColor(Source.scanLine(y)[x]); });
}

void PaletteFromImage(const QImage& Source, int N, PalettePicture& Palette) {
    collectColours(Source.width(), Source.height(), N, Palette, [&](int x, int y) {
        const QRgb p = Source.pixel(x, y);
        return TColor(qRed(p)) | (TColor(qGreen(p)) << 8) | (TColor(qBlue(p)) << 16);
    });
}

TColor NearestPaletteColor(TColor C, ColourFormat Format, const PalettePicture& Palette) {
    if (Format > 8) return C;
    double best = 450.0; // beyond the largest distance in the RGB cube, 441.67
    TColor result = C;
    for (int i = 0; i < Palette.count(); ++i) {
        const TColor e = Palette.entry(i);
        if (e == C) return C;
        const double dr = double(RedOf(e)) - RedOf(C);
        const double dg = double(GreenOf(e)) - GreenOf(C);
        const double db = double(BlueOf(e)) - BlueOf(C);
        const double d = std::sqrt(dr * dr + dg * dg + db * db);
        if (d < best) {
            best = d;
            result = e;
        }
    }
    return result;
}

void FitToPalette(TBitmap32& Target, ColourFormat Format, const PalettePicture& Palette,
                  StatusSink* Status, std::optional<QRect> Area) {
    if (Format > 8) return;
    BusyStatus busy(Status);
    QRect r = Target.BoundsRect();
    if (Area) r = r.intersected(*Area);
    if (r.isEmpty()) return;
    PaletteMatcher matcher(Palette.entries());
    // Writing through the row is SetPixel without a clip region; with one
    // installed, SetPixel decides.
    const bool direct = Target.ClipRegion == nullptr;
    for (int y = r.top(); y < RectBottom(r); ++y) {
        TColor32* row = Target.scanLine(y);
        for (int x = r.left(); x < RectRight(r); ++x) {
            const TColor32 p = row[x];
            if (AlphaOf(p) == 0) continue;
            const TColor32 snapped = SetAlpha(matcher.nearest(Color32ToColor(p)), 255);
            if (direct)
                row[x] = snapped;
            else
                Target.SetPixel(x, y, snapped);
        }
    }
}
