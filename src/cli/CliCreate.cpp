// brisel-cli create OUT [--cursor] [--format 1|4|8|24|32] [--palette FILE]
// [--png] [--hotspot X,Y] PICTURE...: one image per picture, in the order given.

#include "cli/CliCreate.h"

#include "cli/CliAni.h"

#include "document/file/IconCodecError.h"
#include "document/file/IconReader.h"
#include "document/file/IconWriter.h"
#include "document/file/PaletteFit.h"
#include "document/file/PaletteFormats.h"
#include "document/file/PngCodec.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>

namespace {

// The palette of --palette, cut or filled with black to the format's length;
// a palette of another length is used all the same, and a note says so.
void loadPalette(CreateOptions& O) {
    const int entries = IconFile::ColourTableEntries(O.Format);
    if (entries == 0) throw CliError("create: --palette needs --format 1, 4 or 8");
    const std::vector<std::uint8_t> bytes = readWholeFile(O.PaletteFile);
    try {
        std::string note;
        O.Palette = FitPaletteLength(
            DecodePaletteFile(bytes.data(), bytes.size(), O.PaletteFile).Colours, entries, note);
        if (!note.empty()) printError(O.PaletteFile + ": " + note);
    } catch (const PaletteFormatError& e) {
        throw CliError(e.what());
    }
}

CreateOptions parseCreate(const Arguments& Args) {
    CreateOptions o;
    ArgumentReader args("create", Args);
    while (args.next()) {
        const std::string& a = args.argument();
        if (a == "--cursor") {
            o.Type = IconFile::TypeCursor;
        } else if (a == "--png") {
            o.Png = true;
        } else if (a == "--sizes") {
            o.Sizes = parseSizes("create", args.value(), IconFile::MaxSide);
        } else if (a == "--format") {
            const std::string& v = args.value();
            const int f = parseNumber("create", v, 1, 32, "the format");
            if (!IconFile::IsSupportedBitCount(f))
                throw CliError("create: the format must be 1, 4, 8, 24 or 32, not \"" + v + "\"");
            o.Format = ColourFormat(f);
        } else if (a == "--palette") {
            o.PaletteFile = args.value();
        } else if (a == "--hotspot") {
            // Checked against the pictures once they are known: a size set's
            // hot spot is a point of its one picture, which may be large.
            parseHotSpot("create", args.value(), 65535, o.HotSpotX, o.HotSpotY);
            o.HotSpotGiven = true;
        } else if (args.isOption()) {
            throw CliError("create: unknown option " + a);
        } else if (o.Out.empty()) {
            o.Out = a;
        } else {
            o.Pictures.push_back(a);
        }
    }
    if (o.Out.empty() || o.Pictures.empty())
        throw CliError("create: give OUT and at least one PICTURE");
    if (o.HotSpotGiven && o.Type != IconFile::TypeCursor)
        throw CliError("create: a hot spot belongs to a cursor; add --cursor");
    if (!o.PaletteFile.empty()) loadPalette(o);
    if (!o.Sizes.empty() && o.Pictures.size() != 1)
        throw CliError("create: --sizes makes a size set from one PICTURE");
    if (o.Sizes.empty() && (o.HotSpotX > 255 || o.HotSpotY > 255))
        throw CliError("create: the hot spot " + std::to_string(o.HotSpotX) + "," +
                       std::to_string(o.HotSpotY) + " lies outside 0 to 255");
    return o;
}

// A picture's size from its header, checked to be a PNG picture an image can
// hold.
void pictureSize(const std::string& Path, int& W, int& H) {
    std::uint8_t head[24];
    const std::size_t n = readFileStart(Path, head, sizeof head);
    if (!PngSize(head, n, W, H)) throw CliError(Path + ": not a PNG picture");
    if (W > IconFile::MaxSide || H > IconFile::MaxSide)
        throw CliError(Path + ": the picture is " + std::to_string(W) + " x " + std::to_string(H) +
                       " pixels; an image is at most 256 x 256");
}

// The image of picture Path, whose header gave Want's size.
IconRaster imageOf(const std::string& Path, const IconImageView& Want, const CreateOptions& O) {
    IconRaster image = pictureImage(Path, readWholeFile(Path));
    if (image.Width != Want.Width || image.Height != Want.Height)
        throw CliError(Path + ": the picture changed while it was read");
    image.HotSpotX = std::uint8_t(O.HotSpotX);
    image.HotSpotY = std::uint8_t(O.HotSpotY);
    giveCreateFormat(image, O);
    return image;
}

bool writtenAsPng(const IconImageView& V) {
    return IconFile::WrittenAsPng(V.Width, V.Height, V.Format, V.StoredAsPng);
}

IconImageView viewOf(const IconRaster& R) {
    IconImageView v{R.Width,    R.Height,        R.Format,  R.HotSpotX,
                    R.HotSpotY, R.Pixels.data(), &R.Palette};
    v.StoredAsPng = R.StoredAsPng;
    return v;
}

} // namespace

int parseNumber(const std::string& Text, int Low, int High, const std::string& What) {
    return parseNumber("create", Text, Low, High, What);
}

