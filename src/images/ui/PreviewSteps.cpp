#include "images/ui/PreviewSteps.h"

#include "document/IconDocument.h"
#include "document/file/AniFile.h"

std::vector<PreviewStep> previewSteps(const IconDocument& Document) {
    std::vector<PreviewStep> steps;
    if (Document.FrameCount() < 2) return steps;
    const TBitmap32& active = Document.ActiveImage().Pixels;
    for (const FrameStep& step : Document.playedSteps()) {
        const auto& images = Document.frameImages(step.Frame);
        const IconImage* shown = images[std::size_t(Document.frameActiveIndex(step.Frame))].get();
        for (const auto& image : images)
            if (image->Pixels.Width == active.Width && image->Pixels.Height == active.Height) {
                shown = image.get();
                break;
            }
        PreviewStep s;
        s.Picture.Assign(shown->Pixels);
        s.Format = shown->Format;
        s.Milliseconds = int(AniFile::PlayedRate(step.Rate) * 1000 / AniFile::JiffiesPerSecond);
        steps.push_back(std::move(s));
    }
    return steps;
}
