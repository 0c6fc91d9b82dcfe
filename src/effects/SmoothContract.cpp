#include "effects/SmoothContract.h"

#include "effects/EffectPixels.h"
#include "effects/Orientation.h"

#include <algorithm>

TBitmap32 SmoothContract(const TBitmap32& Source, int Width, int Height) {
    const int w = Source.Width, h = Source.Height;
    const int w2 = std::clamp(Width, 1, std::max(1, w));
    const int h2 = std::clamp(Height, 1, std::max(1, h));
    TBitmap32 out(w2, h2);
    out.Blend = true;
    for (int y = 0; y < h; ++y) {
        const double fy = double(y * h2) / h;
        const int iy = int(fy);
        const double ty = fy - iy;
        const TColor32* row = Source.scanLine(y);
        for (int x = 0; x < w; ++x) {
            const double fx = double(x * w2) / w;
            const int ix = int(fx);
            const double tx = fx - ix;
            const TColor c = Color32ToColor(row[x]);
            const double a = AlphaOf(row[x]);
            // PutPixel drops what falls outside and composites the rest.
            out.PutPixel(ix, iy, SetAlpha(c, RoundHalfEven((1 - tx) * (1 - ty) * a)));
            out.PutPixel(ix + 1, iy, SetAlpha(c, RoundHalfEven(tx * (1 - ty) * a)));
            out.PutPixel(ix, iy + 1, SetAlpha(c, RoundHalfEven((1 - tx) * ty * a)));
            out.PutPixel(ix + 1, iy + 1, SetAlpha(c, RoundHalfEven(tx * ty * a)));
        }
    }
    return out;
}

void SmoothContractImage(TBitmap32& Target, int Width, int Height) {
    TBitmap32 contracted = SmoothContract(Target, Width, Height);
    contracted.SetWidth(Target.Width);
    contracted.SetHeight(Target.Height);
    replacePixels(Target, std::move(contracted));
}

void SmoothContractSelection(TBitmap32& Selection, QRect& Rect, int Width, int Height) {
    TBitmap32 contracted = SmoothContract(Selection, Width, Height);
    Rect = ResizedSelectionRect(Rect, contracted.Width, contracted.Height);
    replacePixels(Selection, std::move(contracted));
}
