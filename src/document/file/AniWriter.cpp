#include "document/file/AniWriter.h"

#include "document/file/IconCodecError.h"
#include "document/file/IconReader.h"
#include "document/file/IconWriter.h"
#include "document/file/LittleEndianOut.h"
#include "document/file/RiffWalk.h"

#include <algorithm>

namespace {

// Appends a chunk: name, size, data and the pad byte an odd size needs.
void putChunk(std::vector<std::uint8_t>& Out, std::uint32_t Id, const std::uint8_t* Data,
              std::size_t Size) {
    putU32(Out, Id);
    putU32(Out, std::uint32_t(Size));
    Out.insert(Out.end(), Data, Data + Size);
    if (Size & 1) Out.push_back(0);
}

void putWords(std::vector<std::uint8_t>& Out, std::uint32_t Id,
              const std::vector<std::uint32_t>& Words) {
    std::vector<std::uint8_t> data;
    data.reserve(Words.size() * 4);
    for (std::uint32_t w : Words)
        putU32(data, w);
    putChunk(Out, Id, data.data(), data.size());
}

// A LIST chunk whose contents are Body.
void putList(std::vector<std::uint8_t>& Out, std::uint32_t Type,
             const std::vector<std::uint8_t>& Body) {
    putU32(Out, RiffId("LIST"));
    putU32(Out, std::uint32_t(4 + Body.size()));
    putU32(Out, Type);
    Out.insert(Out.end(), Body.begin(), Body.end());
}

void putText(std::vector<std::uint8_t>& Out, std::uint32_t Id, const std::string& Text) {
    // NUL-terminated; a NUL inside would end the text early for every reader.
    const std::string text(Text.begin(), std::find(Text.begin(), Text.end(), '\0'));
    putChunk(Out, Id, reinterpret_cast<const std::uint8_t*>(text.c_str()), text.size() + 1);
}

bool samePalette(const IconImageView& V, const std::vector<std::uint32_t>& Read) {
    const std::size_t entries = std::size_t(IconFile::ColourTableEntries(V.Format));
    if (Read.size() != entries) return false;
    for (std::size_t i = 0; i < entries; ++i) {
        const std::uint32_t own =
            V.Palette && i < V.Palette->size() ? (*V.Palette)[i] & 0xFFFFFFu : 0;
        if (own != Read[i]) return false;
    }
    return true;
}

bool sameImage(const IconRaster& R, const IconImageView& V) {
    const std::size_t n = std::size_t(V.Width) * std::size_t(V.Height);
    const bool png = IconFile::WrittenAsPng(V.Width, V.Height, V.Format, V.StoredAsPng);
    return R.Width == V.Width && R.Height == V.Height && R.Format == V.Format &&
           R.HotSpotX == V.HotSpotX && R.HotSpotY == V.HotSpotY && R.StoredAsPng == png &&
           V.Pixels && R.Pixels.size() == n &&
           std::equal(R.Pixels.begin(), R.Pixels.end(), V.Pixels) && samePalette(V, R.Palette);
}

std::vector<std::uint8_t> frameBytes(const AniFrameView& F, std::size_t Index,
                                     const TransparencySettings& Settings) {
    if (F.Stored && CursorFileStillHolds(F.Stored, F.StoredLength, F.Images, Settings))
        return std::vector<std::uint8_t>(F.Stored, F.Stored + F.StoredLength);
    try {
        return EncodeIconFile(IconFile::TypeCursor, F.Images, Settings);
    } catch (const IconCodecError& e) {
        throw IconCodecError("Frame " + std::to_string(Index + 1) + ": " + e.what());
    }
}

} // namespace

bool CursorFileStillHolds(const std::uint8_t* Bytes, std::size_t Length,
                          const std::vector<IconImageView>& Images,
                          const TransparencySettings& Settings) {
    IconContents read;
    try {
        read = DecodeIconFile(Bytes, Length, std::string(), Settings);
    } catch (const IconCodecError&) {
        return false;
    }
    if (read.FileType != IconFile::TypeCursor || read.Images.size() != Images.size()) return false;
    for (std::size_t i = 0; i < Images.size(); ++i)
        if (!sameImage(read.Images[i], Images[i])) return false;
    return true;
}

