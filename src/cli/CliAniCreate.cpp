// brisel-cli create OUT.ani [--rate J | --rates J,J,...] [--sequence I,I,...]
// [--title T] [--author A] [--hotspot X,Y] FRAME...: one frame per FRAME.
// brisel-cli convert between .ani, .cur and .ico.

#include "cli/CliAni.h"
#include "cli/CliCreate.h"

#include "document/file/AniPlan.h"
#include "document/file/AniReader.h"
#include "document/file/AniWriter.h"
#include "document/file/IconCodecError.h"
#include "document/file/IconReader.h"
#include "document/file/PngCodec.h"

#include <cstdio>

namespace {

// A frame shows for a tenth of a second unless told otherwise.
constexpr int DefaultRate = 6;
constexpr int MaxRate = 0x7FFFFFFF;

struct AniOptions {
    std::string Out;
    std::vector<std::string> Frames;
    int Rate = -1; // -1: not given
    std::vector<int> Rates;
    std::vector<int> Sequence; // frame numbers from 1
    std::string Title, Author;
    bool HotSpotGiven = false;
    int HotSpotX = 0, HotSpotY = 0;
};

bool takesValue(const std::string& Option) {
    for (const char* o : {"--rate", "--rates", "--sequence", "--title", "--author", "--hotspot",
                          "--format", "--sizes"})
        if (Option == o) return true;
    return false;
}

AniOptions parseAni(const Arguments& Args) {
    AniOptions o;
    ArgumentReader args("create", Args);
    while (args.next()) {
        const std::string& a = args.argument();
        if (a == "--rate") {
            o.Rate = parseNumber(args.value(), 1, MaxRate, "the rate");
        } else if (a == "--rates") {
            o.Rates = parseNumbers("create", args.value(), 1, MaxRate, "each rate");
        } else if (a == "--sequence") {
            o.Sequence = parseNumbers("create", args.value(), 1, int(AniFile::MaxFrames),
                                      "each frame number");
        } else if (a == "--title") {
            o.Title = args.value();
        } else if (a == "--author") {
            o.Author = args.value();
        } else if (a == "--hotspot") {
            parseHotSpot("create", args.value(), 255, o.HotSpotX, o.HotSpotY);
            o.HotSpotGiven = true;
        } else if (args.isOption()) {
            throw CliError("create: " + a + " is not an option for an animated cursor");
        } else if (o.Out.empty()) {
            o.Out = a;
        } else {
            o.Frames.push_back(a);
        }
    }
    if (o.Out.empty() || o.Frames.empty())
        throw CliError("create: give OUT and at least one FRAME");
    if (o.Frames.size() > AniFile::MaxFrames)
        throw CliError("create: an animated cursor holds at most 4,096 frames");
    if (o.Rate >= 0 && !o.Rates.empty()) throw CliError("create: give --rate or --rates, not both");
    if (o.Sequence.size() > AniFile::MaxSteps)
        throw CliError("create: an animated cursor holds at most 65,536 steps");
    for (int f : o.Sequence)
        if (std::size_t(f) > o.Frames.size())
            throw CliError("create: the sequence shows frame " + std::to_string(f) +
                           ", but there are " + std::to_string(o.Frames.size()) + " frames");
    const std::size_t steps = o.Sequence.empty() ? o.Frames.size() : o.Sequence.size();
    if (!o.Rates.empty() && o.Rates.size() != steps)
        throw CliError("create: --rates gives " + std::to_string(o.Rates.size()) + " rates for " +
                       std::to_string(steps) + " steps");
    return o;
}

// A PNG picture becomes one 32-bit image with the hot spot given; a cursor
// keeps its images and hot spots, an icon file its images with that hot spot.
AniFrame frameOf(const std::string& Path, const AniOptions& O) {
    AniFrame frame;
    std::vector<std::uint8_t> bytes = readWholeFile(Path);
    if (IsPng(bytes.data(), bytes.size())) {
        IconRaster image = pictureImage(Path, bytes);
        if (O.HotSpotX >= image.Width || O.HotSpotY >= image.Height)
            throw CliError(Path + ": the hot spot " + std::to_string(O.HotSpotX) + "," +
                           std::to_string(O.HotSpotY) + " lies outside the picture");
        image.HotSpotX = std::uint8_t(O.HotSpotX);
        image.HotSpotY = std::uint8_t(O.HotSpotY);
        frame.Icon.FileType = IconFile::TypeCursor;
        frame.Icon.Images.push_back(std::move(image));
        return frame;
    }
    if (isAniFile(Path)) throw CliError(Path + ": a frame is a cursor, icon or PNG picture");
    try {
        frame.Icon = DecodeIconFile(bytes.data(), bytes.size(), Path, TransparencySettings());
    } catch (const IconCodecError& e) {
        throw CliError(e.what());
    }
    if (frame.Icon.FileType != IconFile::TypeCursor)
        for (IconRaster& image : frame.Icon.Images) {
            image.HotSpotX = std::uint8_t(std::min(O.HotSpotX, image.Width - 1));
            image.HotSpotY = std::uint8_t(std::min(O.HotSpotY, image.Height - 1));
        }
    frame.Bytes = std::move(bytes);
    return frame;
}

void saveAni(const std::string& Out, const AniContents& Ani) {
    std::vector<std::uint8_t> bytes;
    try {
        bytes = EncodeAniFile(Ani, TransparencySettings());
    } catch (const IconCodecError& e) {
        throw CliError(Out + ": " + e.what());
    }
    writeFileReplacing(Out, bytes);
}

AniContents readAni(const std::string& Path, const std::vector<std::uint8_t>& Bytes) {
    try {
        return DecodeAniFile(Bytes.data(), Bytes.size(), Path, TransparencySettings());
    } catch (const IconCodecError& e) {
        throw CliError(e.what());
    }
}

} // namespace

