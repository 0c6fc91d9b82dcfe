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
// The same thumbnail for a screen with Scale device pixels per pixel: a
// picture of 32 x Scale pixels with that device pixel ratio. Every image
// pixel is repeated, never blended, so the picture is as sharp as at 1; a
// large image is sampled at the finer size, so it shows more of its detail.
QImage MakeThumbnail(const TBitmap32& Pixels, qreal Scale);
inline QImage MakeThumbnail(const IconImage& Image) {
    return MakeThumbnail(Image.Pixels);
}
