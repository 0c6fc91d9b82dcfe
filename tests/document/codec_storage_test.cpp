// Each image keeps how it was stored: PNG pictures stay PNG, bitmaps stay
// bitmaps of their bit count, and what nobody edited is written back byte
// for byte.

#include "codec_support.h"
#include "../support/icon_file_bytes.h"
#include "document/IconFileReader.h"
#include "document/IconFileWriter.h"

#include <gtest/gtest.h>

using namespace codec_test;

namespace {

const TransparencySettings S = settings();

std::unique_ptr<IconImage> patterned(int Side, ColourFormat Format, bool Png = false) {
    const int entries = Format <= 8 ? 1 << Format : 0;
    std::vector<TColor> palette = entries ? testPalette(entries) : std::vector<TColor>();
    std::vector<TColor32> pixels;
    for (int i = 0; i < Side * Side; ++i) {
        if (entries) {
            pixels.push_back(i % 7 == 0 ? SetAlpha(S.TraColor, 0)
                                        : SetAlpha(palette[std::size_t(i % entries)], 255));
        } else {
            const TColor rgb = std::uint32_t(i) * 0x010307u % 0x1000000u;
            pixels.push_back(SetAlpha(rgb, 1 + i % 255));
        }
    }
    auto image = makeImage(Side, Side, Format, pixels, palette);
    image->StoredAsPng = Png;
    return image;
}

// A 256-pixel PNG picture, a 48-pixel 32-bit PNG picture, a 32-pixel 8-bit
// and a 16-pixel 4-bit bitmap.
std::vector<std::unique_ptr<IconImage>> mixed() {
    std::vector<std::unique_ptr<IconImage>> images;
    images.push_back(patterned(256, 32));
    images.push_back(patterned(48, 32, true));
    images.push_back(patterned(32, 8));
    images.push_back(patterned(16, 4));
    return images;
}

} // namespace

TEST(CodecStorage, MixedStorageSurvivesOpenAndSave) {
    const auto images = mixed();
    const QByteArray file = WriteIconFile(1, images, S);
    const std::vector<QByteArray> data = imageDataOf(file);
    ASSERT_TRUE(data[0].startsWith("\x89PNG"));
    ASSERT_TRUE(data[1].startsWith("\x89PNG"));
    ASSERT_FALSE(data[2].startsWith("\x89PNG"));

    IconFileContents read = ReadIconFile(file, "mixed.ico", S);
    ASSERT_EQ(read.Images.size(), 4u);
    const bool png[] = {true, true, false, false};
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(read.Images[i]->StoredAsPng, png[i]);
        EXPECT_EQ(read.Images[i]->Format, images[i]->Format);
        EXPECT_TRUE(read.Images[i]->Pixels.samePixels(images[i]->Pixels));
    }
    EXPECT_EQ(WriteIconFile(1, read.Images, S), file);

    // Only the image whose storage changes is written anew.
    read.Images[1]->StoredAsPng = false;
    const std::vector<QByteArray> toggled = imageDataOf(WriteIconFile(1, read.Images, S));
    EXPECT_EQ(toggled[0], data[0]);
    EXPECT_FALSE(toggled[1].startsWith("\x89PNG"));
    EXPECT_EQ(toggled[1].size(), 40 + 48 * 48 * 4 + 48 * 8);
    EXPECT_EQ(toggled[2], data[2]);
    EXPECT_EQ(toggled[3], data[3]);
    // A 256-pixel image is a PNG picture whatever its flag says.
    read.Images[0]->StoredAsPng = false;
    EXPECT_EQ(imageDataOf(WriteIconFile(1, read.Images, S))[0], data[0]);
}

// Stored bytes are written again only while they still read as the image.
TEST(CodecStorage, EditedImagesAreWrittenAnew) {
    // A bitmap as another program writes it: resolution and colour counts
    // filled in, and red, not black, under a masked pixel.
    RawImage foreign;
    foreign.width = 2;
    foreign.height = 1;
    foreign.bitCount = 24;
    foreign.colourRows = rows({QByteArray("\x00\x00\xFF\x10\x20\x30", 6)});
    foreign.maskRows = rows({QByteArray("\x80", 1)});
    QByteArray file = buildIcon(1, {foreign});
    file[22 + 24] = char(0x13); // horizontal resolution
    file[22 + 36] = char(2);    // important colours

    const struct {
        const char* What;
        void (*Change)(IconImage&);
        bool Kept;
    } cases[] = {
        {"nothing", [](IconImage&) {}, true},
        {"a pixel", [](IconImage& I) { I.Pixels.SetPixel(1, 0, 0xFF010203u); }, false},
        {"the format", [](IconImage& I) { I.Format = 32; }, false},
        {"a PNG picture asked for", [](IconImage& I) { I.StoredAsPng = true; }, true},
        {"its size",
         [](IconImage& I) {
             I.Pixels = TBitmap32(1, 1);
             I.Pixels.SetPixel(0, 0, 0xFF112233u);
         },
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        IconFileContents read = ReadIconFile(file, "t.ico", S);
        c.Change(*read.Images[0]);
        const QByteArray again = WriteIconFile(1, read.Images, S);
        EXPECT_EQ(imageDataOf(again)[0] == imageDataOf(file)[0], c.Kept);
        const IconFileContents back = ReadIconFile(again, "t.ico", S);
        EXPECT_TRUE(back.Images[0]->Pixels.samePixels(read.Images[0]->Pixels));
    }
    // Marker colours changed since the file was read: the image is written
    // from its pixels, and its transparent pixel stays transparent.
    const IconFileContents read = ReadIconFile(file, "t.ico", S);
    TransparencySettings other = S;
    other.TraColor = 0x123456;
    const IconFileContents back =
        ReadIconFile(WriteIconFile(1, read.Images, other), "t.ico", other);
    EXPECT_EQ(back.Images[0]->Pixels.GetPixel(0, 0), SetAlpha(0x123456, 0));
    EXPECT_EQ(back.Images[0]->Pixels.GetPixel(1, 0), 0xFF102030u);
}

// A palette change reaches the file even where no pixel changes.
TEST(CodecStorage, APaletteChangeIsWritten) {
    IconFileContents read = ReadIconFile(WriteIconFile(1, mixed(), S), "t.ico", S);
    IconImage& image = *read.Images[3];
    std::vector<TColor> entries = testPalette(16);
    entries[15] = 0x0A0B0C;
    image.Palette = PalettePicture::fromEntries(entries);
    const IconFileContents back = ReadIconFile(WriteIconFile(1, read.Images, S), "t.ico", S);
    EXPECT_EQ(back.Images[3]->Palette.entry(15), 0x0A0B0Cu);
}
