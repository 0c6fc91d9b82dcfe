#pragma once

#include "document/IconImage.h"

#include <QImage>

// The image list shows every image as a 32 x 32 picture.
constexpr int ThumbnailSize = 32;

// A white 32 x 32 picture: what a new blank image shows until its first
// committed change, and the ground every thumbnail is drawn on.
QImage BlankThumbnail();

// The pixels drawn onto a blank thumbnail, mixed by alpha: unscaled and centred
// when they fit, otherwise scaled down keeping their proportions.
QImage MakeThumbnail(const TBitmap32& Pixels);
inline QImage MakeThumbnail(const IconImage& Image) {
    return MakeThumbnail(Image.Pixels);
}
