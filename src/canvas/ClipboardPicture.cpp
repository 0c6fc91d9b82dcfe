#include "canvas/ClipboardPicture.h"

QImage ClipboardPicture(const TBitmap32& Source, ColourFormat Format, int TraRange) {
    QImage picture(Source.Width, Source.Height, QImage::Format_ARGB32);
    for (int y = 0; y < Source.Height; ++y) {
        const TColor32* in = Source.scanLine(y);
        auto* out = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < Source.Width; ++x) {
            const TColor32 p = in[x];
            const int a = AlphaOf(p);
            out[x] = Format != 32 && a < TraRange ? qRgba(0, 0, 0, a)
                                                  : qRgba(RedOf(p), GreenOf(p), BlueOf(p), a);
        }
    }
    return picture;
}
