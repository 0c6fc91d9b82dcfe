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

// A LIST chunk written in place: its header now, its size once its
// contents follow (endList).
std::size_t beginList(std::vector<std::uint8_t>& Out, std::uint32_t Type) {
    putU32(Out, RiffId("LIST"));
    const std::size_t at = Out.size();
    putU32(Out, 0);
    putU32(Out, Type);
    return at;
}

void patchU32(std::vector<std::uint8_t>& Out, std::size_t At, std::uint64_t V) {
    if (V > 0xFFFFFFFFu) throw IconCodecError("The animated cursor would be larger than 4 GB.");
    for (int i = 0; i < 4; ++i)
        Out[At + std::size_t(i)] = std::uint8_t((V >> (8 * i)) & 0xFF);
}

void endList(std::vector<std::uint8_t>& Out, std::size_t SizeAt) {
    patchU32(Out, SizeAt, Out.size() - SizeAt - 4);
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

// A frame's cursor file: the bytes it was read from, or made anew.
struct FrameFile {
    const std::uint8_t* Data = nullptr;
    std::size_t Size = 0;
    std::vector<std::uint8_t> Made;
};

FrameFile frameFile(const AniFrameView& F, std::size_t Index,
                    const TransparencySettings& Settings) {
    FrameFile file;
    const bool unedited = F.Stored && (F.StoredRead ? CursorStillReadsAs(*F.StoredRead, F.Images)
                                                    : CursorFileStillHolds(F.Stored, F.StoredLength,
                                                                           F.Images, Settings));
    if (unedited) {
        file.Data = F.Stored;
        file.Size = F.StoredLength;
        return file;
    }
    try {
        file.Made = EncodeIconFile(IconFile::TypeCursor, F.Images, Settings);
    } catch (const IconCodecError& e) {
        throw IconCodecError("Frame " + std::to_string(Index + 1) + ": " + e.what());
    }
    file.Data = file.Made.data();
    file.Size = file.Made.size();
    return file;
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
    return CursorStillReadsAs(read, Images);
}

bool CursorStillReadsAs(const IconContents& Read, const std::vector<IconImageView>& Images) {
    if (Read.FileType != IconFile::TypeCursor || Read.Images.size() != Images.size()) return false;
    for (std::size_t i = 0; i < Images.size(); ++i)
        if (!sameImage(Read.Images[i], Images[i])) return false;
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

    // The frames first, so the file is written once into a buffer of its
    // final size: an animation of large frames runs to megabytes.
    std::vector<FrameFile> files;
    files.reserve(Frames.size());
    std::size_t total = 12 + 8 + AniFile::HeaderSize + 2 * (8 + 4 * Info.Steps.size()) + 12 + 12 +
                        2 * 10 + Info.Title.size() + Info.Author.size();
    for (std::size_t i = 0; i < Frames.size(); ++i) {
        files.push_back(frameFile(Frames[i], i, Settings));
        total += 8 + files.back().Size + 1;
    }

    std::vector<std::uint8_t> out;
    out.reserve(total);
    putU32(out, RiffId("RIFF"));
    putU32(out, 0); // the size, once known
    putU32(out, RiffId("ACON"));

    std::vector<std::uint8_t> header;
    putU32(header, AniFile::HeaderSize);
    putU32(header, std::uint32_t(Frames.size()));
    putU32(header, std::uint32_t(Info.Steps.size()));
    for (int i = 0; i < 4; ++i) // cx, cy, cBitCount, cPlanes: for bare bitmap frames only
        putU32(header, 0);
    putU32(header, Info.DisplayRate);
    putU32(header, AniFile::FlagIcon | (sequenced ? AniFile::FlagSequence : 0));
    putChunk(out, RiffId("anih"), header.data(), header.size());

    std::vector<std::uint32_t> words(Info.Steps.size());
    if (ratesDiffer) {
        std::transform(Info.Steps.begin(), Info.Steps.end(), words.begin(),
                       [](const AniStep& S) { return S.Rate; });
        putWords(out, RiffId("rate"), words);
    }
    if (sequenced) {
        std::transform(Info.Steps.begin(), Info.Steps.end(), words.begin(),
                       [](const AniStep& S) { return S.Frame; });
        putWords(out, RiffId("seq "), words);
    }

    const std::size_t fram = beginList(out, RiffId("fram"));
    for (const FrameFile& file : files) {
        // The Windows loader (as Wine has it, at least) steps from one `icon`
        // chunk to the next by the size alone and misses a pad byte, landing
        // one byte short. A zero after the cursor file, counted in the size,
        // reads the same to every cursor reader and leaves nothing to pad.
        const bool odd = file.Size & 1;
        putU32(out, RiffId("icon"));
        putU32(out, std::uint32_t(file.Size + (odd ? 1 : 0)));
        out.insert(out.end(), file.Data, file.Data + file.Size);
        if (odd) out.push_back(0);
    }
    endList(out, fram);

    if (!Info.Title.empty() || !Info.Author.empty()) {
        const std::size_t info = beginList(out, RiffId("INFO"));
        if (!Info.Title.empty()) putText(out, RiffId("INAM"), Info.Title);
        if (!Info.Author.empty()) putText(out, RiffId("IART"), Info.Author);
        endList(out, info);
    }
    patchU32(out, 4, out.size() - 8);
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
