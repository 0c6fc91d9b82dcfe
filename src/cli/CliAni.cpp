// brisel-cli and animated cursors: info lists steps and images, extract
// unpacks every frame's images.

#include "cli/CliAni.h"

#include "document/file/AniPlan.h"
#include "document/file/AniReader.h"
#include "document/file/IconCodecError.h"
#include "document/file/IconFileLayout.h"
#include "document/file/IconFilePlan.h"

#include <cctype>
#include <cstdio>

bool hasAniName(const std::string& Path) {
    if (Path.size() < 4) return false;
    std::string suffix = Path.substr(Path.size() - 4);
    for (char& c : suffix)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return suffix == ".ani";
}

bool isAniFile(const std::string& Path) {
    std::uint8_t head[12];
    const std::size_t n = readFileStart(Path, head, sizeof head);
    return LooksLikeAniFile(head, n);
}

void listAniFile(const std::string& Path, std::string& Out) {
    const std::vector<std::uint8_t> bytes = readWholeFile(Path);
    AniFilePlan plan;
    std::vector<IconFilePlan> frames;
    try {
        plan = PlanAniFile(bytes.data(), bytes.size(), Path);
        for (std::size_t f = 0; f < plan.Frames.size(); ++f) {
            const AniFramePlan& at = plan.Frames[f];
            if (plan.RawFrames) {
                frames.emplace_back(); // a bare bitmap: listed by its steps only
                continue;
            }
            try {
                frames.push_back(
                    PlanIconFile(MemoryByteSource(bytes.data() + at.Offset, std::size_t(at.Length)),
                                 "Frame " + std::to_string(f + 1)));
            } catch (const IconCodecError& e) {
                RefuseAniFile(Path, e.what());
            }
        }
    } catch (const IconCodecError& e) {
        throw CliError(e.what());
    }
    char line[512];
    const auto put = [&](int n) {
        if (n > 0) Out.append(line, std::size_t(std::min<int>(n, int(sizeof line) - 1)));
    };
    if (!plan.Info.Title.empty())
        put(std::snprintf(line, sizeof line, "%s: title %s\n", Path.c_str(),
                          plan.Info.Title.c_str()));
    if (!plan.Info.Author.empty())
        put(std::snprintf(line, sizeof line, "%s: author %s\n", Path.c_str(),
                          plan.Info.Author.c_str()));
    for (std::size_t s = 0; s < plan.Info.Steps.size(); ++s)
        put(std::snprintf(line, sizeof line, "%s: step %zu: frame %u, %u jiffies\n", Path.c_str(),
                          s + 1, unsigned(plan.Info.Steps[s].Frame + 1),
                          unsigned(plan.Info.Steps[s].Rate)));
    for (std::size_t f = 0; f < frames.size(); ++f) {
        const bool cursor = frames[f].FileType == IconFile::TypeCursor;
        for (std::size_t i = 0; i < frames[f].Images.size(); ++i) {
            const IconImagePlan& p = frames[f].Images[i];
            // An icon file as a frame has no hot spot; the cursor's is (0, 0).
            const std::string hotSpot =
                cursor ? std::to_string(p.Planes) + "," + std::to_string(p.BitField) : "0,0";
            put(std::snprintf(line, sizeof line,
                              "%s: frame %zu: %zu: %d x %d, %d bits, hot spot %s, %u bytes%s\n",
                              Path.c_str(), f + 1, i + 1, p.Width, p.Height, p.BitCount,
                              hotSpot.c_str(), unsigned(p.DataSize), p.IsPng ? " (PNG)" : ""));
        }
    }
}

int extractAni(const std::string& Path, const std::string& Dir,
               const std::vector<std::uint8_t>& Bytes) {
    const TransparencySettings settings;
    AniContents ani;
    try {
        ani = DecodeAniFile(Bytes.data(), Bytes.size(), Path, settings);
    } catch (const IconCodecError& e) {
        throw CliError(e.what());
    }
    makeFolders(Dir);
    struct Item {
        IconRaster* Image;
        std::string Name;
    };
    std::vector<Item> items;
    std::size_t pixels = 0;
    const std::string base = Dir + "/" + baseName(Path) + "-";
    for (std::size_t f = 0; f < ani.Frames.size(); ++f)
        for (std::size_t i = 0; i < ani.Frames[f].Icon.Images.size(); ++i) {
            IconRaster& image = ani.Frames[f].Icon.Images[i];
            items.push_back(
                {&image, base + std::to_string(f + 1) + "-" + std::to_string(i + 1) + ".png"});
            pixels += image.Pixels.size();
        }
    forEachParallel(int(items.size()), pixels, [&](int k) {
        const Item& item = items[std::size_t(k)];
        writeFileReplacing(item.Name, extractedPicture(*item.Image, settings));
    });
    return 0;
}
