#include "document/file/XcursorAni.h"

#include "document/file/CursorSizes.h"
#include "document/file/IconCodecError.h"
#include "document/file/XcursorConvert.h"

#include <algorithm>
#include <map>
#include <vector>

std::uint32_t AniRateToMs(std::uint32_t Rate) {
    return std::uint32_t((std::uint64_t(AniFile::PlayedRate(Rate)) * 1000 + 30) / 60);
}

std::uint32_t MsToAniRate(std::uint32_t Ms) {
    return std::max<std::uint32_t>(1, std::uint32_t((std::uint64_t(Ms) * 60 + 500) / 1000));
}

XcursorContents XcursorFromAni(const AniContents& Ani, const TransparencySettings& Settings,
                               int& InvertedPixels) {
    // Each frame's images once as X cursor images. The n-th image of every
    // frame is one size: frames of one size may differ in pixels by a few
    // (a spinner drawn at 29 and 30 pixels).
    std::vector<std::vector<XcursorImage>> frames;
    std::size_t sizeCount = 0;
    for (const AniFrame& f : Ani.Frames) {
        std::vector<XcursorImage> images;
        for (const IconRaster& r : f.Icon.Images) {
            images.push_back(XcursorImageFromRaster(r, Settings, InvertedPixels));
            if (f.Icon.FileType == IconFile::TypeIcon) images.back().HotSpotX = images.back().HotSpotY = 0;
        }
        sizeCount = std::max(sizeCount, images.size());
        frames.push_back(std::move(images));
    }
    // Each size's nominal size: its image's longer side in the first frame
    // that has one.
    std::vector<std::uint32_t> nominal(sizeCount, 0);
    for (std::size_t i = 0; i < sizeCount; ++i)
        for (const auto& f : frames)
            if (i < f.size() && nominal[i] == 0) nominal[i] = f[i].NominalSize;
    std::vector<std::size_t> order(sizeCount);
    for (std::size_t i = 0; i < sizeCount; ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t A, std::size_t B) { return nominal[A] < nominal[B]; });
    XcursorContents out;
    for (std::size_t i : order)
        for (const AniStep& step : Ani.Info.Steps) {
            if (step.Frame >= frames.size() || frames[step.Frame].empty()) continue;
            const std::vector<XcursorImage>& images = frames[step.Frame];
            XcursorImage image;
            if (i < images.size()) {
                image = images[i];
            } else {
                // A frame short of this size shows its largest image scaled.
                const XcursorImage* largest = &images.front();
                for (const XcursorImage& c : images)
                    if (c.NominalSize > largest->NominalSize) largest = &c;
                image = ScaleCursorImage(*largest, nominal[i], CursorArt::Auto);
            }
            image.NominalSize = nominal[i];
            image.DelayMs = AniRateToMs(step.Rate);
            out.Images.push_back(std::move(image));
        }
    if (!Ani.Info.Title.empty()) out.Comments.push_back({3, Ani.Info.Title});
    if (!Ani.Info.Author.empty()) out.Comments.push_back({1, Ani.Info.Author});
    return out;
}

AniContents AniFromXcursor(const XcursorContents& Cursor, AniFromXcursorNotes& Notes) {
    std::vector<std::uint32_t> sizes;
    for (std::uint32_t s : NominalSizes(Cursor.Images)) {
        const XcursorImage& first = *FramesOfSize(Cursor.Images, s).front();
        if (first.Width > IconFile::MaxSide || first.Height > IconFile::MaxSide)
            ++Notes.TooLarge;
        else
            sizes.push_back(s);
    }
    if (sizes.empty())
        throw IconCodecError("No image is small enough for an animated cursor (at most 256 "
                             "pixels each way).");
    std::uint32_t lead = sizes.front();
    for (std::uint32_t s : sizes)
        if (FramesOfSize(Cursor.Images, s).size() >= FramesOfSize(Cursor.Images, lead).size())
            lead = s;
    const std::vector<const XcursorImage*> timeline = FramesOfSize(Cursor.Images, lead);

    // The frame of Frames showing at time At (milliseconds from the start),
    // the animation repeating.
    const auto showing = [](const std::vector<const XcursorImage*>& Frames, std::uint64_t At) {
        std::uint64_t total = 0;
        for (const XcursorImage* f : Frames)
            total += f->DelayMs;
        if (total == 0) return Frames.front();
        At %= total;
        for (const XcursorImage* f : Frames) {
            if (At < f->DelayMs) return f;
            At -= f->DelayMs;
        }
        return Frames.back();
    };

    AniContents ani;
    std::map<std::uint32_t, int> rates;
    std::uint64_t at = 0;
    for (std::size_t k = 0; k < timeline.size(); ++k) {
        AniFrame frame;
        frame.Icon.FileType = IconFile::TypeCursor;
        for (std::uint32_t s : sizes) {
            const XcursorImage* image =
                s == lead ? timeline[k] : showing(FramesOfSize(Cursor.Images, s), at);
            frame.Icon.Images.push_back(RasterFromXcursorImage(*image));
        }
        ani.Frames.push_back(std::move(frame));
        const std::uint32_t delay = timeline[k]->DelayMs;
        const std::uint32_t rate = MsToAniRate(delay);
        if (timeline.size() > 1 && AniRateToMs(rate) != delay &&
            std::find(Notes.ChangedDelays.begin(), Notes.ChangedDelays.end(), delay) ==
                Notes.ChangedDelays.end())
            Notes.ChangedDelays.push_back(delay);
        ani.Info.Steps.push_back({std::uint32_t(k), rate});
        ++rates[rate];
        at += delay;
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
