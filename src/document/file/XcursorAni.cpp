#include "document/file/XcursorAni.h"

#include "document/file/AniWriter.h"
#include "document/file/CursorSizes.h"
#include "document/file/IconCodecError.h"
#include "document/file/XcursorConvert.h"

#include <algorithm>
#include <map>
#include <vector>

namespace {

// Both directions copy frames once per step or per size; what would come to
// more pixels than an animated cursor may hold is refused before the copies
// are made.
void addPixels(std::uint64_t& Total, std::size_t Count) {
    Total += Count;
    if (Total > AniFile::MaxPixels)
        throw IconCodecError("The animation holds too many pixels to be converted.");
}

// The images of one frame, one per nominal size, smallest first.
std::vector<XcursorImage> frameImages(const AniFrame& Frame, const TransparencySettings& Settings,
                                      int& InvertedPixels) {
    std::vector<XcursorImage> images;
    for (std::size_t i : OneImagePerSize(Frame.Icon.Images))
        images.push_back(XcursorImageFromRaster(Frame.Icon.Images[i], Settings, InvertedPixels));
    std::stable_sort(images.begin(), images.end(), [](const XcursorImage& A, const XcursorImage& B) {
        return A.NominalSize < B.NominalSize;
    });
    return images;
}

// The image a frame shows at the Index-th of the nominal sizes Nominal.
XcursorImage imageAtSize(const std::vector<XcursorImage>& Images,
                         const std::vector<std::uint32_t>& Nominal, std::size_t Index) {
    // Frames of as many sizes pair up in order, even where the pixels differ
    // by a few (a spinner drawn at 29 and at 30 pixels).
    if (Images.size() == Nominal.size()) {
        XcursorImage image = Images[Index];
        image.NominalSize = Nominal[Index];
        return image;
    }
    // Otherwise the frame's own image of that size, or its nearest larger
    // (the largest where none is larger) scaled.
    const XcursorImage* from = &Images.back();
    for (const XcursorImage& c : Images)
        if (c.NominalSize >= Nominal[Index]) {
            from = &c;
            break;
        }
    if (from->NominalSize == Nominal[Index]) return *from;
    return ScaleCursorImage(*from, Nominal[Index], CursorArt::Auto);
}

} // namespace

std::uint32_t AniRateToMs(std::uint32_t Rate) {
    return std::uint32_t((std::uint64_t(AniFile::PlayedRate(Rate)) * 1000 + 30) / 60);
}

std::uint32_t MsToAniRate(std::uint32_t Ms) {
    return std::max<std::uint32_t>(1, std::uint32_t((std::uint64_t(Ms) * 60 + 500) / 1000));
}

XcursorContents XcursorFromAni(const AniContents& Ani, const TransparencySettings& Settings,
                               int& InvertedPixels) {
    std::vector<std::vector<XcursorImage>> frames;
    const std::vector<XcursorImage>* first = nullptr;
    for (const AniFrame& f : Ani.Frames)
        frames.push_back(frameImages(f, Settings, InvertedPixels));
    for (const auto& f : frames)
        if (!f.empty() && !first) first = &f;
    if (!first) throw IconCodecError("The animated cursor has no images.");
    // The sizes are the first frame's.
    std::vector<std::uint32_t> nominal;
    for (const XcursorImage& i : *first)
        nominal.push_back(i.NominalSize);

    // Every frame at every size once, then once per step that shows it.
    std::uint64_t pixels = 0;
    std::vector<std::vector<XcursorImage>> sized(frames.size());
    for (std::size_t f = 0; f < frames.size(); ++f)
        for (std::size_t i = 0; !frames[f].empty() && i < nominal.size(); ++i) {
            sized[f].push_back(imageAtSize(frames[f], nominal, i));
            addPixels(pixels, sized[f].back().Pixels.size());
        }
    std::vector<const AniStep*> steps;
    for (const AniStep& step : Ani.Info.Steps)
        if (step.Frame < sized.size() && !sized[step.Frame].empty()) {
            steps.push_back(&step);
            for (const XcursorImage& i : sized[step.Frame])
                addPixels(pixels, i.Pixels.size());
        }
    XcursorContents out;
    out.Images.reserve(nominal.size() * steps.size());
    for (std::size_t i = 0; i < nominal.size(); ++i)
        for (const AniStep* step : steps) {
            out.Images.push_back(sized[step->Frame][i]);
            out.Images.back().DelayMs = AniRateToMs(step->Rate);
        }
    if (!Ani.Info.Title.empty()) out.Comments.push_back({3, Ani.Info.Title});
    if (!Ani.Info.Author.empty()) out.Comments.push_back({1, Ani.Info.Author});
    return out;
}

