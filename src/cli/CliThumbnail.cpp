// brisel-cli thumbnail IN OUT SIZE: the picture file managers show for an icon
// or cursor file, written as an RGBA PNG whose longer side is SIZE; and
// thumbnail FILE... DIR SIZE for many files, DIR/<base name>.png each.

#include "cli/CliThumbnail.h"
#include "cli/CliBatch.h"
#include "cli/CliXcursor.h"

#include "document/file/AniPlan.h"
#include "document/file/AreaScale.h"

#include "document/file/IconCodecError.h"
#include "document/file/IconReader.h"
#include "document/file/PngCodec.h"
#include "document/file/XcursorReader.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>

namespace {

int parseSize(const std::string& Text) {
    char* end = nullptr;
    errno = 0;
    const long v = Text.empty() ? 0 : std::strtol(Text.c_str(), &end, 10);
    if (Text.empty() || *end != '\0' || errno != 0 || v < 1 || v > MaxThumbnailSize)
        throw CliError("thumbnail: SIZE must be a number from 1 to " +
                       std::to_string(MaxThumbnailSize) + ", not \"" + Text + "\"");
    return int(v);
}

void writeThumbnail(const std::string& in, const std::string& out, int size);

} // namespace

std::size_t ChooseThumbnailImage(const std::vector<IconRaster>& Images, int Size) {
    std::size_t best = 0;
    const auto side = [](const IconRaster& I) { return std::max(I.Width, I.Height); };
    const auto better = [&](const IconRaster& A, const IconRaster& B) {
        const int da = std::abs(side(A) - Size), db = std::abs(side(B) - Size);
        if (da != db) return da < db;
        // As near from above as from below: shrinking loses less than
        // enlarging, and more colours show more.
        if (side(A) != side(B)) return side(A) > side(B);
        return A.Format > B.Format;
    };
    for (std::size_t i = 1; i < Images.size(); ++i)
        if (better(Images[i], Images[best])) best = i;
    return best;
}

ThumbnailSize ThumbnailSizeOf(int Width, int Height, int Size) {
    if (Width >= Height)
        return {Size, std::max(1, int((std::int64_t(Height) * Size * 2 + Width) / (2 * Width)))};
    return {std::max(1, int((std::int64_t(Width) * Size * 2 + Height) / (2 * Height))), Size};
}

int runThumbnail(const Arguments& Args) {
    if (Args.size() < 3)
        throw CliError("thumbnail: give IN, OUT and SIZE, or FILEs, a DIR and SIZE");
    const int size = parseSize(Args.back());
    const std::string& out = Args[Args.size() - 2];
    // One file and an OUT that is no folder: OUT is the picture's own name.
    if (Args.size() == 3 && !isFolder(out)) {
        writeThumbnail(Args[0], out, size);
        return 0;
    }
    makeFolders(out);
    return forEachFile(Arguments(Args.begin(), Args.end() - 2), [&](const std::string& file) {
        writeThumbnail(file, out + "/" + baseName(file) + ".png", size);
    });
}

namespace {

void writeThumbnail(const std::string& in, const std::string& out, int size) {
    const TransparencySettings settings;
    const std::vector<std::uint8_t> bytes = readWholeFile(in);
    IconContents contents;
    // An animated cursor is shown by the frame of its first step.
    const std::uint8_t* data = bytes.data();
    std::size_t length = bytes.size();
    if (LooksLikeAniFile(data, length) && !AniFirstStepFrame(bytes.data(), bytes.size(), data, length))
        throw CliError(in + ": the animated cursor cannot be read");
    if (IsXcursorFile(data, length)) {
        contents.Images = xcursorStills(in, bytes);
    } else {
        try {
            contents = DecodeIconFile(data, length, in, settings);
        } catch (const IconCodecError& e) {
            throw CliError(e.what());
        }
    }
    if (contents.Images.empty()) throw CliError(in + ": the file holds no image");
    IconRaster& image = contents.Images[ChooseThumbnailImage(contents.Images, size)];
    // What a picture program should see: transparent and screen-inverting
    // pixels have alpha 0, every other pixel its colour and effective alpha.
    for (std::uint32_t& c : image.Pixels) {
        const int a = EffectiveAlpha(c, image.Format, settings);
        c = a == 0 ? 0 : (c & 0xFFFFFFu) | (std::uint32_t(a) << 24);
    }
    const ThumbnailSize to = ThumbnailSizeOf(image.Width, image.Height, size);
    const std::vector<std::uint32_t> scaled =
        AreaScale(image.Pixels.data(), image.Width, image.Height, to.Width, to.Height);
    writeFileReplacing(out, EncodePng(scaled.data(), to.Width, to.Height, PngPacking::Fast));
}

} // namespace
