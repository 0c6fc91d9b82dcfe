// What the writer puts in a file, byte for byte.

#include "codec_support.h"
#include "document/IconFileReader.h"
#include "document/IconFileWriter.h"
#include "document/IconImageData.h"

#include <gtest/gtest.h>

using namespace codec_test;

namespace {

QByteArray write(std::uint16_t type, const std::vector<std::unique_ptr<IconImage>>& images,
                 const TransparencySettings& s = settings()) {
    return WriteIconFile(type, images, s);
}

} // namespace

TEST(CodecWriter, RowSizes) {
    EXPECT_EQ(ImageDataSize(32, 32, 32), 4096);
    EXPECT_EQ(ImageDataSize(32, 32, 1), 128);
    EXPECT_EQ(ImageDataSize(9, 1, 1), 4);
    EXPECT_EQ(ImageDataSize(3, 2, 4), 8);
    EXPECT_EQ(ImageDataSize(1, 1, 24), 4);
    EXPECT_EQ(ImageDataSize(255, 255, 32), 255 * 1020);
}

TEST(CodecWriter, OneRedPixelIsTheSeventyByteFile) {
    const QByteArray file = write(1, single(makeImage(1, 1, 32, {0xFF0000FFu})));
    const QByteArray expected = hexBytes("00 00 01 00 01 00 |"
                                         "01 01 00 00 01 00 20 00 30 00 00 00 16 00 00 00 |"
                                         "28 00 00 00 01 00 00 00 02 00 00 00 01 00 20 00"
                                         "00 00 00 00 04 00 00 00"
                                         "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 |"
                                         "00 00 FF FF | 00 00 00 00");
    ASSERT_EQ(expected.size(), 70);
    EXPECT_EQ(hexString(file), hexString(expected));

    // Its transparent twin: colour bytes all 0 and the mask bit set.
    const QByteArray twin = write(1, single(makeImage(1, 1, 32, {0x000000FFu})));
    QByteArray expectedTwin = expected;
    expectedTwin.replace(62, 8, hexBytes("00 00 00 00 80 00 00 00"));
    EXPECT_EQ(hexString(twin), hexString(expectedTwin));
}

TEST(CodecWriter, NineWideOneBitRowsUseTwoBytes) {
    // White at pixels 0 and 8, black elsewhere, pixel 4 transparent.
    const TColor32 k = 0xFF000000u, w = 0xFFFFFFFFu;
    const QByteArray file =
        write(1, single(makeImage(9, 1, 1, {w, k, k, k, 0, k, k, k, w}, {0x000000, 0xFFFFFF})));
    const QByteArray expected = hexBytes("09 01 02 00 01 00 01 00 38 00 00 00 16 00 00 00 |"
                                         "28 00 00 00 09 00 00 00 02 00 00 00 01 00 01 00"
                                         "00 00 00 00 04 00 00 00"
                                         "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 |"
                                         "00 00 00 00 FF FF FF 00 |"
                                         "80 80 00 00 | 08 00 00 00");
    EXPECT_EQ(hexString(file.mid(6)), hexString(expected));
}

TEST(CodecWriter, ThreeWideFourBitRowsUseTwoBytes) {
    std::vector<TColor> palette;
    for (int i = 0; i < 16; ++i)
        palette.push_back(TColor(i * 17)); // reds, entry 0 black
    const auto e = [&](int i) { return SetAlpha(palette[std::size_t(i)], 255); };
    const QByteArray file =
        write(1, single(makeImage(3, 2, 4, {e(1), e(2), e(15), e(3), 0u, e(4)}, palette)));
    EXPECT_EQ(hexString(file.mid(6, 16)),
              hexString(hexBytes("03 02 10 00 01 00 04 00 78 00 00 00 16 00 00 00")));
    ASSERT_EQ(file.size(), 22 + 120);
    // Bottom row first: 3, black (masked), 4; then 1, 2, 15. Low nibble of the
    // last byte 0.
    EXPECT_EQ(hexString(file.mid(22 + 40 + 64)),
              hexString(hexBytes("30 40 00 00 12 F0 00 00 | 40 00 00 00 00 00 00 00")));
}

