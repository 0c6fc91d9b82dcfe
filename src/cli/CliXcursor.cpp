#include "cli/CliXcursor.h"

#include "cli/CliAni.h"
#include "cli/CliCommon.h"

#include "document/file/IconCodecError.h"
#include "document/file/XcursorConvert.h"
#include "document/file/XcursorReader.h"

#include <algorithm>
#include <cstdio>

namespace {

XcursorContents decode(const std::string& Path, const std::vector<std::uint8_t>& Bytes) {
    try {
        return DecodeXcursorFile(Bytes.data(), Bytes.size(), Path);
    } catch (const IconCodecError& e) {
        throw CliError(e.what());
    }
}

const char* commentKind(std::uint32_t Kind) {
    switch (Kind) {
    case 1: return "copyright";
    case 2: return "licence";
    default: return "comment";
    }
}

} // namespace

void listXcursor(const std::string& Path, const std::vector<std::uint8_t>& Bytes,
                 std::string& Out) {
    const XcursorContents contents = decode(Path, Bytes);
    char line[512];
    for (std::size_t i = 0; i < contents.Images.size(); ++i) {
        const XcursorImage& x = contents.Images[i];
        const int n = std::snprintf(line, sizeof line,
                                    "%s: %zu: %d x %d, nominal size %u, hot spot %d,%d, "
                                    "delay %u ms\n",
                                    Path.c_str(), i + 1, x.Width, x.Height, x.NominalSize,
                                    x.HotSpotX, x.HotSpotY, x.DelayMs);
        if (n > 0) Out.append(line, std::size_t(std::min<int>(n, int(sizeof line) - 1)));
    }
    // A comment's text may hold line breaks: one line each, as it reads.
    for (const XcursorComment& c : contents.Comments) {
        std::string text = c.Text;
        for (char& ch : text)
            if (ch == '\n' || ch == '\r') ch = ' ';
        Out += Path + ": " + commentKind(c.Kind) + ": " + text + "\n";
    }
}

void extractXcursor(const std::string& Path, const std::vector<std::uint8_t>& Bytes,
                    const std::string& Dir) {
    XcursorContents contents = decode(Path, Bytes);
    makeFolders(Dir);
    const std::string base = Dir + "/" + baseName(Path) + "-";
    std::size_t pixels = 0;
    for (const XcursorImage& x : contents.Images)
        pixels += x.Pixels.size();
    const TransparencySettings settings;
    forEachParallel(int(contents.Images.size()), pixels, [&](int i) {
        IconRaster image = RasterFromXcursorImage(contents.Images[std::size_t(i)]);
        writeFileReplacing(base + std::to_string(i + 1) + ".png",
                           extractedPicture(image, settings));
    });
}

std::vector<IconRaster> xcursorStills(const std::string& Path,
                                      const std::vector<std::uint8_t>& Bytes) {
    const XcursorContents contents = decode(Path, Bytes);
    std::vector<IconRaster> stills;
    for (std::uint32_t size : NominalSizes(contents.Images))
        stills.push_back(RasterFromXcursorImage(*FramesOfSize(contents.Images, size).front()));
    return stills;
}
