#include "document/file/AniReader.h"
#include "document/file/Parallel.h"

#include "document/file/AniPlan.h"
#include "document/file/IconCodecError.h"
#include "document/file/IconFilePlan.h"
#include "document/file/IconReader.h"
#include "document/file/LittleEndianOut.h"

namespace {

std::uint32_t u32(const std::uint8_t* P) {
    return std::uint32_t(P[0]) | (std::uint32_t(P[1]) << 8) | (std::uint32_t(P[2]) << 16) |
           (std::uint32_t(P[3]) << 24);
}

std::string frameName(std::size_t Index) {
    return "Frame " + std::to_string(Index + 1);
}

// A bare frame as the one image of an icon file, so the icon reader reads it:
// a bitmap header (40 bytes or one of its longer successors) whose height
// counts the colour bitmap and the mask, as in an icon. Empty when the bytes
// do not start with such a header.
std::vector<std::uint8_t> iconOfBitmap(const std::uint8_t* Bits, std::size_t Length) {
    if (Length < 40) return {};
    const std::uint32_t header = u32(Bits);
    const std::int32_t width = std::int32_t(u32(Bits + 4));
    const std::int32_t height = std::int32_t(u32(Bits + 8)) / 2;
    const unsigned planes = unsigned(Bits[12]) | (unsigned(Bits[13]) << 8);
    if ((header != 40 && header != 52 && header != 56 && header != 108 && header != 124) ||
        planes != 1 || width < 1 || width > IconFile::MaxSide || height < 1 ||
        height > IconFile::MaxSide)
        return {};
    std::vector<std::uint8_t> file;
    file.reserve(IconFile::HeaderSize + IconFile::EntrySize + Length);
    putU16(file, 0);
    putU16(file, IconFile::TypeCursor);
    putU16(file, 1);
    file.push_back(IconFile::SideByte(width));
    file.push_back(IconFile::SideByte(height));
    putU16(file, 0);
    putU32(file, 0); // hot spot (0, 0)
    putU32(file, std::uint32_t(Length));
    putU32(file, IconFile::HeaderSize + IconFile::EntrySize);
    file.insert(file.end(), Bits, Bits + Length);
    return file;
}

} // namespace

AniContents DecodeAniFile(const std::uint8_t* Data, std::size_t Size, const std::string& FileName,
                          const TransparencySettings& Settings) {
    AniFilePlan plan = PlanAniFile(Data, Size, FileName);
    const auto refuse = [&](const std::string& Reason) { RefuseAniFile(FileName, Reason); };
    AniContents contents;
    contents.Info = std::move(plan.Info);

    // The frames' own bytes, and their sizes summed before any pixel is made:
    // a few bytes of PNG can stand for a large picture.
    std::vector<std::vector<std::uint8_t>> files(plan.Frames.size());
    std::uint64_t pixels = 0;
    for (std::size_t i = 0; i < plan.Frames.size(); ++i) {
        const std::uint8_t* at = Data + plan.Frames[i].Offset;
        const std::size_t length = std::size_t(plan.Frames[i].Length);
        if (plan.RawFrames) {
            files[i] = iconOfBitmap(at, length);
            if (files[i].empty()) refuse(frameName(i) + " is neither an icon file nor a bitmap.");
        } else {
            files[i].assign(at, at + length);
        }
        try {
            const IconFilePlan icon =
                PlanIconFile(MemoryByteSource(files[i].data(), files[i].size()), frameName(i));
            for (const IconImagePlan& p : icon.Images)
                pixels += std::uint64_t(p.Width) * std::uint64_t(p.Height);
        } catch (const IconCodecError& e) {
            refuse(e.what());
        }
        if (pixels > AniFile::MaxPixels)
            refuse("Its frames hold more than " + std::to_string(AniFile::MaxPixels) + " pixels.");
    }

    // Every frame is a file of its own: they decode side by side, and a bad
    // one is reported as the first bad frame whatever the timing.
    contents.Frames.resize(plan.Frames.size());
    forEachParallel(int(plan.Frames.size()), std::size_t(pixels), [&](int f) {
        const std::size_t i = std::size_t(f);
        AniFrame& frame = contents.Frames[i];
        try {
            frame.Icon = DecodeIconFile(files[i].data(), files[i].size(), frameName(i), Settings);
        } catch (const IconCodecError& e) {
            refuse(e.what());
        }
        if (plan.RawFrames) {
            // One 32-bit image: masked pixels already have alpha 0, and a
            // bitmap frame has no bytes of a cursor file to keep.
            IconRaster& image = frame.Icon.Images.front();
            image.Format = 32;
            image.Palette.clear();
            image.StoredLength = 0;
            frame.Icon.FileType = IconFile::TypeCursor;
            return;
        }
        // An icon's directory holds planes and bit count where a cursor keeps
        // its hot spot.
        if (frame.Icon.FileType != IconFile::TypeCursor)
            for (IconRaster& image : frame.Icon.Images)
                image.HotSpotX = image.HotSpotY = 0;
        frame.Bytes = std::move(files[i]);
    });
    return contents;
}
