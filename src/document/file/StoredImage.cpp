#include "document/file/StoredImage.h"

#include "document/file/IconCodecError.h"
#include "document/file/IconReader.h"
#include "document/file/LittleEndianOut.h"
#include "document/file/PngCodec.h"

#include <algorithm>

namespace {

bool samePalette(const IconImageView& Image, const std::vector<std::uint32_t>& Read) {
    const int entries = IconFile::ColourTableEntries(Image.Format);
    if (entries == 0) return true;
    static const std::vector<std::uint32_t> none;
    const std::vector<std::uint32_t>& own = Image.Palette ? *Image.Palette : none;
    if (Read.size() != std::size_t(entries)) return false;
    for (int i = 0; i < entries; ++i) {
        const std::uint32_t c = std::size_t(i) < own.size() ? own[std::size_t(i)] & 0xFFFFFFu : 0;
        if (c != Read[std::size_t(i)]) return false;
    }
    return true;
}

} // namespace

bool StoredBytesStillHold(const IconImageView& Image, const TransparencySettings& Settings) {
    if (!Image.Stored || Image.StoredLength == 0 || !Image.Pixels) return false;
    if (Image.StoredLength > 0xFFFFFFFFu - 64) return false;
    const bool png = IconFile::WrittenAsPng(Image.Width, Image.Height, Image.Format,
                                            Image.StoredAsPng);
    if (png != IsPng(Image.Stored, Image.StoredLength)) return false;
    // The bytes as the only image of a file, read by the one reader there is.
    std::vector<std::uint8_t> file;
    file.reserve(IconFile::HeaderSize + IconFile::EntrySize + Image.StoredLength);
    putU16(file, 0);
    putU16(file, IconFile::TypeIcon);
    putU16(file, 1);
    file.push_back(IconFile::SideByte(Image.Width));
    file.push_back(IconFile::SideByte(Image.Height));
    file.push_back(0);
    file.push_back(0);
    putU16(file, 1);
    putU16(file, Image.Format);
    putU32(file, std::uint32_t(Image.StoredLength));
    putU32(file, IconFile::HeaderSize + IconFile::EntrySize);
    file.insert(file.end(), Image.Stored, Image.Stored + Image.StoredLength);
    IconContents read;
    try {
        read = DecodeIconFile(file.data(), file.size(), std::string(), Settings);
    } catch (const IconCodecError&) {
        return false;
    }
    const IconRaster& r = read.Images.front();
    const std::size_t n = std::size_t(Image.Width) * std::size_t(Image.Height);
    return r.Width == Image.Width && r.Height == Image.Height && r.Format == Image.Format &&
           r.StoredAsPng == png && r.Pixels.size() == n &&
           std::equal(r.Pixels.begin(), r.Pixels.end(), Image.Pixels) &&
           samePalette(Image, r.Palette);
}
