// The X cursor codec: what it writes, what it reads back, and what it
// refuses, with the file's bytes built by hand where the layout matters.

#include "document/file/IconCodecError.h"
#include "document/file/LittleEndianOut.h"
#include "document/file/XcursorPixel.h"
#include "document/file/XcursorReader.h"
#include "document/file/XcursorWriter.h"

#include <gtest/gtest.h>

namespace {

XcursorImage image(std::uint32_t Nominal, int W, int H, int Hx, int Hy, std::uint32_t Delay,
                   std::uint32_t Seed) {
    XcursorImage i;
    i.NominalSize = Nominal;
    i.Width = W;
    i.Height = H;
    i.HotSpotX = Hx;
    i.HotSpotY = Hy;
    i.DelayMs = Delay;
    // Opaque, partly and fully transparent pixels, colours that vary.
    for (int p = 0; p < W * H; ++p) {
        const std::uint32_t a = (p % 3 == 0) ? 255 : (p % 3 == 1) ? 0 : 128;
        const std::uint32_t rgb = (Seed * 2654435761u + std::uint32_t(p) * 40503u) & 0xFFFFFF;
        i.Pixels.push_back(a == 0 ? 0 : straightFromArgb(premultipliedArgb(rgb | a << 24)));
    }
    return i;
}

XcursorContents decode(const std::vector<std::uint8_t>& Bytes) {
    return DecodeXcursorFile(Bytes.data(), Bytes.size(), "test");
}

void expectSameImage(const XcursorImage& A, const XcursorImage& B) {
    EXPECT_EQ(A.NominalSize, B.NominalSize);
    EXPECT_EQ(A.Width, B.Width);
    EXPECT_EQ(A.Height, B.Height);
    EXPECT_EQ(A.HotSpotX, B.HotSpotX);
    EXPECT_EQ(A.HotSpotY, B.HotSpotY);
    EXPECT_EQ(A.DelayMs, B.DelayMs);
    EXPECT_EQ(A.Pixels, B.Pixels);
}

std::vector<std::uint8_t> words(std::initializer_list<std::uint32_t> Words) {
    std::vector<std::uint8_t> out;
    for (std::uint32_t w : Words)
        putU32(out, w);
    return out;
}

} // namespace

TEST(XcursorPixel, PremultipliedWordsSurviveReadingAndWritingExactly) {
    for (std::uint32_t a = 0; a < 256; ++a)
        for (std::uint32_t p = 0; p <= a; ++p) {
            const std::uint32_t word = a << 24 | p << 16 | (a - p) << 8 | p / 2;
            ASSERT_EQ(premultipliedArgb(straightFromArgb(word)), word) << a << " " << p;
        }
}

TEST(XcursorPixel, PremultiplyingRoundsToNearest) {
    struct Case {
        std::uint32_t Straight; // red low byte
        std::uint32_t Argb;
    };
    const Case cases[] = {
        {0xFF0000FF, 0xFFFF0000}, // opaque red moves to ARGB order unchanged
        {0x800000FF, 0x80800000}, // 255 * 128 / 255
        {0x80000001, 0x80010000}, // 128 / 255 = 0.502: rounds to 1, truncation gives 0
        {0x7F0000FF, 0x7F7F0000},
        {0x40C08040, 0x40102030}, // 64*64/255=16.06, 128*64/255=32.1, 192*64/255=48.2
        {0x03FFFFFF, 0x03030303},
        {0x00FFFFFF, 0x00000000}, // invisible colour is not kept
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Straight);
        EXPECT_EQ(premultipliedArgb(c.Straight), c.Argb);
    }
}

TEST(XcursorCodec, WritesTheLayoutByteForByte) {
    XcursorContents c;
    XcursorImage i;
    i.NominalSize = 24;
    i.Width = 2;
    i.Height = 1;
    i.HotSpotX = 1;
    i.DelayMs = 50;
    i.Pixels = {0xFF112233, 0x80000001};
    c.Images.push_back(i);
    c.Comments.push_back({1, "ab"});
    const std::vector<std::uint8_t> expected = [] {
        std::vector<std::uint8_t> b = words({
            0x72756358, 16, 0x00010000, 2,     // header
            0xfffd0002, 24, 40,                // table: the image,
            0xfffe0001, 1, 40 + 36 + 8,        // then the comment
            36, 0xfffd0002, 24, 1, 2, 1, 1, 0, 50, 0xFF332211, 0x80010000,
            20, 0xfffe0001, 1, 1, 2,
        });
        b.push_back('a');
        b.push_back('b');
        return b;
    }();
    EXPECT_EQ(EncodeXcursorFile(c), expected);
}

