#include "pixel/TBitmap32.h"

#include <QImage>
#include <QRegion>
#include <algorithm>
#include <cstring>

namespace {

// A device context may be any QImage. Palette and monochrome pictures cannot
// take arbitrary colours, so they become true-colour pictures first, the way a
// screen device would show them.
void prepareDevice(QImage& img) {
    switch (img.format()) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
    case QImage::Format_Indexed8:
        img = img.convertToFormat(img.hasAlphaChannel() ? QImage::Format_ARGB32
                                                        : QImage::Format_RGB32);
        break;
    default:
        break;
    }
}

// Mixes p onto a device pixel, treating the device colour as opaque and
// leaving its own alpha as it was.
void mixOnto(QImage& img, int x, int y, TColor32 p) {
    if (x < 0 || y < 0 || x >= img.width() || y >= img.height()) return;
    const bool plain =
        img.format() == QImage::Format_RGB32 || img.format() == QImage::Format_ARGB32;
    // Other formats (premultiplied ones above all) go through QColor, which
    // converts them correctly.
    const QRgb old = plain ? img.pixel(x, y) : img.pixelColor(x, y).rgba();
    const TColor d = TColor(qRed(old)) | (TColor(qGreen(old)) << 8) | (TColor(qBlue(old)) << 16);
    const TColor c = MixOnOpaque(d, RedOf(p), GreenOf(p), BlueOf(p), AlphaOf(p));
    const QRgb mixed =
        qRgba(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF), qAlpha(old));
    if (plain)
        img.setPixel(x, y, mixed);
    else
        img.setPixelColor(x, y, QColor::fromRgba(mixed));
}

} // namespace

TBitmap32::TBitmap32(int width, int height) {
    SetWidth(width);
    SetHeight(height);
}

void TBitmap32::SetHeight(int NewHeight) {
    if (NewHeight == Height || NewHeight < 0) return;
    Height = NewHeight;
    Size = Width * Height * 4;
    Bits.resize(std::size_t(Width) * std::size_t(Height), 0);
}

void TBitmap32::SetWidth(int NewWidth) {
    if (NewWidth == Width || NewWidth < 0) return;
    std::vector<TColor32> bits(std::size_t(NewWidth) * std::size_t(Height), 0);
    const int keep = std::min(Width, NewWidth);
    for (int y = 0; y < Height; ++y)
        std::copy_n(Bits.begin() + std::ptrdiff_t(y) * Width, keep,
                    bits.begin() + std::ptrdiff_t(y) * NewWidth);
    Bits.swap(bits);
    Width = NewWidth;
    Size = Width * Height * 4;
}

void TBitmap32::Clear() {
    std::fill(Bits.begin(), Bits.end(), 0u);
}

TColor32 TBitmap32::GetPixel(int X, int Y) const {
    if (!inside(X, Y)) return 0;
    return Bits[std::size_t(Y) * std::size_t(Width) + std::size_t(X)];
}

void TBitmap32::SetPixel(int X, int Y, TColor32 C) {
    if (!inside(X, Y)) return;
    if (!clipAllows(X, Y)) return;
    Bits[std::size_t(Y) * std::size_t(Width) + std::size_t(X)] = C;
}

void TBitmap32::BlendPixel(int X, int Y, TColor32 C) {
    if (!inside(X, Y)) return;
    SetPixel(X, Y, BlendColor32(GetPixel(X, Y), C));
}

bool TBitmap32::clipAllows(int X, int Y) const {
    return !ClipRegion || ClipRegion->contains(QPoint(X, Y)) != InvertClip;
}

void TBitmap32::Assign(const TBitmap32& Source) {
    if (&Source == this) return;
    Width = Source.Width;
    Height = Source.Height;
    Transparent = Source.Transparent;
    TransparentColor = Source.TransparentColor;
    Size = Source.Size;
    Bits = Source.Bits;
    ClipRegion = Source.ClipRegion;
    Blend = Source.Blend;
    InvertClip = Source.InvertClip;
}

