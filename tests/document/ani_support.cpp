#include "ani_support.h"

#include "document/file/IconWriter.h"
#include "document/file/LittleEndianOut.h"

#include <cstring>

namespace ani_test {

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes u32s(std::initializer_list<std::uint32_t> words) {
    Bytes out;
    for (std::uint32_t w : words)
        putU32(out, w);
    return out;
}

Bytes name4(const char* Id) {
    return Bytes(Id, Id + 4);
}

Bytes chunk(const char* Id, const Bytes& Data, Pad P, int SizeDelta) {
    Bytes out = name4(Id) + u32s({std::uint32_t(int(Data.size()) + SizeDelta)}) + Data;
    if (P == Pad::Yes && (Data.size() & 1)) out.push_back(0);
    return out;
}

Bytes list(const char* Type, const Bytes& Body, int SizeDelta) {
    return name4("LIST") + u32s({std::uint32_t(int(Body.size()) + 4 + SizeDelta)}) + name4(Type) +
           Body;
}

Bytes riff(const Bytes& Body, RiffSize S) {
    std::uint32_t size = std::uint32_t(4 + Body.size());
    if (S == RiffSize::WholeFile) size += 8;
    if (S == RiffSize::PastEnd) size += 1000;
    return name4("RIFF") + u32s({size}) + name4("ACON") + Body;
}

Bytes anih(std::uint32_t Frames, std::uint32_t Steps, std::uint32_t Rate, std::uint32_t Flags) {
    return chunk("anih", u32s({36, Frames, Steps, 0, 0, 0, 0, Rate, Flags}));
}

Bytes text(const std::string& Text) {
    Bytes out(Text.begin(), Text.end());
    out.push_back(0);
    return out;
}

std::uint32_t frameColour(int K) {
    return 0xFF000000u | std::uint32_t(0x102030 + 0x1F0B05 * K);
}

static Bytes iconOf(std::uint16_t Type, int K, int X, int Y) {
    static std::vector<std::uint32_t> pixels;
    pixels.assign(4, frameColour(K));
    IconImageView v{2, 2, 32, std::uint8_t(X), std::uint8_t(Y), pixels.data(), nullptr};
    return EncodeIconFile(Type, {v}, TransparencySettings());
}

Bytes cursorFile(int K, int X, int Y) {
    return iconOf(2, K, X, Y);
}
Bytes iconFile(int K) {
    return iconOf(1, K, 0, 0);
}

Bytes bareBitmap(int K) {
    const Bytes file = cursorFile(K);
    return Bytes(file.begin() + 22, file.end()); // past the header and the one entry
}

Bytes simpleAni(int N, std::uint32_t Rate) {
    Bytes frames;
    for (int k = 0; k < N; ++k)
        frames = frames + chunk("icon", cursorFile(k));
    return riff(anih(std::uint32_t(N), std::uint32_t(N), Rate, 1) + list("fram", frames));
}

} // namespace ani_test
