#include "widgets/Contrast.h"

#include <QGuiApplication>
#include <QPalette>
#include <algorithm>
#include <cmath>

namespace {

double linear(double Channel) {
    return Channel <= 0.04045 ? Channel / 12.92 : std::pow((Channel + 0.055) / 1.055, 2.4);
}

} // namespace

double relativeLuminance(const QColor& C) {
    const QColor rgb = C.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

double contrastRatio(const QColor& A, const QColor& B) {
    const double a = relativeLuminance(A), b = relativeLuminance(B);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor readableOn(const QColor& Preferred, const QColor& Back, double Minimum) {
    if (contrastRatio(Preferred, Back) >= Minimum) return Preferred;
    // Shaded in tenths towards black or white, whichever lies away from
    // Back, so that the colour keeps its hue as far as it can.
    const QColor black(Qt::black), white(Qt::white);
    const QColor away = contrastRatio(black, Back) >= contrastRatio(white, Back) ? black : white;
    const QColor from = Preferred.toRgb();
    for (int step = 1; step < 10; ++step) {
        const double t = step / 10.0;
        const QColor mix =
            QColor::fromRgbF(float(from.redF() + (away.redF() - from.redF()) * t),
                             float(from.greenF() + (away.greenF() - from.greenF()) * t),
                             float(from.blueF() + (away.blueF() - from.blueF()) * t));
        if (contrastRatio(mix, Back) >= Minimum) return mix;
    }
    return away;
}

QPalette withReadableSelection(QPalette Palette) {
    // A little over the text figure: small smoothed captions on a selection
    // never quite reach their full colour.
    constexpr double margin = 0.5;
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive})
        Palette.setColor(g, QPalette::Highlight,
                         readableOn(Palette.color(g, QPalette::Highlight),
                                    Palette.color(g, QPalette::HighlightedText),
                                    TextContrast + margin));
    return Palette;
}

bool isDarkPalette(const QPalette& Palette) {
    return relativeLuminance(Palette.color(QPalette::Window)) <
           relativeLuminance(Palette.color(QPalette::WindowText));
}

QColor glyphInk() {
    const QPalette palette = QGuiApplication::palette();
    const QColor dark(32, 32, 40), light(232, 232, 238);
    const QColor face = palette.color(QPalette::Button);
    return contrastRatio(dark, face) >= contrastRatio(light, face) ? dark : light;
}

QColor glyphColour(const QColor& Preferred) {
    return readableOn(Preferred, QGuiApplication::palette().color(QPalette::Button), GlyphContrast);
}
