#pragma once

#include "document/file/IconRaster.h"
#include "document/file/Transparency.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Reads an icon (.ico) or cursor (.cur) file held in memory: classic bitmaps
// of 1, 4, 8, 24 and 32 bits with their masks, and PNG pictures of up to
// 256 x 256 pixels (read as Format 32 with their own alpha). Bitmap pixels
// under the mask come back as TraColor with alpha 0, or InvColor with alpha 0
// over white.
// FileName only names the file in messages. A file that is not a readable
// icon throws IconCodecError "<FileName> is not an icon. <reason>"; the reader
// never reads outside Data and allocates nothing the file's size cannot back.
//
// With KeepWholeRgba, a PNG picture that is plain 8-bit RGBA and whole (its
// chunks complete with right CRCs up to IEND; see IsWholeRgbaPng) is left in
// Data (IconRaster::PngOffset and PngLength) instead of being decoded, for passing it on as
// it is; its pixels are not inflated. Every other PNG picture is decoded and
// judged as usual.
enum class PngImages { Decode, KeepWholeRgba };
IconContents DecodeIconFile(const std::uint8_t* Data, std::size_t Size,
                            const std::string& FileName, const TransparencySettings& Settings,
                            PngImages Png = PngImages::Decode);

// One image of the file (Index from 0, in directory order), the file checked
// as DecodeIconFile checks it but only that image's pixels decoded. An Index
// outside the file is refused like a damaged file.
IconRaster DecodeIconFileImage(const std::uint8_t* Data, std::size_t Size,
                               const std::string& FileName, const TransparencySettings& Settings,
                               int Index);
