#pragma once

// The animation the animated-cursor benchmarks run on: 60 frames of four
// sizes (16, 32 and 48 as 32-bit bitmaps, 256 as a PNG picture), on pictures
// that pack well (flat areas) or badly (noise, with alpha of every kind).

#include "document/AniFileIO.h"
#include "document/IconDocument.h"
#include "document/Thumbnail.h"

#include <cstdint>
#include <vector>

constexpr int kAniFrames = 60;

inline IconFrame aniFrameOf(int F, bool Noise) {
    static const int sides[] = {16, 32, 48, 256};
    IconFrame frame;
    std::uint32_t seed = std::uint32_t(F) * 7919u + 1u;
    for (int side : sides) {
        auto image = newBlankImage(side, side, 32, PalettePicture());
        image->StoredAsPng = side == 256;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                seed = seed * 134775813u + 1u;
                const std::uint32_t rgb =
                    Noise ? seed >> 8 : std::uint32_t(((x + F) / 8 % 2) * 0xC08040 + (y / 8) * 3);
                const bool inside =
                    (x - side / 2) * (x - side / 2) + (y - side / 2) * (y - side / 2) <
                    side * side / 5;
                image->Pixels.Bits[std::size_t(y * side + x)] =
                    inside ? 0xFF000000u | rgb : (Noise ? (seed & 0x7F000000u) | rgb : 0u);
            }
        image->HotSpotX = std::uint8_t(side / 2);
        image->HotSpotY = std::uint8_t(side / 2);
        image->Thumbnail = MakeThumbnail(*image);
        frame.Images.push_back(std::move(image));
    }
    frame.Rate = std::uint32_t(4 + F % 5);
    return frame;
}

inline void fillAni(IconDocument& Doc, bool Noise) {
    std::vector<IconFrame> frames;
    for (int f = 0; f < kAniFrames; ++f)
        frames.push_back(aniFrameOf(f, Noise));
    Doc.replaceFrames(std::move(frames));
}

inline QByteArray aniFileOf(bool Noise) {
    IconDocument doc;
    fillAni(doc, Noise);
    return WriteAniFile(doc, TransparencySettings());
}
