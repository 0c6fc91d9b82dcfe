#pragma once

#include "document/file/XcursorFile.h"

#include <QImage>

// An X cursor image as a picture to paint: its pixels at their size, the
// hot spot not marked.
QImage CursorPicture(const XcursorImage& Image);
// Paints Picture at Origin over a checkerboard of its size, with the hot spot
// at (HotX, HotY) marked by a small red cross, as the theme previews show it.
class QPainter;
void PaintCursorWithHotSpot(QPainter& P, const QPoint& Origin, const QImage& Picture, int HotX,
                            int HotY);