void TBitmap32::LoadFromBitmap(const QImage& Bitmap, int Alpha) {
    // A picture that holds alpha brings its own; anything else is read as
    // 24-bit RGB with the given alpha. What it holds decides, not its format:
    // a 32-bit picture whose alpha is 0 everywhere (as many programs hand
    // over pictures that never had alpha) is read as 24-bit, not as wholly
    // transparent.
    QImage src = Bitmap.convertToFormat(Bitmap.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                 : QImage::Format_RGB32);
    bool has32 = false;
    if (src.format() == QImage::Format_ARGB32)
        for (int y = 0; y < src.height() && !has32; ++y) {
            const QRgb* row = reinterpret_cast<const QRgb*>(src.constScanLine(y));
            has32 = std::any_of(row, row + src.width(), [](QRgb p) { return qAlpha(p) != 0; });
        }
    const int w = src.width(), h = src.height();
    Width = w;
    Height = h;
    Size = w * h * 4;
    Bits.assign(std::size_t(w) * std::size_t(h), 0);
    for (int y = 0; y < h; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        TColor32* out = scanLine(y);
        for (int x = 0; x < w; ++x) {
            const QRgb p = row[x];
            out[x] = Color32(has32 ? qAlpha(p) : Alpha, qRed(p), qGreen(p), qBlue(p));
        }
    }
}

void TBitmap32::DrawToDC(QImage& DC, int X, int Y) const {
    if (Empty()) return;
    prepareDevice(DC);
    for (int j = 0; j < Height; ++j)
        for (int i = 0; i < Width; ++i) {
            const TColor32 p = GetPixel(i, j);
            if (Transparent && p == TransparentColor) continue;
            mixOnto(DC, X + i, Y + j, p);
        }
}

void TBitmap32::StretchDrawToDC(QImage& DC, const QRect& Rect) const {
    const int W = Rect.width(), H = Rect.height();
    if (Empty() || W <= 0 || H <= 0) return;
    prepareDevice(DC);
    for (int j = 0; j < H; ++j)
        for (int i = 0; i < W; ++i) {
            const TColor32 p = GetPixel(int(qint64(i) * Width / W), int(qint64(j) * Height / H));
            if (Transparent && p == TransparentColor) continue;
            mixOnto(DC, Rect.left() + i, Rect.top() + j, p);
        }
}

void TBitmap32::DrawToBitmapCanvas(QImage& Bitmap) const {
    DrawToDC(Bitmap, 0, 0);
}

void TBitmap32::DrawToBitmap(QImage& Bitmap) const {
    if (Bitmap.format() != QImage::Format_RGB888)
        Bitmap = Bitmap.convertToFormat(QImage::Format_RGB888);
    const int w = std::min(Width, Bitmap.width()), h = std::min(Height, Bitmap.height());
    for (int y = 0; y < h; ++y) {
        uchar* row = Bitmap.scanLine(y);
        for (int x = 0; x < w; ++x) {
            const TColor32 p = GetPixel(x, y);
            if (Transparent && p == TransparentColor) continue;
            uchar* d = row + 3 * x; // QImage's RGB888 keeps red, green, blue
            const TColor old = TColor(d[0]) | (TColor(d[1]) << 8) | (TColor(d[2]) << 16);
            const TColor c = MixOnOpaque(old, RedOf(p), GreenOf(p), BlueOf(p), AlphaOf(p));
            d[0] = uchar(c);
            d[1] = uchar(c >> 8);
            d[2] = uchar(c >> 16);
        }
    }
}

QImage TBitmap32::toImage() const {
    QImage img(Width, Height, QImage::Format_ARGB32);
    for (int y = 0; y < Height; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        const TColor32* in = scanLine(y);
        for (int x = 0; x < Width; ++x) {
            const TColor32 c = in[x];
            row[x] = qRgba(RedOf(c), GreenOf(c), BlueOf(c), AlphaOf(c));
        }
    }
    return img;
}
