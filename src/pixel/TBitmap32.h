#pragma once

#include "pixel/TColor32.h"

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

class QImage;
class QPainter;
class QRegion;

// A Width x Height array of straight-alpha colours, rows top to bottom, with
// the pen, brush and font state of a drawing surface. PutPixel is the one write
// path of every drawing operation.
//
// Rectangles passed as QRect are read as (left, top, right-exclusive,
// bottom-exclusive): use TRect() below to build them, never QRect's
// inclusive right()/bottom().
class TBitmap32 {
public:
    TBitmap32() = default;
    TBitmap32(int width, int height);      // all pixels 0
    TBitmap32(const TBitmap32&) = default; // a full copy, drawing state included
    TBitmap32& operator=(const TBitmap32&) = default;
    TBitmap32(TBitmap32&&) noexcept = default;
    TBitmap32& operator=(TBitmap32&&) noexcept = default;

    // --- fields ---
    std::vector<TColor32> Bits;
    int Width = 0;
    int Height = 0;
    int Size = 0; // Width * Height * 4
    TColor32 TransparentColor = 0;
    bool Transparent = false;
    QPoint PenPos{0, 0};
    TColor32 PenColor = 0xFF000000u;
    TColor32 BrushColor = 0xFF000000u;
    TColor32 FontColor = 0xFF000000u;
    int PenWidth = 1;
    QFont Font;
    const QRegion* ClipRegion = nullptr; // not owned
    bool Blend = true;
    bool InvertClip = false;
    bool Filled = true;

    // --- pixel buffer ---
    bool Empty() const { return Width == 0 || Height == 0; }
    void SetWidth(int NewWidth);
    void SetHeight(int NewHeight);
    void SetSize(int NewWidth, int NewHeight) {
        SetWidth(NewWidth);
        SetHeight(NewHeight);
    }
    void Clear();
    TColor32 GetPixel(int X, int Y) const;
    void SetPixel(int X, int Y, TColor32 C);
    void BlendPixel(int X, int Y, TColor32 C);
    // BlendPixel when Blend is true, else SetPixel. Every drawing operation
    // comes through here for every pixel, so it is inline and tests the
    // bounds and the clip once.
    void PutPixel(int X, int Y, TColor32 C) {
        if (!inside(X, Y) || (ClipRegion && !clipAllows(X, Y))) return;
        TColor32& p = Bits[std::size_t(Y) * std::size_t(Width) + std::size_t(X)];
        p = Blend ? BlendColor32(p, C) : C;
    }
    // Whether ClipRegion (with InvertClip) lets a write at (X, Y) through.
    bool clipAllows(int X, int Y) const;
    // Copies size, pixels and the transparency/clip/blend switches; keeps this
    // buffer's own pen, brush, font, pen width and Filled.
    void Assign(const TBitmap32& Source);
    QRect BoundsRect() const { return QRect(0, 0, Width, Height); }
    bool inside(int X, int Y) const { return X >= 0 && Y >= 0 && X < Width && Y < Height; }
    TColor32* scanLine(int Y) { return Bits.data() + std::size_t(Y) * std::size_t(Width); }
    const TColor32* scanLine(int Y) const {
        return Bits.data() + std::size_t(Y) * std::size_t(Width);
    }
    bool samePixels(const TBitmap32& other) const {
        return Width == other.Width && Height == other.Height && Bits == other.Bits;
    }

    // --- conversions to and from platform pictures (QImage) ---
    void LoadFromBitmap(const QImage& Bitmap, int Alpha);
    void DrawToDC(QImage& DC, int X, int Y) const;
    void StretchDrawToDC(QImage& DC, const QRect& Rect) const; // Rect: see TRect()
    void DrawToBitmapCanvas(QImage& Bitmap) const;
    void DrawToBitmap(QImage& Bitmap) const;
    // A straight-alpha ARGB32 picture of the pixels (for clipboard, PNG export).
    QImage toImage() const;

    // --- raster primitives ---
    void MoveTo(int X, int Y) { PenPos = QPoint(X, Y); }
    void LineTo(int X, int Y);
    void Rectangle(int X1, int Y1, int X2, int Y2);
    void Rectangle(const QRect& R); // R built with TRect()
    void Ellipse(int X1, int Y1, int X2, int Y2);
    void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3);
    void Polygon(const std::vector<QPoint>& Points);
    void Polyline(const std::vector<QPoint>& Points);
    void PolyBezier(const std::vector<QPoint>& Points);
    QSize TextExtent(const QString& Text) const;
    int TextWidth(const QString& Text) const { return TextExtent(Text).width(); }
    int TextHeight(const QString& Text) const { return TextExtent(Text).height(); }
    void TextOut(int X, int Y, const QString& Text);
    void FloodFill(int X, int Y, TColor32 Color);
    void Draw(int X, int Y, const TBitmap32& Source);
    void StretchDraw(const QRect& Rect, const TBitmap32& Source);
    void CopyRect(const QRect& DestRect, const TBitmap32& Source, const QRect& SourceRect);
};

// A rectangle given as (Left, Top, Right, Bottom) with Right and Bottom
// exclusive, the way the whole program speaks of rectangles.
inline QRect TRect(int Left, int Top, int Right, int Bottom) {
    return QRect(QPoint(Left, Top), QPoint(Right - 1, Bottom - 1));
}
inline int RectRight(const QRect& R) {
    return R.left() + R.width();
}
inline int RectBottom(const QRect& R) {
    return R.top() + R.height();
}
