// brisel-cli extract FILE... DIR: every image of each FILE as an RGBA PNG
// picture, DIR/<base name>-<number>.png, numbered from 1 in directory order as
// info lists them.

#include "cli/CliAni.h"
#include "cli/CliBatch.h"
#include "cli/CliPrograms.h"
#include "cli/CliXcursor.h"

#include "document/file/AniPlan.h"
#include "document/file/IconCodecError.h"
#include "document/file/IconReader.h"
#include "document/file/PngCodec.h"
#include "document/file/ProgramResources.h"
#include "document/file/XcursorReader.h"

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

namespace {

void extractIconFile(const std::string& path, const std::string& dir, const std::string& group) {
    const TransparencySettings settings;
    const std::vector<std::uint8_t> bytes = readWholeFile(path);
    if (LooksLikeProgram(bytes.data(), bytes.size()))
        return extractProgram(path, bytes, dir, group);
    if (!group.empty()) throw CliError(path + ": --group chooses among a program's groups");
    if (LooksLikeAniFile(bytes.data(), bytes.size())) {
        extractAni(path, dir, bytes);
        return;
    }
    if (IsXcursorFile(bytes.data(), bytes.size())) return extractXcursor(path, bytes, dir);
    IconContents contents;
    try {
        contents = DecodeIconFile(bytes.data(), bytes.size(), path, settings,
                                  PngImages::KeepWholeRgba);
    } catch (const IconCodecError& e) {
        throw CliError(e.what());
    }
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
}

} // namespace

int runExtract(const Arguments& Args) {
    Arguments files;
    std::string group;
    for (std::size_t i = 0; i < Args.size(); ++i) {
        if (Args[i] != "--group") {
            files.push_back(Args[i]);
        } else if (i + 1 < Args.size() && !Args[i + 1].empty()) {
            group = Args[++i];
        } else {
            throw CliError("extract: --group needs a group's name or number");
        }
    }
    if (files.size() < 2) throw CliError("extract: give one or more FILEs and one DIR");
    const std::string dir = files.back();
    files.pop_back();
    makeFolders(dir);
    return forEachFile(files, [&](const std::string& file) { extractIconFile(file, dir, group); });
}