std::vector<std::uint8_t> EncodeAniFile(const std::vector<AniFrameView>& Frames,
                                        const AniInfo& Info, const TransparencySettings& Settings) {
    if (Frames.empty()) throw IconCodecError("An animated cursor needs at least one frame.");
    if (Frames.size() > AniFile::MaxFrames)
        throw IconCodecError("An animated cursor holds at most 4,096 frames.");
    if (Info.Steps.empty()) throw IconCodecError("An animated cursor needs at least one step.");
    if (Info.Steps.size() > AniFile::MaxSteps)
        throw IconCodecError("An animated cursor holds at most 65,536 steps.");
    bool ratesDiffer = false;
    for (std::size_t i = 0; i < Info.Steps.size(); ++i) {
        if (Info.Steps[i].Frame >= Frames.size())
            throw IconCodecError("Step " + std::to_string(i + 1) + " shows frame " +
                                 std::to_string(Info.Steps[i].Frame + 1ull) +
                                 ", but there are only " + std::to_string(Frames.size()) +
                                 " frames.");
        ratesDiffer = ratesDiffer || Info.Steps[i].Rate != Info.DisplayRate;
    }
    const bool sequenced = !AniPlaysInOrder(Info.Steps, Frames.size());

    std::vector<std::uint8_t> body;
    std::vector<std::uint8_t> header;
    putU32(header, AniFile::HeaderSize);
    putU32(header, std::uint32_t(Frames.size()));
    putU32(header, std::uint32_t(Info.Steps.size()));
    for (int i = 0; i < 4; ++i) // cx, cy, cBitCount, cPlanes: for bare bitmap frames only
        putU32(header, 0);
    putU32(header, Info.DisplayRate);
    putU32(header, AniFile::FlagIcon | (sequenced ? AniFile::FlagSequence : 0));
    putChunk(body, RiffId("anih"), header.data(), header.size());

    std::vector<std::uint32_t> words(Info.Steps.size());
    if (ratesDiffer) {
        std::transform(Info.Steps.begin(), Info.Steps.end(), words.begin(),
                       [](const AniStep& S) { return S.Rate; });
        putWords(body, RiffId("rate"), words);
    }
    if (sequenced) {
        std::transform(Info.Steps.begin(), Info.Steps.end(), words.begin(),
                       [](const AniStep& S) { return S.Frame; });
        putWords(body, RiffId("seq "), words);
    }

    std::vector<std::uint8_t> frames;
    for (std::size_t i = 0; i < Frames.size(); ++i) {
        std::vector<std::uint8_t> bytes = frameBytes(Frames[i], i, Settings);
        // The Windows loader (as Wine has it, at least) steps from one `icon`
        // chunk to the next by the size alone and misses a pad byte, landing
        // one byte short. A zero after the cursor file, counted in the size,
        // reads the same to every cursor reader and leaves nothing to pad.
        if (bytes.size() & 1) bytes.push_back(0);
        putChunk(frames, RiffId("icon"), bytes.data(), bytes.size());
    }
    putList(body, RiffId("fram"), frames);

    if (!Info.Title.empty() || !Info.Author.empty()) {
        std::vector<std::uint8_t> info;
        if (!Info.Title.empty()) putText(info, RiffId("INAM"), Info.Title);
        if (!Info.Author.empty()) putText(info, RiffId("IART"), Info.Author);
        putList(body, RiffId("INFO"), info);
    }

    if (body.size() > 0xFFFFFFF0u)
        throw IconCodecError("The animated cursor would be larger than 4 GB.");
    std::vector<std::uint8_t> out;
    out.reserve(12 + body.size());
    putU32(out, RiffId("RIFF"));
    putU32(out, std::uint32_t(4 + body.size()));
    putU32(out, RiffId("ACON"));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

std::vector<std::uint8_t> EncodeAniFile(const AniContents& Ani,
                                        const TransparencySettings& Settings) {
    std::vector<AniFrameView> views(Ani.Frames.size());
    for (std::size_t f = 0; f < Ani.Frames.size(); ++f) {
        const AniFrame& frame = Ani.Frames[f];
        AniFrameView& view = views[f];
        if (!frame.Bytes.empty()) {
            view.Stored = frame.Bytes.data();
            view.StoredLength = frame.Bytes.size();
        }
        for (const IconRaster& r : frame.Icon.Images) {
            IconImageView v{r.Width,    r.Height,        r.Format,  r.HotSpotX,
                            r.HotSpotY, r.Pixels.data(), &r.Palette};
            v.StoredAsPng = r.StoredAsPng;
            if (r.StoredLength > 0 && r.StoredOffset + r.StoredLength <= frame.Bytes.size()) {
                v.Stored = frame.Bytes.data() + r.StoredOffset;
                v.StoredLength = r.StoredLength;
            }
            view.Images.push_back(v);
        }
    }
    return EncodeAniFile(views, Ani.Info, Settings);
}
