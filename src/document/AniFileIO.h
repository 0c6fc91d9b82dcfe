#pragma once

#include "document/IconDocument.h"
#include "document/IconFrame.h"
#include "document/PalettePicture.h"
#include "document/file/AniFile.h"
#include "document/file/Transparency.h"

#include <QByteArray>
#include <QString>
#include <vector>

// An animated cursor (.ani) as the document holds it: frames of images, the
// sequence (empty when the frames play in order, each at its rate), the
// header's rate, title and author.
struct AniFileContents {
    std::vector<IconFrame> Frames;
    std::vector<FrameStep> Sequence;
    std::uint32_t DisplayRate = DefaultFrameRate;
    QString Title;
    QString Author;
    // What reading could not bring into the document, said once it is open.
    QString Notice;
};

// Whether Bytes start like an animated cursor (RIFF ACON).
bool IsAniFileData(const QByteArray& Bytes);

// Reads Bytes with the file core (AniReader.h): each frame's images as the
// icon reader gives them, true-colour images with ColourChart as palette,
// thumbnails left to the caller. A frame's rate is that of its first step.
// Throws IconFileError "<FileName> is not an animated cursor. <reason>".
AniFileContents ReadAniFile(const QByteArray& Bytes, const QString& FileName,
                            const TransparencySettings& Settings,
                            const PalettePicture& ColourChart = PalettePicture());

// An animation as the file core read it, as the document holds it (the
// images' pixels are moved out of Ani).
AniFileContents AniDocumentContents(AniContents& Ani, const PalettePicture& ColourChart);

// The document as an animated cursor (AniWriter.h): every frame a cursor
// file with its images and hot spots, unedited frames byte for byte; rates,
// sequence, title and author as the document holds them. Throws
// IconFileError when it cannot be stored.
QByteArray WriteAniFile(const IconDocument& Document, const TransparencySettings& Settings);
// Writes it at Path as SaveFileBytes does.
void SaveAniFile(const QString& Path, const IconDocument& Document,
                 const TransparencySettings& Settings);
