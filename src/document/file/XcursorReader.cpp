#include "document/file/XcursorReader.h"

#include "document/file/IconByteCursor.h"
#include "document/file/IconCodecError.h"
#include "document/file/XcursorPixel.h"

#include <cstring>

namespace {

struct TocEntry {
    std::uint32_t Type;
    std::uint32_t Subtype;
    std::uint32_t Position;
};

struct Refusal {
    std::string Reason;
};

// The chunk header every chunk starts with, checked against its table entry
// as libXcursor checks it; gives the header's length.
std::uint32_t readChunkHeader(IconByteCursor& In, const TocEntry& E, std::uint32_t MinHeader) {
    In.seek(E.Position);
    const std::uint32_t header = In.u32();
    const std::uint32_t type = In.u32();
    const std::uint32_t subtype = In.u32();
    In.u32(); // version
    if (type != E.Type || subtype != E.Subtype)
        throw Refusal{"A chunk does not match its entry in the table of contents."};
    if (header < MinHeader) throw Refusal{"A chunk header is too short."};
    return header;
}

// Chunks may share bytes, so the pixels in the file do not bound what a
// table of 65536 entries could ask for; the images together stop here
// (256 MiB of pixels, far beyond any cursor theme).
constexpr std::int64_t MaxTotalPixels = std::int64_t(1) << 26;

// An image chunk's header, checked; the cursor is left on its pixels, which
// are checked to lie in the file.
XcursorImage readImageHeader(IconByteCursor& In, const TocEntry& E) {
    const std::uint32_t header = readChunkHeader(In, E, Xcursor::ImageHeaderSize);
    XcursorImage image;
    image.NominalSize = E.Subtype;
    const std::uint32_t width = In.u32(), height = In.u32();
    const std::uint32_t xhot = In.u32(), yhot = In.u32();
    image.DelayMs = In.u32();
    if (width < 1 || height < 1 || width > Xcursor::MaxSide || height > Xcursor::MaxSide)
        throw Refusal{"An image is " + std::to_string(width) + " x " + std::to_string(height) +
                      " pixels; sides of 1 to 32767 are possible."};
    if (xhot > width || yhot > height) throw Refusal{"An image has its hot spot outside it."};
    In.seek(std::int64_t(E.Position) + header);
    if (!In.has(std::int64_t(width) * height * 4))
        throw Refusal{"An image's pixels run past the end of the file."};
    image.Width = int(width);
    image.Height = int(height);
    image.HotSpotX = int(xhot < width ? xhot : width - 1);
    image.HotSpotY = int(yhot < height ? yhot : height - 1);
    return image;
}

XcursorImage readImage(IconByteCursor& In, const TocEntry& E) {
    XcursorImage image = readImageHeader(In, E);
    const std::int64_t count = std::int64_t(image.Width) * image.Height;
    image.Pixels.resize(std::size_t(count));
    const std::uint8_t* p = In.peek(count * 4);
    for (std::size_t i = 0; i < image.Pixels.size(); ++i, p += 4) {
        const std::uint32_t argb = std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 |
                                   std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
        image.Pixels[i] = straightFromArgb(argb);
    }
    return image;
}

XcursorComment readComment(IconByteCursor& In, const TocEntry& E) {
    const std::uint32_t header = readChunkHeader(In, E, Xcursor::CommentHeaderSize);
    const std::uint32_t length = In.u32();
    if (length > Xcursor::MaxCommentLength) throw Refusal{"A comment is too long."};
    In.seek(std::int64_t(E.Position) + header);
    XcursorComment comment;
    comment.Kind = E.Subtype;
    const std::uint8_t* text = In.peek(length);
    comment.Text.assign(reinterpret_cast<const char*>(text), length);
    return comment;
}

XcursorContents decode(IconByteCursor& In) {
    if (In.u32() != Xcursor::Magic) throw Refusal{"It does not start with \"Xcur\"."};
    const std::uint32_t header = In.u32();
    In.u32(); // version: libXcursor reads every version
    const std::uint32_t ntoc = In.u32();
    if (header < Xcursor::HeaderSize) throw Refusal{"Its header is too short."};
    if (ntoc > Xcursor::MaxTocEntries) throw Refusal{"Its table of contents is too long."};
    In.seek(header);
    if (!In.has(std::int64_t(ntoc) * Xcursor::TocEntrySize))
        throw Refusal{"Its table of contents runs past the end of the file."};
    std::vector<TocEntry> toc(ntoc);
    for (TocEntry& e : toc)
        e = {In.u32(), In.u32(), In.u32()};
    // Every image header is checked, and the pixels counted, before any
    // pixels are allocated.
    std::int64_t totalPixels = 0;
    for (const TocEntry& e : toc)
        if (e.Type == Xcursor::ImageType) {
            const XcursorImage image = readImageHeader(In, e);
            totalPixels += std::int64_t(image.Width) * image.Height;
            if (totalPixels > MaxTotalPixels) throw Refusal{"Its images are too large together."};
        }
    XcursorContents contents;
    for (const TocEntry& e : toc) {
        if (e.Type == Xcursor::ImageType)
            contents.Images.push_back(readImage(In, e));
        else if (e.Type == Xcursor::CommentType)
            contents.Comments.push_back(readComment(In, e));
    }
    if (contents.Images.empty()) throw Refusal{"It holds no images."};
    return contents;
}

} // namespace

bool IsXcursorFile(const std::uint8_t* Data, std::size_t Size) {
    return Size >= 4 && std::memcmp(Data, "Xcur", 4) == 0;
}

XcursorContents DecodeXcursorFile(const std::uint8_t* Data, std::size_t Size,
                                  const std::string& FileName) {
    const auto refuse = [&](const std::string& Reason) {
        std::string text = FileName + " is not an X cursor.";
        if (!Reason.empty()) text += ' ' + Reason;
        return IconCodecError(text);
    };
    IconByteCursor in(Data, std::int64_t(Size));
    try {
        return decode(in);
    } catch (const Refusal& r) {
        throw refuse(r.Reason);
    } catch (const IconByteCursor::Overrun&) {
        throw refuse("It ends too early.");
    }
}
