#include "document/file/XcursorWriter.h"

#include "document/file/IconCodecError.h"
#include "document/file/LittleEndianOut.h"
#include "document/file/XcursorPixel.h"

#include <algorithm>

namespace {

void check(const XcursorImage& I) {
    if (I.NominalSize == 0) throw IconCodecError("An X cursor image cannot have a nominal size of 0.");
    if (I.Width < 1 || I.Height < 1 || I.Width > Xcursor::MaxSide || I.Height > Xcursor::MaxSide)
        throw IconCodecError("An X cursor image must be 1 to 32767 pixels each way.");
    if (I.HotSpotX < 0 || I.HotSpotY < 0 || I.HotSpotX >= I.Width || I.HotSpotY >= I.Height)
        throw IconCodecError("An X cursor image has its hot spot outside it.");
    if (I.Pixels.size() != std::size_t(I.Width) * std::size_t(I.Height))
        throw IconCodecError("An X cursor image has the wrong number of pixels.");
}

std::uint32_t imageChunkSize(const XcursorImage& I) {
    return Xcursor::ImageHeaderSize + std::uint32_t(I.Pixels.size()) * 4;
}

} // namespace

std::vector<std::uint8_t> EncodeXcursorFile(const XcursorContents& Contents) {
    if (Contents.Images.empty()) throw IconCodecError("An X cursor needs at least one image.");
    std::vector<const XcursorImage*> images;
    for (const XcursorImage& i : Contents.Images) {
        check(i);
        images.push_back(&i);
    }
    std::stable_sort(images.begin(), images.end(),
                     [](const XcursorImage* A, const XcursorImage* B) {
                         return A->NominalSize < B->NominalSize;
                     });
    const std::size_t ntoc = images.size() + Contents.Comments.size();
    if (ntoc > Xcursor::MaxTocEntries) throw IconCodecError("An X cursor holds too many chunks.");

    std::uint64_t total = Xcursor::HeaderSize + ntoc * Xcursor::TocEntrySize;
    for (const XcursorImage* i : images)
        total += imageChunkSize(*i);
    for (const XcursorComment& c : Contents.Comments) {
        if (c.Text.size() > Xcursor::MaxCommentLength)
            throw IconCodecError("An X cursor comment is too long.");
        total += Xcursor::CommentHeaderSize + c.Text.size();
    }
    if (total > 0xFFFFFFFFu) throw IconCodecError("An X cursor cannot be this large.");

    std::vector<std::uint8_t> out;
    out.reserve(std::size_t(total));
    putU32(out, Xcursor::Magic);
    putU32(out, Xcursor::HeaderSize);
    putU32(out, Xcursor::FileVersion);
    putU32(out, std::uint32_t(ntoc));
    std::uint32_t position = Xcursor::HeaderSize + std::uint32_t(ntoc) * Xcursor::TocEntrySize;
    for (const XcursorImage* i : images) {
        putU32(out, Xcursor::ImageType);
        putU32(out, i->NominalSize);
        putU32(out, position);
        position += imageChunkSize(*i);
    }
    for (const XcursorComment& c : Contents.Comments) {
        putU32(out, Xcursor::CommentType);
        putU32(out, c.Kind);
        putU32(out, position);
        position += Xcursor::CommentHeaderSize + std::uint32_t(c.Text.size());
    }
    for (const XcursorImage* i : images) {
        putU32(out, Xcursor::ImageHeaderSize);
        putU32(out, Xcursor::ImageType);
        putU32(out, i->NominalSize);
        putU32(out, Xcursor::ImageVersion);
        putU32(out, std::uint32_t(i->Width));
        putU32(out, std::uint32_t(i->Height));
        putU32(out, std::uint32_t(i->HotSpotX));
        putU32(out, std::uint32_t(i->HotSpotY));
        putU32(out, i->DelayMs);
        for (std::uint32_t c : i->Pixels)
            putU32(out, premultipliedArgb(c));
    }
    for (const XcursorComment& c : Contents.Comments) {
        putU32(out, Xcursor::CommentHeaderSize);
        putU32(out, Xcursor::CommentType);
        putU32(out, c.Kind);
        putU32(out, Xcursor::CommentVersion);
        putU32(out, std::uint32_t(c.Text.size()));
        out.insert(out.end(), c.Text.begin(), c.Text.end());
    }
    return out;
}