AniContents AniFromXcursor(const XcursorContents& Cursor, AniFromXcursorNotes& Notes) {
    std::vector<std::vector<const XcursorImage*>> sizes; // the frames of each size that fits
    for (std::uint32_t s : NominalSizes(Cursor.Images)) {
        std::vector<const XcursorImage*> frames = FramesOfSize(Cursor.Images, s);
        if (frames.front()->Width > IconFile::MaxSide || frames.front()->Height > IconFile::MaxSide)
            ++Notes.TooLarge;
        else
            sizes.push_back(std::move(frames));
    }
    if (sizes.empty())
        throw IconCodecError("No image is small enough for an animated cursor (at most 256 "
                             "pixels each way).");
    std::size_t lead = 0;
    for (std::size_t s = 0; s < sizes.size(); ++s)
        if (sizes[s].size() >= sizes[lead].size()) lead = s;
    const std::vector<const XcursorImage*>& timeline = sizes[lead];
    if (timeline.size() > AniFile::MaxFrames)
        throw IconCodecError("An animated cursor holds at most 4096 frames.");

    // The image each size shows at each frame of the timeline, counted
    // before any is copied.
    std::vector<std::vector<const XcursorImage*>> shown(timeline.size());
    std::uint64_t at = 0, pixels = 0;
    for (std::size_t k = 0; k < timeline.size(); ++k) {
        for (std::size_t s = 0; s < sizes.size(); ++s) {
            shown[k].push_back(s == lead ? timeline[k] : FrameShowingAt(sizes[s], at));
            addPixels(pixels, shown[k].back()->Pixels.size());
        }
        at += timeline[k]->DelayMs;
    }
    AniContents ani;
    std::map<std::uint32_t, int> rates;
    for (std::size_t k = 0; k < timeline.size(); ++k) {
        AniFrame frame;
        frame.Icon.FileType = IconFile::TypeCursor;
        for (const XcursorImage* image : shown[k])
            frame.Icon.Images.push_back(RasterFromXcursorImage(*image));
        ani.Frames.push_back(std::move(frame));
        const std::uint32_t delay = timeline[k]->DelayMs;
        const std::uint32_t rate = MsToAniRate(delay);
        if (timeline.size() > 1 && AniRateToMs(rate) != delay &&
            std::find(Notes.ChangedDelays.begin(), Notes.ChangedDelays.end(), delay) ==
                Notes.ChangedDelays.end())
            Notes.ChangedDelays.push_back(delay);
        ani.Info.Steps.push_back({std::uint32_t(k), rate});
        ++rates[rate];
    }
    // The most common rate is the header's; the others go to the rate list.
    ani.Info.DisplayRate = std::max_element(rates.begin(), rates.end(), [](auto& A, auto& B) {
                               return A.second < B.second;
                           })->first;
    for (const XcursorComment& c : Cursor.Comments) {
        if (c.Kind == 3 && ani.Info.Title.empty())
            ani.Info.Title = c.Text;
        else if (c.Kind == 1 && ani.Info.Author.empty())
            ani.Info.Author = c.Text;
        else if (c.Kind == 2)
            Notes.LicenceLost = true;
    }
    return ani;
}

std::vector<std::uint8_t> EncodeAniFromXcursor(const XcursorContents& Cursor,
                                               AniFromXcursorNotes& Notes) {
    return EncodeAniFile(AniFromXcursor(Cursor, Notes), TransparencySettings());
}

std::string ChangedDelaysText(const std::vector<std::uint32_t>& Delays) {
    std::string was, becomes;
    for (std::uint32_t d : Delays) {
        const std::string sep = was.empty() ? "" : ", ";
        was += sep + std::to_string(d) + " ms";
        becomes += sep + std::to_string(AniRateToMs(MsToAniRate(d))) + " ms";
    }
    return (Delays.size() == 1 ? "the delay of " + was + " becomes "
                               : "the delays of " + was + " become ") +
           becomes + " (an animated cursor counts in 1/60 s)";
}
