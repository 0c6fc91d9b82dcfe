#include "effects/EffectPreview.h"

#include "effects/NoiseEffects.h"

QImage PreviewOnFace(const TBitmap32& Adjusted, const QColor& Face) {
    QImage out(Adjusted.Width, Adjusted.Height, QImage::Format_RGB888);
    const TColor face =
        TColor(Face.red()) | (TColor(Face.green()) << 8) | (TColor(Face.blue()) << 16);
    for (int y = 0; y < Adjusted.Height; ++y) {
        const TColor32* in = Adjusted.scanLine(y);
        uchar* row = out.scanLine(y);
        for (int x = 0; x < Adjusted.Width; ++x) {
            const TColor32 p = in[x];
            const TColor c = MixOnOpaque(face, RedOf(p), GreenOf(p), BlueOf(p), AlphaOf(p));
            uchar* d = row + 3 * x;
            d[0] = uchar(c);
            d[1] = uchar(c >> 8);
            d[2] = uchar(c >> 16);
        }
    }
    return out;
}

QImage ColorLevelsPreview(const TBitmap32& Target, const ColorLevelsParams& Params,
                          const QColor& Face) {
    TBitmap32 adjusted = Target;
    ColorLevels(adjusted, Params);
    return PreviewOnFace(adjusted, Face);
}

QImage BalancePreview(const TBitmap32& Target, const BalanceParams& Params, const QColor& Face) {
    TBitmap32 adjusted = Target;
    Balance(adjusted, Params);
    return PreviewOnFace(adjusted, Face);
}

QImage SpatterPreview(const TBitmap32& Target, int Radius, const QColor& Face) {
    TBitmap32 shown;
    shown.LoadFromBitmap(PreviewOnFace(Target, Face), 255);
    Spatter(shown, Radius);
    return shown.toImage().convertToFormat(QImage::Format_RGB888);
}
