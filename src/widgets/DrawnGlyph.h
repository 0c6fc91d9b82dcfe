#pragma once

#include <QIcon>
#include <QImage>
#include <QSize>
#include <functional>

class QPainter;

// Draws a glyph on a Size-sized canvas (logical pixels, antialiasing on).
using GlyphDrawing = std::function<void(QPainter&)>;

// The glyph drawn at Scale device pixels per logical pixel: a picture of
// Size x Scale pixels whose device pixel ratio is Scale.
QImage drawGlyph(QSize Size, qreal Scale, const GlyphDrawing& Draw);

// An icon that draws the glyph afresh for every size and screen density it is
// asked for, so it is as sharp at 1.5 or 2 device pixels per pixel as at 1.
// Disabled, it shows DrawDisabled when given, else the faded grey of
// disabledGlyph.
QIcon drawnGlyphIcon(QSize Size, GlyphDrawing Draw, GlyphDrawing DrawDisabled = nullptr);
