#include "canvas/tools/GradientBar.h"

#include "pixel/TBitmap32.h"

#include <QPainter>

QImage RenderGradientBar(const GradientColours& colours, const QImage& background) {
    QImage base(GradientBarWidth, GradientBarHeight, QImage::Format_RGB32);
    base.fill(Qt::white);
    if (!background.isNull()) {
        QPainter p(&base);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, background.convertToFormat(QImage::Format_RGB32));
    }

    TBitmap32 b;
    b.LoadFromBitmap(base, 255);
    b.Blend = true;
    for (int x = 0; x < GradientBarWidth; ++x) {
        const TColor32 c = colours[std::size_t(x)];
        for (int y = 0; y < GradientBarHeight; ++y)
            b.PutPixel(x, y, c);
    }

    QImage bar(GradientBarWidth, GradientBarHeight, QImage::Format_RGB32);
    bar.fill(Qt::black);
    b.DrawToBitmapCanvas(bar);
    return bar;
}
