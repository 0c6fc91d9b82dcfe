// Text extent and text output.
#include "pixel/CoverageMask.h"
#include "pixel/TBitmap32.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>

namespace {

// Glyph coverage must be one grey value per pixel, so sub-pixel (coloured)
// smoothing is turned off for the mask.
QFont maskFont(const QFont& font) {
    QFont f(font);
    f.setStyleStrategy(QFont::StyleStrategy(f.styleStrategy() | QFont::NoSubpixelAntialias));
    return f;
}

// Metrics on the same kind of device the text is drawn on, so that the
// measured and the drawn text agree whatever the screen's resolution.
QFontMetrics maskMetrics(const QFont& font) {
    const QImage device(1, 1, QImage::Format_RGB32);
    return QFontMetrics(font, &device);
}

} // namespace

QSize TBitmap32::TextExtent(const QString& Text) const {
    const QFontMetrics fm = maskMetrics(maskFont(Font));
    return QSize(fm.horizontalAdvance(Text), fm.height());
}

void TBitmap32::TextOut(int X, int Y, const QString& Text) {
    const QFont font = maskFont(Font);
    const QFontMetrics fm = maskMetrics(font);
    const int tw = fm.horizontalAdvance(Text), th = fm.height();
    if (tw <= 0 || th <= 0) return;

    // Twice the text cell, so overhanging glyphs (italics) still fit. White
    // is "not covered"; glyphs are black, smoothed, so a pixel's red channel
    // runs from 0 (fully covered) to 255 (not covered).
    QImage mask(2 * tw, 2 * th, QImage::Format_RGB32);
    mask.fill(Qt::white);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::TextAntialiasing, true);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(QPoint(0, fm.ascent()), Text);
    }
    // The opaque background box is the text cell; it is only drawn when it
    // would show.
    const QRect box = Filled && AlphaOf(BrushColor) != 0 ? QRect(0, 0, tw, th) : QRect();
    const TColor fontRGB = Color32ToColor(FontColor);
    const int fontAlpha = AlphaOf(FontColor);

    const auto [xFrom, xTo] = visibleSteps(X, mask.width(), Width);
    const auto [yFrom, yTo] = visibleSteps(Y, mask.height(), Height);
    for (int y = yFrom; y < yTo; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = xFrom; x < xTo; ++x) {
            const int r = qRed(row[x]);
            if (r == 255) {
                if (box.contains(x, y)) PutPixel(X + x, Y + y, BrushColor);
                continue;
            }
            // Coverage lowers the text's own alpha by subtraction.
            TColor32 t = SetAlpha(fontRGB, std::max(0, fontAlpha - r));
            if (Filled) t = BlendColor32(BrushColor, t);
            PutPixel(X + x, Y + y, t);
        }
    }
}
