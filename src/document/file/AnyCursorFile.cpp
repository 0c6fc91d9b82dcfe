#include "document/file/AnyCursorFile.h"

#include "document/file/AniPlan.h"
#include "document/file/AniReader.h"
#include "document/file/IconCodecError.h"
#include "document/file/IconReader.h"
#include "document/file/IconWriter.h"
#include "document/file/XcursorAni.h"
#include "document/file/XcursorConvert.h"
#include "document/file/XcursorReader.h"

CursorFileKind CursorFileKindOf(const std::uint8_t* Data, std::size_t Size) {
    if (IsXcursorFile(Data, Size)) return CursorFileKind::Xcursor;
    if (LooksLikeAniFile(Data, Size)) return CursorFileKind::Ani;
    if (Size >= 4 && Data[2] == IconFile::TypeIcon && Data[3] == 0) return CursorFileKind::Icon;
    return CursorFileKind::Cursor;
}

AnyCursor DecodeAnyCursor(const std::uint8_t* Data, std::size_t Size, const std::string& FileName,
                          const TransparencySettings& Settings) {
    AnyCursor out;
    out.Kind = CursorFileKindOf(Data, Size);
    if (out.Kind == CursorFileKind::Xcursor) {
        out.Contents = DecodeXcursorFile(Data, Size, FileName);
        return out;
    }
    if (out.Kind == CursorFileKind::Ani) {
        const AniContents ani = DecodeAniFile(Data, Size, FileName, Settings);
        try {
            out.Contents = XcursorFromAni(ani, Settings, out.InvertedPixels);
        } catch (const IconCodecError& e) {
            throw IconCodecError(FileName + ": " + e.what());
        }
        return out;
    }
    const IconContents icon = DecodeIconFile(Data, Size, FileName, Settings);
    out.Kind = icon.FileType == IconFile::TypeIcon ? CursorFileKind::Icon : CursorFileKind::Cursor;
    for (std::size_t i : OneImagePerSize(icon.Images)) {
        XcursorImage image = XcursorImageFromRaster(icon.Images[i], Settings, out.InvertedPixels);
        // An icon's directory holds planes and bit count where a cursor keeps
        // its hot spot.
        if (out.Kind == CursorFileKind::Icon) image.HotSpotX = image.HotSpotY = 0;
        out.Contents.Images.push_back(std::move(image));
    }
    return out;
}

std::vector<std::uint8_t> EncodeIconFileFromXcursor(std::uint16_t FileType,
                                                    const std::vector<XcursorImage>& Images,
                                                    IconFileOmissions& Omitted) {
    std::vector<IconRaster> rasters;
    for (std::uint32_t size : NominalSizes(Images)) {
        const std::vector<const XcursorImage*> frames = FramesOfSize(Images, size);
        const XcursorImage& first = *frames.front();
        if (first.Width > IconFile::MaxSide || first.Height > IconFile::MaxSide) {
            ++Omitted.TooLarge;
            continue;
        }
        Omitted.LaterFrames += int(frames.size()) - 1;
        rasters.push_back(RasterFromXcursorImage(first));
    }
    if (rasters.empty())
        throw IconCodecError("No image is small enough for an icon or cursor file (at most 256 "
                             "pixels each way).");
    std::vector<IconImageView> views;
    for (const IconRaster& r : rasters) {
        IconImageView v;
        v.Width = r.Width;
        v.Height = r.Height;
        v.Format = 32;
        v.HotSpotX = r.HotSpotX;
        v.HotSpotY = r.HotSpotY;
        v.Pixels = r.Pixels.data();
        v.StoredAsPng = r.StoredAsPng;
        views.push_back(v);
    }
    return EncodeIconFile(FileType, views, TransparencySettings());
}