TEST(CodecWriter, CursorEntriesHoldHotSpotsAndIconsPlanesAndBitCount) {
    std::vector<std::unique_ptr<IconImage>> images;
    images.push_back(makeImage(16, 16, 4, {}, testPalette(16)));
    images.back()->HotSpotX = 5;
    images.back()->HotSpotY = 7;
    images.push_back(makeImage(32, 32, 32, {}));
    images.back()->HotSpotX = 0;
    images.back()->HotSpotY = 31;

    const QByteArray cursor = write(2, images);
    EXPECT_EQ(hexString(cursor.left(6)), "00 00 02 00 02 00");
    EXPECT_EQ(hexString(cursor.mid(6 + 4, 4)), "05 00 07 00");
    EXPECT_EQ(hexString(cursor.mid(22 + 4, 4)), "00 00 1f 00");

    const QByteArray icon = write(1, images);
    EXPECT_EQ(hexString(icon.mid(6 + 4, 4)), "01 00 04 00");
    EXPECT_EQ(hexString(icon.mid(22 + 4, 4)), "01 00 20 00");
    // The second image follows the first: 40 + 64 + 128 + 64 bytes after 38.
    EXPECT_EQ(hexString(icon.mid(22 + 12, 4)), "4e 01 00 00");
}

TEST(CodecWriter, AlphaRangeDecidesTheMaskOutsideFormat32) {
    TransparencySettings s;
    s.TraRange = 100;
    const TColor32 red99 = SetAlpha(0x0000FF, 99);
    const TColor32 inverted99 = SetAlpha(s.InvColor, 99);
    const TColor32 green100 = SetAlpha(0x00FF00, 100);
    const QByteArray file = write(1, single(makeImage(3, 1, 24, {red99, inverted99, green100})), s);
    EXPECT_EQ(hexString(file.mid(22 + 40)),
              hexString(hexBytes("00 00 00 FF FF FF 00 FF 00 00 00 00 | C0 00 00 00")));
}

TEST(CodecWriter, OnlyAlphaZeroIsMaskedInFormat32) {
    const QByteArray file = write(1, single(makeImage(1, 1, 32, {Color32(1, 10, 20, 30)})));
    EXPECT_EQ(hexString(file.mid(22 + 40)), hexString(hexBytes("1E 14 0A 01 | 00 00 00 00")));
}

TEST(CodecWriter, PaletteIndexIsTheFirstEqualEntry) {
    const PalettePicture palette = PalettePicture::fromEntries({0x112233, 0x445566, 0x112233});
    EXPECT_EQ(PaletteIndex(0x112233, palette), 0);
    EXPECT_EQ(PaletteIndex(0xFF445566, palette), 1); // alpha dropped
    EXPECT_EQ(PaletteIndex(0x000000, palette), -1);
}

// A colour in no palette entry (here the black and white standing in for
// masked pixels, and one off-palette colour) is written as its nearest
// entry's index, and never spills into the pixels sharing its byte.
TEST(CodecWriter, UnmatchedColoursTakeTheNearestEntry) {
    const std::vector<TColor> palette{0x0000F0, 0xF00000}; // dark red, dark blue
    const TColor32 r = 0xFF0000F0u, b = 0xFFF00000u;
    const TransparencySettings s = settings();
    const TColor32 inverted = SetAlpha(s.InvColor, 0);
    const TColor32 offPalette = 0xFFE00010u; // nearest to blue
    const auto image =
        single(makeImage(9, 1, 1, {r, 0u, b, inverted, b, r, offPalette, b, r}, palette));
    const QByteArray file = write(1, image, s);
    // Black and white are as near to one entry as to the other: the first wins.
    EXPECT_EQ(hexString(file.mid(22 + 40 + 8, 8)),
              hexString(hexBytes("2B 00 00 00 | 50 00 00 00")));

    const IconFileContents back = ReadIconFile(file, "t.ico", s);
    const std::vector<TColor32> expected{
        r, SetAlpha(s.TraColor, 0), b, SetAlpha(s.TraColor, 0), b, r, b, b, r};
    // The white under the inverted pixel reads back as a palette colour, so
    // the masked pixel comes back transparent: the palette has no white.
    EXPECT_EQ(back.Images[0]->Pixels.Bits, expected);
}

TEST(CodecWriter, RefusesImagesAFileCannotHold) {
    const TransparencySettings s = settings();
    EXPECT_THROW(WriteIconFile(1, std::vector<std::unique_ptr<IconImage>>{}, s), IconFileError);
    EXPECT_THROW(WriteIconFile(1, single(makeImage(256, 1, 32, {})), s), IconFileError);
    EXPECT_THROW(WriteIconFile(1, single(makeImage(0, 0, 32, {})), s), IconFileError);
    EXPECT_THROW(WriteIconFile(1, single(makeImage(2, 2, 16, {})), s), IconFileError);
}
