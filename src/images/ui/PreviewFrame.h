#pragma once

#include "document/IconImage.h"
#include "document/file/Transparency.h"
#include "pixel/TBitmap32.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

// The pictures of the preview window, free of widgets so they can be checked
// pixel by pixel.

// A colour of the program (red in the low byte) as Qt takes it.
inline QColor rgbColour(TColor C) {
    return QColor(RedOf(C), GreenOf(C), BlueOf(C));
}

// The paint box is this many pixels square; the image is centred in it. An
// image larger than that (the file format allows 256) gets a box as large as
// itself, so its last column and row show too.
inline constexpr int PreviewBoxSize = 255;
QSize previewBoxSize(int Width, int Height);
// The background margin the frame keeps around the image.
inline constexpr int PreviewMargin = 4;

// The committed image as the desktop would show it: outside 32 bits a pixel
// is either fully transparent or opaque, decided by the transparency model.
TBitmap32 makePreviewPicture(const TBitmap32& Clean, ColourFormat Format,
                             const TransparencySettings& Transparency);

// Where the image's top-left corner sits inside its paint box.
QPoint previewOrigin(int Width, int Height);

// (W + 8) x (H + 8) pixels of the background colour with the picture mixed
// onto it by alpha at (4, 4).
QImage makePreviewFrame(const TBitmap32& Picture, TColor Background);

// The magnifier under the mouse at Mouse (paint-box coordinates): 6 x 6 frame
// pixels centred on the pixel under the mouse, shown 13 x 13 around it.
struct MagnifierRects {
    QRect Source; // in frame pixels; may reach past the frame's edge
    QRect Target; // in paint-box pixels
};
std::optional<MagnifierRects> magnifierAt(QPoint Mouse, QPoint Origin, int Width, int Height);

// The Source pixels of Frame, those past its edge in the background colour.
QImage magnifierPixels(const QImage& Frame, const QRect& Source, TColor Background);
