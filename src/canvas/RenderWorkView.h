#pragma once

#include "canvas/WorkViewGeometry.h"
#include "document/IconImage.h"
#include "document/file/Transparency.h"
#include "pixel/TBitmap32.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <optional>

// A floating selection as the view lays it over the image: its own pixels,
// scaled into SelectionRect (image pixels, built with TRect(); it may reach
// past the image on any side).
struct FloatingSelectionOverlay {
    const TBitmap32* Pixels = nullptr; // not owned
    QRect SelectionRect;
};

// Everything the work view shows, as the editing session holds it.
struct WorkViewScene {
    // What is shown; nothing is drawn without it. With a floating selection it
    // is rebuilt from CleanBitmap with the selection drawn in.
    TBitmap32* WorkBitmap = nullptr;
    const TBitmap32* CleanBitmap = nullptr;
    std::optional<FloatingSelectionOverlay> Selection;
    ColourFormat Format = 32;
    TransparencySettings Transparency;
    bool GridShown = true;
    TColor GridColor = 0x808080;
    QPoint HotSpot; // of the active image, for the hot-spot marker
};

// The opaque colour in which a pixel of an image of the given format is shown:
// transparent pixels in TraColor, inverted ones in InvColor, partly transparent
// ones (Format 32 only) laid over TraColor by their alpha.
TColor DisplayColor(TColor32 Pixel, ColourFormat Format, const TransparencySettings& S);

// Below this many screen pixels per image pixel the grid is left out even
// when it is switched on: its lines would hide a third or more of the picture
// (a 256 x 256 image fitted into a small window would be mostly grid).
constexpr double MinGridZoom = 3.0;

// Rebuilds ViewBuffer (Format_RGB32, ScreenX(Width) x ScreenY(Height) of the
// WorkBitmap) from the scene: the display picture is made at image size and
// enlarged once by pixel replication, then the grid goes on top (from
// MinGridZoom up). ViewBuffer is reused while its size stays the same; its
// device pixel ratio is kept.
void RenderWorkView(const WorkViewScene& Scene, const WorkViewGeometry& Geometry,
                    QImage& ViewBuffer);