IconRaster pictureImage(const std::string& Path, const std::vector<std::uint8_t>& Bytes) {
    IconRaster image;
    try {
        PngPicture picture = DecodePng(Bytes.data(), Bytes.size(), IconFile::MaxSide);
        image.Width = picture.Width;
        image.Height = picture.Height;
        image.Pixels = std::move(picture.Pixels);
    } catch (const PngError& e) {
        throw CliError(Path + ": " + e.what());
    }
    return image;
}

void giveCreateFormat(IconRaster& Image, const CreateOptions& O) {
    Image.Format = O.Format;
    Image.StoredAsPng = O.Png && O.Format == 32;
    const int entries = IconFile::ColourTableEntries(O.Format);
    if (entries > 0) {
        // The palette given, or the picture's first colours in reading
        // order with the entries they leave over black. Every visible pixel
        // then takes its nearest entry.
        Image.Palette = !O.Palette.empty() ? O.Palette
                                           : PaletteOfFirstColours(Image.Pixels.data(),
                                                                   Image.Pixels.size(), entries);
        SnapToPalette(Image.Pixels.data(), Image.Pixels.size(), Image.Palette);
    }
}

void saveImages(const std::string& Out, std::uint16_t Type, const std::vector<IconRaster>& Images,
                const std::vector<std::uint8_t>* Stored) {
    std::vector<IconImageView> views;
    views.reserve(Images.size());
    for (const IconRaster& r : Images) {
        views.push_back(viewOf(r));
        if (Stored && r.StoredLength > 0) {
            views.back().Stored = Stored->data() + r.StoredOffset;
            views.back().StoredLength = r.StoredLength;
        }
    }
    std::vector<std::uint8_t> bytes;
    try {
        bytes = EncodeIconFile(Type, views, TransparencySettings());
    } catch (const IconCodecError& e) {
        throw CliError(Out + ": " + e.what());
    }
    writeFileReplacing(Out, bytes);
}

int runCreate(const Arguments& Args) {
    if (createsAni(Args)) return runCreateAni(Args);
    const CreateOptions o = parseCreate(Args);
    if (!o.Sizes.empty()) return runSizeSet(o);
    if (o.Pictures.size() > std::size_t(IconFile::MaxImageCount))
        throw CliError("create: a file holds at most " + std::to_string(IconFile::MaxImageCount) +
                       " images");
    // The directory comes first and needs every image's size and length; a
    // bitmap's length follows from its size, a PNG picture's is known once
    // it is packed. Bitmaps are then made one at a time and written at
    // their place, so no more than a picture per thread is held in memory.
    const std::size_t n = o.Pictures.size();
    std::vector<IconImageView> views(n);
    std::size_t pixels = 0, pngPixels = 0;
    for (std::size_t i = 0; i < n; ++i) {
        IconImageView& v = views[i];
        pictureSize(o.Pictures[i], v.Width, v.Height);
        v.Format = o.Format;
        v.StoredAsPng = o.Png && o.Format == 32;
        v.HotSpotX = std::uint8_t(o.HotSpotX);
        v.HotSpotY = std::uint8_t(o.HotSpotY);
        const std::size_t count = std::size_t(v.Width) * std::size_t(v.Height);
        pixels += count;
        if (writtenAsPng(v)) pngPixels += count;
    }
    const auto encoded = [&](std::size_t i) {
        const IconRaster r = imageOf(o.Pictures[i], views[i], o);
        try {
            return EncodeIconImage(viewOf(r), TransparencySettings());
        } catch (const IconCodecError& e) {
            throw CliError(o.Out + ": " + e.what());
        }
    };
    std::vector<std::vector<std::uint8_t>> pngs(n);
    forEachParallel(int(n), pngPixels, [&](int i) {
        const std::size_t k = std::size_t(i);
        if (writtenAsPng(views[k])) pngs[k] = encoded(k);
    });
    std::vector<std::uint32_t> sizes(n);
    for (std::size_t i = 0; i < n; ++i)
        sizes[i] =
            writtenAsPng(views[i]) ? std::uint32_t(pngs[i].size()) : BitmapImageSize(views[i]);
    std::vector<std::uint8_t> directory;
    try {
        directory = EncodeIconDirectory(o.Type, views, sizes);
    } catch (const IconCodecError& e) {
        throw CliError(o.Out + ": " + e.what());
    }
    std::vector<std::uint64_t> offsets(n);
    std::uint64_t at = directory.size();
    for (std::size_t i = 0; i < n; ++i) {
        offsets[i] = at;
        at += sizes[i];
    }
    writeFileReplacing(o.Out, [&](int fd) {
        writeAt(fd, o.Out, directory.data(), directory.size(), 0);
        forEachParallel(int(n), pixels - pngPixels, [&](int i) {
            const std::size_t k = std::size_t(i);
            const std::vector<std::uint8_t> bytes =
                pngs[k].empty() ? encoded(k) : std::move(pngs[k]);
            writeAt(fd, o.Out, bytes.data(), bytes.size(), offsets[k]);
        });
    });
    return 0;
}