TEST(XcursorCodec, RoundTripKeepsSizesFramesHotSpotsDelaysAndComments) {
    XcursorContents c;
    // Given out of order: the table comes out sorted by nominal size, the
    // frames of one size in the order given.
    c.Images.push_back(image(48, 48, 48, 10, 12, 100, 1));
    c.Images.push_back(image(24, 32, 30, 31, 29, 40, 2)); // nominal 24 drawn at 32 x 30
    c.Images.push_back(image(48, 47, 49, 0, 48, 60, 3));  // its own size and hot spot
    c.Images.push_back(image(24, 32, 30, 1, 2, 0, 4));
    c.Images.push_back(image(48, 48, 48, 5, 5, 4000000000u, 5));
    c.Comments = {{1, "(c) us"}, {2, "MIT"}, {3, std::string("any\0bytes\xff", 10)}};
    const XcursorContents back = decode(EncodeXcursorFile(c));
    const int order[] = {1, 3, 0, 2, 4};
    ASSERT_EQ(back.Images.size(), 5u);
    for (int k = 0; k < 5; ++k) {
        SCOPED_TRACE(k);
        expectSameImage(back.Images[std::size_t(k)], c.Images[std::size_t(order[k])]);
    }
    ASSERT_EQ(back.Comments.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(back.Comments[k].Kind, c.Comments[k].Kind);
        EXPECT_EQ(back.Comments[k].Text, c.Comments[k].Text);
    }
    EXPECT_EQ(NominalSizes(back.Images), (std::vector<std::uint32_t>{24, 48}));
    EXPECT_EQ(FramesOfSize(back.Images, 48).size(), 3u);
}

