#include "document/file/IconReader.h"

#include "document/file/IconByteCursor.h"
#include "document/file/IconRgb.h"
#include "document/file/IconCodecError.h"
#include "document/file/IconFilePlan.h"
#include "document/file/ImageRows.h"
#include "document/file/PngCodec.h"
#include "document/file/PngPlainDecoder.h"

#include <algorithm>

namespace {

class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size, const std::string& fileName)
        : m_in(data, std::int64_t(size)), m_data(data), m_fileName(fileName) {}

    [[noreturn]] void refuse(const std::string& reason) const {
        throw IconCodecError::notAnIcon(m_fileName, reason);
    }

    [[noreturn]] void damagedPng(int n, const std::string& why) const {
        refuse("Image " + std::to_string(n) + " holds a damaged PNG picture (" + why + ").");
    }

    IconRaster readImage(int n, const IconImagePlan& p, const TransparencySettings& settings,
                         PngImages png) {
        IconRaster image;
        image.Width = p.Width;
        image.Height = p.Height;
        image.HotSpotX = p.HotSpotX;
        image.HotSpotY = p.HotSpotY;
        // The bytes the image was read from, for writing it back as it was
        // (a mask left out stays out: the directory then says so).
        image.StoredOffset = std::size_t(p.Offset);
        image.StoredLength = std::size_t(p.End - p.Offset);
        if (p.IsPng) {
            image.Format = 32;
            image.StoredAsPng = true;
            const std::uint8_t* at = m_data + p.Offset;
            std::size_t length = 0;
            if (png == PngImages::KeepWholeRgba &&
                IsWholeRgbaPng(at, std::size_t(p.DataSize), length)) {
                image.PngOffset = std::size_t(p.Offset);
                image.PngLength = length;
                return image;
            }
            try {
                PngPicture picture = DecodePng(at, std::size_t(p.DataSize), IconFile::MaxSide);
                // The planner read the same header; a picture that decodes to
                // another size is not the one it described.
                if (picture.Width != p.Width || picture.Height != p.Height)
                    damagedPng(n, "its header changed");
                image.Pixels = std::move(picture.Pixels);
            } catch (const PngError& e) {
                damagedPng(n, e.what());
            }
            return image;
        }
        image.Format = ColourFormat(p.BitCount);
        m_in.seek(p.Offset + p.HeaderSize);
        const int fullTable = IconFile::ColourTableEntries(p.BitCount);
        // The palette always has the format's full size; entries the file
        // does not list stay black.
        image.Palette.assign(std::size_t(fullTable), 0);
        for (int i = 0; i < p.TableEntries; ++i) {
            const std::uint8_t* bgr = m_in.peek(4);
            image.Palette[std::size_t(i)] = std::uint32_t(bgr[2]) | (std::uint32_t(bgr[1]) << 8) |
                                            (std::uint32_t(bgr[0]) << 16);
            m_in.skip(4);
        }
        image.Pixels.resize(std::size_t(p.Width) * std::size_t(p.Height));
        DecodeRows(image.Pixels.data(), p.Width, p.Height, image.Palette, p.BitCount, m_in);
        if (p.HasMask) applyMask(image, settings);
        return image;
    }

private:
    // Mask bit 1 over white inverts the screen, over anything else lets it
    // through. A 32-bit pixel that has alpha of its own keeps it: its alpha
    // channel, not the mask, says how it shows.
    void applyMask(IconRaster& image, const TransparencySettings& settings) {
        const int w = image.Width;
        const int stride = IconFile::RowStride(w, 1);
        const std::uint8_t* rows = m_in.peek(ImageDataSize(w, image.Height, 1));
        const std::uint32_t inverted = IconRgb::withAlpha(settings.InvColor, 0);
        const std::uint32_t transparent = IconRgb::withAlpha(settings.TraColor, 0);
        for (int y = 0; y < image.Height; ++y) {
            const std::uint8_t* bits = rows + std::size_t(image.Height - 1 - y) * std::size_t(stride);
            std::uint32_t* out = image.Pixels.data() + std::size_t(y) * std::size_t(w);
            for (int x = 0; x < w; ++x) {
                if (!((bits[x >> 3] >> (7 - (x & 7))) & 1)) continue;
                std::uint32_t& c = out[x];
                if (image.Format == 32 && IconRgb::alpha(c) != 0) continue;
                c = IconRgb::rgb(c) == 0xFFFFFFu ? inverted : transparent;
            }
        }
        m_in.skip(ImageDataSize(w, image.Height, 1));
    }

    IconByteCursor m_in;
    const std::uint8_t* m_data;
    std::string m_fileName;
};

} // namespace

IconContents DecodeIconFile(const std::uint8_t* Data, std::size_t Size,
                            const std::string& FileName, const TransparencySettings& Settings,
                            PngImages Png) {
    Reader reader(Data, Size, FileName);
    const IconFilePlan plan = PlanIconFile(MemoryByteSource(Data, Size), FileName);
    try {
        IconContents contents;
        contents.FileType = plan.FileType;
        contents.Images.reserve(plan.Images.size());
        for (std::size_t i = 0; i < plan.Images.size(); ++i)
            contents.Images.push_back(reader.readImage(int(i) + 1, plan.Images[i], Settings, Png));
        return contents;
    } catch (const IconByteCursor::Overrun&) {
        // Every size is checked before it is read; this is the safety net.
        reader.refuse("The file ends too early.");
    }
}

IconRaster DecodeIconFileImage(const std::uint8_t* Data, std::size_t Size,
                               const std::string& FileName, const TransparencySettings& Settings,
                               int Index) {
    Reader reader(Data, Size, FileName);
    const IconFilePlan plan = PlanIconFile(MemoryByteSource(Data, Size), FileName);
    if (Index < 0 || std::size_t(Index) >= plan.Images.size())
        reader.refuse("It has no image " + std::to_string(Index + 1) + ".");
    try {
        return reader.readImage(Index + 1, plan.Images[std::size_t(Index)], Settings,
                                PngImages::Decode);
    } catch (const IconByteCursor::Overrun&) {
        reader.refuse("The file ends too early.");
    }
}