bool createsAni(const Arguments& Args) {
    for (std::size_t i = 0; i < Args.size(); ++i) {
        if (takesValue(Args[i])) {
            ++i;
            continue;
        }
        if (Args[i].compare(0, 2, "--") != 0) return hasAniName(Args[i]);
    }
    return false;
}

int runCreateAni(const Arguments& Args) {
    const AniOptions o = parseAni(Args);
    AniContents ani;
    ani.Frames.reserve(o.Frames.size());
    for (const std::string& path : o.Frames)
        ani.Frames.push_back(frameOf(path, o));
    const std::uint32_t rate = std::uint32_t(o.Rate >= 0        ? o.Rate
                                             : !o.Rates.empty() ? o.Rates.front()
                                                                : DefaultRate);
    ani.Info.DisplayRate = rate;
    ani.Info.Steps = AniInOrderSteps(ani.Frames.size(), rate);
    if (!o.Sequence.empty()) {
        ani.Info.Steps.assign(o.Sequence.size(), AniStep{0, rate});
        for (std::size_t s = 0; s < o.Sequence.size(); ++s)
            ani.Info.Steps[s].Frame = std::uint32_t(o.Sequence[s] - 1);
    }
    for (std::size_t s = 0; s < o.Rates.size(); ++s)
        ani.Info.Steps[s].Rate = std::uint32_t(o.Rates[s]);
    ani.Info.Title = o.Title;
    ani.Info.Author = o.Author;
    saveAni(o.Out, ani);
    return 0;
}

int convertAni(const std::string& In, const std::string& Out, const std::string& Kind) {
    const std::vector<std::uint8_t> bytes = readWholeFile(In);
    if (!LooksLikeAniFile(bytes.data(), bytes.size())) {
        // A cursor or icon becomes a one-frame animation.
        AniContents ani;
        ani.Frames.emplace_back();
        AniFrame& frame = ani.Frames.back();
        try {
            frame.Icon = DecodeIconFile(bytes.data(), bytes.size(), In, TransparencySettings());
        } catch (const IconCodecError& e) {
            throw CliError(e.what());
        }
        if (frame.Icon.FileType != IconFile::TypeCursor)
            for (IconRaster& image : frame.Icon.Images)
                image.HotSpotX = image.HotSpotY = 0;
        frame.Bytes = bytes;
        ani.Info.DisplayRate = DefaultRate;
        ani.Info.Steps = AniInOrderSteps(1, DefaultRate);
        saveAni(Out, ani);
        return 0;
    }
    const AniContents ani = readAni(In, bytes);
    if (Kind == "ani") {
        saveAni(Out, ani);
        return 0;
    }
    const AniFrame& first = ani.Frames.front();
    saveImages(Out, Kind == "cur" ? IconFile::TypeCursor : IconFile::TypeIcon, first.Icon.Images,
               &first.Bytes);
    if (ani.Frames.size() > 1)
        printError(In + " holds " + std::to_string(ani.Frames.size()) + " frames; " + Out +
                   " holds the first of them only");
    return 0;
}
