#pragma once

#include "document/AniFileIO.h"

// Animated X cursors in the editor: opened as a document of frames, as an
// animated cursor would be (XcursorAni.h), and saved back from one.

// Whether Bytes are an X cursor one of whose sizes has more than one frame.
bool IsAnimatedXcursorData(const QByteArray& Bytes);

// Each frame of the size with most frames becomes a frame holding every size
// of at most 256 pixels, shown for the jiffies nearest its delay. Notice
// names what the document cannot keep: larger sizes, nominal sizes other
// than the pixel sizes, delays that jiffies do not hold, a licence. Throws
// IconFileError "<FileName> is not ..." when the file cannot be read.
AniFileContents ReadXcursorAnimation(const QByteArray& Bytes, const QString& FileName,
                                     const PalettePicture& ColourChart = PalettePicture());

// The document's steps as an X cursor: every step a frame of each size of
// the first frame (XcursorFromAni), the title and author as comments.
// InvertedPixels counts the screen-inverting pixels that became dark ones
// with a light outline. Throws IconFileError when it cannot be stored.
QByteArray WriteXcursorAnimation(const IconDocument& Document, const TransparencySettings& Settings,
                                 int& InvertedPixels);
// Writes it at Path as SaveFileBytes does.
void SaveXcursorAnimation(const QString& Path, const IconDocument& Document,
                          const TransparencySettings& Settings, int& InvertedPixels);