TEST(XcursorCodec, WriterRefusesWhatLibXcursorCouldNotUse) {
    struct Case {
        const char* Name;
        void (*Spoil)(XcursorImage&);
    };
    const Case cases[] = {
        {"nominal size 0", [](XcursorImage& I) { I.NominalSize = 0; }},
        {"hot spot right of the image", [](XcursorImage& I) { I.HotSpotX = I.Width; }},
        {"hot spot below the image", [](XcursorImage& I) { I.HotSpotY = I.Height; }},
        {"negative hot spot", [](XcursorImage& I) { I.HotSpotX = -1; }},
        {"no width", [](XcursorImage& I) { I.Width = 0; I.Pixels.clear(); }},
        {"too wide", [](XcursorImage& I) { I.Width = 0x8000; }},
        {"pixels missing", [](XcursorImage& I) { I.Pixels.pop_back(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        XcursorContents contents;
        contents.Images.push_back(image(16, 4, 4, 1, 1, 0, 7));
        c.Spoil(contents.Images.back());
        EXPECT_THROW(EncodeXcursorFile(contents), IconCodecError);
    }
    EXPECT_THROW(EncodeXcursorFile(XcursorContents()), IconCodecError);
}

TEST(XcursorCodec, EveryShortenedFileIsRefusedWithItsName) {
    XcursorContents c;
    c.Images.push_back(image(16, 3, 2, 1, 1, 10, 1));
    c.Comments.push_back({3, "note"});
    const std::vector<std::uint8_t> whole = EncodeXcursorFile(c);
    for (std::size_t n = 0; n < whole.size(); ++n) {
        SCOPED_TRACE(n);
        try {
            DecodeXcursorFile(whole.data(), n, "short.cursor");
            ADD_FAILURE() << "read";
        } catch (const IconCodecError& e) {
            EXPECT_EQ(std::string(e.what()).rfind("short.cursor is not an X cursor.", 0), 0u)
                << e.what();
        }
    }
}

TEST(XcursorCodec, DamagedFilesAreRefused) {
    // One 2 x 1 image at 28: header, table entry, chunk header, pixels.
    const auto file = [](std::uint32_t Ntoc, std::uint32_t Type, std::uint32_t W,
                         std::uint32_t H, std::uint32_t Hx, std::uint32_t ChunkSubtype) {
        std::vector<std::uint8_t> b = words({0x72756358, 16, 0x00010000, Ntoc, 0xfffd0002, 16,
                                             28, 36, Type, ChunkSubtype, 1, W, H, Hx, 0, 0});
        for (std::uint32_t i = 0; i < 2; ++i)
            putU32(b, 0xFF000000);
        return b;
    };
    ASSERT_NO_THROW(decode(file(1, 0xfffd0002, 2, 1, 0, 16)));
    struct Case {
        const char* Name;
        std::vector<std::uint8_t> Bytes;
        const char* Reason;
    };
    std::vector<std::uint8_t> badMagic = file(1, 0xfffd0002, 2, 1, 0, 16);
    badMagic[0] = 'x';
    const Case cases[] = {
        {"magic", badMagic, "\"Xcur\""},
        {"table longer than the limit", file(0x10001, 0xfffd0002, 2, 1, 0, 16), "too long"},
        {"table past the end", file(900, 0xfffd0002, 2, 1, 0, 16), "past the end"},
        {"chunk type differs from the table", file(1, 0xfffe0001, 2, 1, 0, 16), "match"},
        {"chunk size differs from the table", file(1, 0xfffd0002, 2, 1, 0, 24), "match"},
        {"width 0", file(1, 0xfffd0002, 0, 1, 0, 16), "1 to 32767"},
        {"width past the limit", file(1, 0xfffd0002, 0x8000, 1, 0, 16), "1 to 32767"},
        {"hot spot past the edge", file(1, 0xfffd0002, 2, 1, 3, 16), "hot spot"},
        {"pixels past the end", file(1, 0xfffd0002, 2, 2, 0, 16), "past the end"},
        {"no images", words({0x72756358, 16, 0x00010000, 0}), "no images"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        try {
            decode(c.Bytes);
            ADD_FAILURE() << "read";
        } catch (const IconCodecError& e) {
            EXPECT_NE(std::string(e.what()).find(c.Reason), std::string::npos) << e.what();
        }
    }
}

TEST(XcursorCodec, AHotSpotOnTheEdgeComesOntoTheLastPixel) {
    // libXcursor accepts a hot spot equal to the width; the editor keeps hot
    // spots on a pixel.
    std::vector<std::uint8_t> b =
        words({0x72756358, 16, 0x00010000, 1, 0xfffd0002, 16, 28, 36, 0xfffd0002, 16, 1, 2, 3,
               2, 3, 7, 0, 0, 0, 0, 0, 0});
    const XcursorContents c = decode(b);
    ASSERT_EQ(c.Images.size(), 1u);
    EXPECT_EQ(c.Images[0].HotSpotX, 1);
    EXPECT_EQ(c.Images[0].HotSpotY, 2);
    EXPECT_EQ(c.Images[0].DelayMs, 7u);
}

TEST(XcursorCodec, ManyEntriesForOneChunkAreRefusedBeforeThePixelsAreMade) {
    // 16385 entries all naming one 64 x 64 image would unpack to 1 GiB.
    const std::uint32_t n = 16385;
    std::vector<std::uint8_t> b = words({0x72756358, 16, 0x00010000, n});
    const std::uint32_t chunk = 16 + n * 12;
    for (std::uint32_t i = 0; i < n; ++i)
        for (std::uint32_t w : {0xfffd0002u, 64u, chunk})
            putU32(b, w);
    for (std::uint32_t w : {36u, 0xfffd0002u, 64u, 1u, 64u, 64u, 0u, 0u, 0u})
        putU32(b, w);
    b.resize(b.size() + 64 * 64 * 4);
    try {
        decode(b);
        ADD_FAILURE() << "read";
    } catch (const IconCodecError& e) {
        EXPECT_NE(std::string(e.what()).find("too large together"), std::string::npos);
    }
}

TEST(XcursorCodec, ChunksOfOtherTypesArePassedOver) {
    std::vector<std::uint8_t> b = words({0x72756358, 16, 0x00010000, 2, 0x12345678, 1, 0,
                                         0xfffd0002, 1, 40, 36, 0xfffd0002, 1, 1, 1, 1, 0, 0,
                                         0, 0xFF0000FF});
    const XcursorContents c = decode(b);
    ASSERT_EQ(c.Images.size(), 1u);
    EXPECT_EQ(c.Images[0].Pixels, std::vector<std::uint32_t>{0xFFFF0000});
}
