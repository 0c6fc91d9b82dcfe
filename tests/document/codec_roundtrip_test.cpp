// Everything the writer stores, the reader gives back.

#include "codec_support.h"
#include "document/IconFileReader.h"
#include "document/IconFileWriter.h"

#include <gtest/gtest.h>

using namespace codec_test;

namespace {

// An image of the format filled with palette colours (any colour for the
// true-colour formats), with transparent and inverted pixels among them and,
// in Format 32, every kind of alpha.
std::unique_ptr<IconImage> randomImage(int width, int height, ColourFormat format,
                                       const TransparencySettings& s, std::uint32_t seed) {
    Lcg rnd(seed);
    const int entries = format == 1 ? 2 : format == 4 ? 16 : format == 8 ? 256 : 0;
    // Black and white among the entries, as in the default palettes: inverted
    // pixels are stored over white and only come back where there is one.
    std::vector<TColor> palette = testPalette(entries);
    if (entries > 0) {
        palette.front() = 0x000000;
        palette.back() = 0xFFFFFF;
    }
    std::vector<TColor32> pixels;
    for (int i = 0; i < width * height; ++i) {
        const std::uint32_t kind = rnd.next(8);
        if (kind == 0) {
            pixels.push_back(SetAlpha(rnd.next(0x1000000), rnd.next(format == 32 ? 1 : 100)));
        } else if (kind == 1) {
            pixels.push_back(SetAlpha(s.InvColor, 0));
        } else if (entries > 0) {
            pixels.push_back(SetAlpha(palette[rnd.next(std::uint32_t(entries))], 255));
        } else {
            pixels.push_back(
                SetAlpha(rnd.next(0x1000000), format == 32 ? int(rnd.next(256)) : 255));
        }
    }
    return makeImage(width, height, format, pixels, palette);
}

// What the reader must give back for a pixel the writer was given.
TColor32 expectedBack(TColor32 c, ColourFormat format, const TransparencySettings& s) {
    if (IsInvertedPixel(c, format, s)) return SetAlpha(s.InvColor, 0);
    if (IsTransparentPixel(c, format, s)) return SetAlpha(s.TraColor, 0);
    return format == 32 ? c : SetAlpha(Color32ToColor(c), 255);
}

class CodecRoundTrip : public ::testing::TestWithParam<int> {};

} // namespace

TEST_P(CodecRoundTrip, PixelsPaletteAndHotSpotSurvive) {
    const ColourFormat format = ColourFormat(GetParam());
    TransparencySettings s;
    s.InvColor = 0x123456;
    s.TraColor = 0x654321;
    std::vector<std::unique_ptr<IconImage>> images;
    std::uint32_t seed = 1;
    for (int width : {1, 2, 3, 5, 7, 8, 9, 17, 31, 33, 255}) {
        for (int height : {1, 4}) {
            images.push_back(randomImage(width, height, format, s, seed++));
            images.back()->HotSpotX = std::uint8_t(width - 1);
            images.back()->HotSpotY = std::uint8_t(height - 1);
        }
    }
    for (std::uint16_t type : {1, 2}) {
        SCOPED_TRACE(type);
        const IconFileContents back = ReadIconFile(WriteIconFile(type, images, s), "t", s);
        EXPECT_EQ(back.FileType, type);
        ASSERT_EQ(back.Images.size(), images.size());
        for (std::size_t i = 0; i < images.size(); ++i) {
            const IconImage& in = *images[i];
            const IconImage& out = *back.Images[i];
            SCOPED_TRACE(out.Caption.toStdString());
            EXPECT_EQ(out.Format, format);
            ASSERT_EQ(out.Pixels.Width, in.Pixels.Width);
            ASSERT_EQ(out.Pixels.Height, in.Pixels.Height);
            std::vector<TColor32> expected;
            for (TColor32 c : in.Pixels.Bits)
                expected.push_back(expectedBack(c, format, s));
            EXPECT_EQ(out.Pixels.Bits, expected);
            if (format <= 8) {
                EXPECT_EQ(out.Palette.entries(), in.Palette.entries());
            }
            if (type == 2) {
                EXPECT_EQ(out.HotSpotX, in.HotSpotX);
                EXPECT_EQ(out.HotSpotY, in.HotSpotY);
            } else {
                // An icon has no hot spot of its own to read back.
                EXPECT_EQ(out.HotSpotX, 0);
                EXPECT_EQ(out.HotSpotY, 0);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, CodecRoundTrip, ::testing::Values(1, 4, 8, 24, 32));

TEST(CodecRoundTripMixed, TwoImageIconKeepsSizesFormatsAndPalette) {
    const TransparencySettings s = settings();
    std::vector<std::unique_ptr<IconImage>> images;
    images.push_back(randomImage(16, 16, 4, s, 7));
    images.push_back(randomImage(32, 32, 32, s, 8));
    const QByteArray file = WriteIconFile(1, images, s);
    const IconFileContents back = ReadIconFile(file, "t.ico", s);
    ASSERT_EQ(back.Images.size(), 2u);
    EXPECT_EQ(back.Images[0]->Caption, "16 x 16 (16)");
    EXPECT_EQ(back.Images[1]->Caption, "32 x 32 (TCA)");
    // Written again, the file is the same.
    EXPECT_EQ(WriteIconFile(1, back.Images, s), file);
}
