#include "widgets/DisabledGlyph.h"

#include <QPixmap>

QImage disabledGlyph(const QImage& Glyph) {
    QImage out = Glyph.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            // Squeeze the grey into a narrow middle band and halve the
            // opacity: the shape stays readable, the colour is gone.
            const int grey = 110 + qGray(row[x]) * 90 / 255;
            row[x] = qRgba(grey, grey, grey, qAlpha(row[x]) / 2);
        }
    }
    return out;
}

QIcon iconWithDisabledGlyph(const QImage& Glyph) {
    QIcon icon(QPixmap::fromImage(Glyph));
    icon.addPixmap(QPixmap::fromImage(disabledGlyph(Glyph)), QIcon::Disabled);
    return icon;
}
