// brisel-cli extract FILE DIR: every image of FILE as an RGBA PNG picture,
// DIR/<base name>-<number>.png, numbered from 1 in directory order as info
// lists them.

#include "cli/CliAni.h"
#include "cli/CliCommon.h"

#include "document/file/AniPlan.h"
#include "document/file/IconCodecError.h"
#include "document/file/IconReader.h"
#include "document/file/PngCodec.h"

// The PNG of one image as a picture program should see it: transparent and
// screen-inverting pixels alike have alpha 0 (and no colour), everything else
// its own colour and, in 32-bit images, its own alpha.
std::vector<std::uint8_t> extractedPicture(IconRaster& Image, const TransparencySettings& Settings) {
    for (std::uint32_t& c : Image.Pixels) {
        const int a = EffectiveAlpha(c, Image.Format, Settings);
        c = a == 0 ? 0 : (c & 0xFFFFFFu) | (std::uint32_t(a) << 24);
    }
    return EncodePng(Image.Pixels.data(), Image.Width, Image.Height, PngPacking::Fast);
}

int runExtract(const Arguments& Args) {
    if (Args.size() != 2) throw CliError("extract: give one FILE and one DIR");
    const std::string& path = Args[0];
    const std::string& dir = Args[1];
    const TransparencySettings settings;
    const std::vector<std::uint8_t> bytes = readWholeFile(path);
    if (LooksLikeAniFile(bytes.data(), bytes.size())) return extractAni(path, dir, bytes);
    IconContents contents;
    try {
        contents = DecodeIconFile(bytes.data(), bytes.size(), path, settings,
                                  PngImages::KeepWholeRgba);
    } catch (const IconCodecError& e) {
        throw CliError(e.what());
    }
    makeFolders(dir);
    const std::string base = dir + "/" + baseName(path) + "-";
    std::size_t pixels = 0;
    for (const IconRaster& image : contents.Images)
        pixels += image.Pixels.size();
    forEachParallel(int(contents.Images.size()), pixels, [&](int i) {
        IconRaster& image = contents.Images[std::size_t(i)];
        const std::string name = base + std::to_string(i + 1) + ".png";
        // A whole RGBA PNG picture of the file already is that picture and
        // goes out byte for byte.
        if (image.PngLength > 0) {
            writeFileReplacing(name, [&](int fd) {
                writeAt(fd, name, bytes.data() + image.PngOffset, image.PngLength, 0);
            });
        } else {
            writeFileReplacing(name, extractedPicture(image, settings));
        }
    });
    return 0;
}
