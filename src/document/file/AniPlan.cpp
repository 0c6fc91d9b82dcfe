#include "document/file/AniPlan.h"

#include "document/file/IconCodecError.h"
#include "document/file/RiffWalk.h"

#include <algorithm>
#include <cstring>

namespace {

std::uint32_t u32(const std::uint8_t* P) {
    return std::uint32_t(P[0]) | (std::uint32_t(P[1]) << 8) | (std::uint32_t(P[2]) << 16) |
           (std::uint32_t(P[3]) << 24);
}

std::string number(std::uint64_t N) {
    // Thousands grouped, as the messages write counts.
    std::string digits = std::to_string(N);
    for (int at = int(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(std::size_t(at), ",");
    return digits;
}

struct Span {
    std::int64_t Offset = -1; // -1: not met
    std::int64_t Length = 0;
    bool met() const { return Offset >= 0; }
};

// The first chunk of each kind the walk meets, and every frame.
struct Chunks {
    Span Header, Rates, Sequence, Title, Author;
    std::vector<AniFramePlan> Frames;

    void take(const RiffChunk& C) {
        const Span s{C.Offset, C.Length};
        const auto first = [&](Span& Into) {
            if (!Into.met()) Into = s;
        };
        if (C.Id == RiffId("anih"))
            first(Header);
        else if (C.Id == RiffId("rate"))
            first(Rates);
        else if (C.Id == RiffId("seq "))
            first(Sequence);
        else if (C.Id == RiffId("INAM"))
            first(Title);
        else if (C.Id == RiffId("IART"))
            first(Author);
        else if (C.Id == RiffId("icon") && Frames.size() < AniFile::MaxFrames)
            Frames.push_back({C.Offset, C.Length});
    }
};

// An INFO text: the bytes up to the first NUL.
std::string textAt(const std::uint8_t* Data, const Span& S) {
    if (!S.met()) return std::string();
    const char* p = reinterpret_cast<const char*>(Data + S.Offset);
    const std::size_t n = std::size_t(S.Length);
    return std::string(p, std::find(p, p + n, '\0'));
}

} // namespace

void RefuseAniFile(const std::string& FileName, const std::string& Reason) {
    throw IconCodecError(FileName + " is not an animated cursor. " + Reason);
}

bool LooksLikeAniFile(const std::uint8_t* Data, std::size_t Size) {
    return Size >= 12 && std::memcmp(Data, "RIFF", 4) == 0 && std::memcmp(Data + 8, "ACON", 4) == 0;
}

AniFilePlan PlanAniFile(const std::uint8_t* Data, std::size_t Size, const std::string& FileName) {
    const auto refuse = [&](const std::string& Reason) { RefuseAniFile(FileName, Reason); };
    if (!LooksLikeAniFile(Data, Size)) refuse("It is not a RIFF file of the form ACON.");
    Chunks chunks;
    WalkRiff(Data, Size, {RiffId("fram"), RiffId("INFO")},
             {RiffId("anih"), RiffId("rate"), RiffId("seq "), RiffId("LIST"), RiffId("icon"),
              RiffId("INAM"), RiffId("IART")},
             [&](const RiffChunk& C) { chunks.take(C); });

    if (!chunks.Header.met()) refuse("It has no animation header (anih).");
    if (chunks.Header.Length < std::int64_t(AniFile::HeaderSize))
        refuse("Its animation header (anih) is cut short.");
    const std::uint8_t* h = Data + chunks.Header.Offset;
    const std::uint32_t frames = u32(h + 4);
    std::uint32_t steps = u32(h + 8);
    AniFilePlan plan;
    plan.Info.DisplayRate = u32(h + 28);
    plan.Flags = u32(h + 32);
    plan.RawFrames = !(plan.Flags & AniFile::FlagIcon);
    if (frames == 0) refuse("It holds no frames.");
    if (frames > AniFile::MaxFrames)
        refuse("It has " + number(frames) + " frames; at most " + number(AniFile::MaxFrames) +
               " can be read.");
    if (steps > AniFile::MaxSteps)
        refuse("It has " + number(steps) + " steps; at most " + number(AniFile::MaxSteps) +
               " can be read.");
    // No steps at all is read as one step per frame.
    if (steps == 0) steps = frames;
    if (chunks.Frames.size() < frames)
        refuse("Its header promises " + number(frames) + " frames, but it holds " +
               number(chunks.Frames.size()) + ".");
    chunks.Frames.resize(frames);
    plan.Frames = std::move(chunks.Frames);

    // The Windows loader reads a sequence only when the flags announce it.
    const bool sequenced = (plan.Flags & AniFile::FlagSequence) && chunks.Sequence.met();
    const std::uint32_t seqWords =
        sequenced ? std::uint32_t(std::min<std::int64_t>(chunks.Sequence.Length / 4, steps)) : 0;
    const std::uint32_t rateWords =
        chunks.Rates.met() ? std::uint32_t(std::min<std::int64_t>(chunks.Rates.Length / 4, steps))
                           : 0;
    plan.Info.Steps.resize(steps);
    for (std::uint32_t i = 0; i < steps; ++i) {
        AniStep& s = plan.Info.Steps[i];
        s.Frame = std::min(i, frames - 1);
        if (i < seqWords) {
            s.Frame = u32(Data + chunks.Sequence.Offset + 4 * std::int64_t(i));
            if (s.Frame >= frames)
                refuse("Step " + number(i + 1) + " shows frame " + number(s.Frame + 1ull) +
                       ", but there are only " + number(frames) + " frames.");
        }
        s.Rate = i < rateWords ? u32(Data + chunks.Rates.Offset + 4 * std::int64_t(i))
                               : plan.Info.DisplayRate;
    }
    plan.Info.Title = textAt(Data, chunks.Title);
    plan.Info.Author = textAt(Data, chunks.Author);
    return plan;
}

bool AniFirstStepFrame(const std::uint8_t* Data, std::size_t Size, const std::uint8_t*& Frame,
                       std::size_t& Length) {
    if (!LooksLikeAniFile(Data, Size)) return false;
    try {
        const AniFilePlan plan = PlanAniFile(Data, Size, std::string());
        if (plan.RawFrames) return false;
        const AniFramePlan& f = plan.Frames[plan.Info.Steps.front().Frame];
        Frame = Data + f.Offset;
        Length = std::size_t(f.Length);
        return true;
    } catch (const IconCodecError&) {
        return false;
    }
}
