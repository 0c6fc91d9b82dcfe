#include "document/file/AniFile.h"

bool AniPlaysInOrder(const std::vector<AniStep>& Steps, std::size_t FrameCount) {
    if (Steps.size() != FrameCount) return false;
    for (std::size_t i = 0; i < Steps.size(); ++i)
        if (Steps[i].Frame != i) return false;
    return true;
}

std::vector<AniStep> AniInOrderSteps(std::size_t FrameCount, std::uint32_t Rate) {
    std::vector<AniStep> steps(FrameCount);
    for (std::size_t i = 0; i < FrameCount; ++i)
        steps[i] = AniStep{std::uint32_t(i), Rate};
    return steps;
}
