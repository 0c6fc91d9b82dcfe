// Reading files made field by field, including the ones other programs make.

#include "codec_support.h"
#include "document/IconFileReader.h"
#include "document/IconFileWriter.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace codec_test;

namespace {

const TransparencySettings S = settings();
const TColor32 Transparent = SetAlpha(S.TraColor, 0);
const TColor32 Inverted = SetAlpha(S.InvColor, 0);

QByteArray bgr0(const std::vector<TColor>& colours) {
    QByteArray out;
    for (TColor c : colours) {
        out.append(char(BlueOf(c)));
        out.append(char(GreenOf(c)));
        out.append(char(RedOf(c)));
        out.append(char(0));
    }
    return out;
}

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

QByteArray patchU32(QByteArray file, int at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        file[at + i] = char((value >> (8 * i)) & 0xFF);
    return file;
}

IconFileContents read(const QByteArray& file) {
    return ReadIconFile(file, "t.ico", S);
}

// One 32-bit 1 x 1 image with the given BGRA bytes and mask byte.
RawImage pixel32(std::initializer_list<int> bgra, int maskByte) {
    RawImage r;
    r.colourRows = rows({bytes(bgra)});
    r.maskRows = rows({bytes({maskByte})});
    return r;
}

} // namespace

TEST(CodecReader, DirectoryAndHeaderFields) {
    RawImage a;
    a.width = 2;
    a.height = 1;
    a.planes = 0x1205;
    a.dirBitCount = 0x3407;
    a.bitCount = 24;
    a.colourRows = rows({bytes({1, 2, 3, 4, 5, 6})});
    a.maskRows = rows({bytes({0})});
    const IconFileContents c = read(buildIcon(0, {a}));
    EXPECT_EQ(c.FileType, 0); // type 0 passes and is kept
    ASSERT_EQ(c.Images.size(), 1u);
    const IconImage& image = *c.Images[0];
    EXPECT_EQ(image.Format, 24);
    // Not a cursor: the planes and bit count are no point of the image.
    EXPECT_EQ(image.HotSpotX, 0);
    EXPECT_EQ(image.HotSpotY, 0);
    EXPECT_EQ(image.Caption, "2 x 1 (TC)");
    EXPECT_EQ(image.Pixels.Bits, (std::vector<TColor32>{0xFF010203u, 0xFF040506u}));
}

TEST(CodecReader, RowLayoutsOfOddWidths) {
    const std::vector<TColor> bw{0x000000, 0xFFFFFF};
    const TColor32 k = 0xFF000000u, w = 0xFFFFFFFFu;
    {
        SCOPED_TRACE("one bit, width 9: pixel 8 is bit 7 of the second byte");
        RawImage r;
        r.width = 9;
        r.height = 2;
        r.bitCount = 1;
        r.table = bgr0(bw);
        r.colourRows = rows({bytes({0x80, 0x80, 0x7F, 0xFF}), bytes({0x01, 0x00})});
        r.maskRows = rows({bytes({0}), bytes({0})});
        const IconFileContents c = read(buildIcon(1, {r}));
        EXPECT_EQ(c.Images[0]->Pixels.Bits,
                  (std::vector<TColor32>{k, k, k, k, k, k, k, w, k, // top row
                                         w, k, k, k, k, k, k, k, w}));
    }
    {
        SCOPED_TRACE("four bits, width 3: pixel 2 is the high nibble of the second byte");
        std::vector<TColor> palette = testPalette(16);
        RawImage r;
        r.width = 3;
        r.height = 2;
        r.bitCount = 4;
        r.table = bgr0(palette);
        r.colourRows = rows({bytes({0x12, 0x3F, 0xEE, 0xEE}), bytes({0x45, 0x6F})});
        r.maskRows = rows({bytes({0}), bytes({0})});
        const IconFileContents c = read(buildIcon(1, {r}));
        std::vector<TColor32> expected;
        for (int i : {4, 5, 6, 1, 2, 3})
            expected.push_back(SetAlpha(palette[std::size_t(i)], 255));
        EXPECT_EQ(c.Images[0]->Pixels.Bits, expected);
        EXPECT_EQ(c.Images[0]->Palette.entries(), palette);
    }
    {
        SCOPED_TRACE("24 bits, width 1: 3 pixel bytes and 1 padding byte per row");
        RawImage r;
        r.height = 3;
        r.bitCount = 24;
        r.colourRows = hexBytes("01 02 03 EE 04 05 06 EE 07 08 09 EE");
        r.maskRows = hexBytes("00 EE EE EE 80 EE EE EE 00 EE EE EE");
        const IconFileContents c = read(buildIcon(1, {r}));
        EXPECT_EQ(c.Images[0]->Pixels.Bits,
                  (std::vector<TColor32>{0xFF070809u, Transparent, 0xFF010203u}));
    }
}

TEST(CodecReader, MaskOverWhiteInvertsAndOverAnythingElseIsTransparent) {
    // White is entry 5 of 256, not the last one.
    std::vector<TColor> palette(256, 0x102030);
    palette[5] = 0xFFFFFF;
    palette[7] = 0x0000FF;
    RawImage r;
    r.width = 4;
    r.bitCount = 8;
    r.table = bgr0(palette);
    r.colourRows = rows({bytes({5, 7, 5, 7})});
    r.maskRows = rows({bytes({0xC0})});
    const IconFileContents c = read(buildIcon(1, {r}));
    EXPECT_EQ(c.Images[0]->Pixels.Bits,
              (std::vector<TColor32>{Inverted, Transparent, 0xFFFFFFFFu, 0xFF0000FFu}));
}

TEST(CodecReader, AlphaCountsInThirtyTwoBitImages) {
    struct Case {
        const char* what;
        std::initializer_list<int> bgra;
        int mask;
        TColor32 expected;
    };
    const Case cases[] = {
        {"mask over alpha 200 keeps colour and alpha", {10, 20, 30, 200}, 0x80, 0xC80A141Eu},
        {"mask over alpha 0 black is transparent", {0, 0, 0, 0}, 0x80, Transparent},
        {"mask over alpha 0 white inverts", {255, 255, 255, 0}, 0x80, Inverted},
        {"no mask over alpha 0 stays as stored", {1, 2, 3, 0}, 0x00, 0x00010203u},
        {"no mask over alpha 255", {1, 2, 3, 255}, 0x00, 0xFF010203u},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        const IconFileContents c = read(buildIcon(1, {pixel32(k.bgra, k.mask)}));
        EXPECT_EQ(c.Images[0]->Pixels.Bits, std::vector<TColor32>{k.expected});
    }
}

// Masks left out or written short by other programs read as clear.
TEST(CodecReader, ShortMasksReadClear) {
    {
        SCOPED_TRACE("a 32-bit image whose file ends right after its pixels");
        RawImage a = pixel32({1, 2, 3, 4}, 0x80);
        RawImage b = pixel32({5, 6, 7, 0}, 0x80);
        b.maskRows.clear();
        b.dataSize = 48; // the directory still counts the mask
        const IconFileContents c = read(buildIcon(1, {a, b}));
        ASSERT_EQ(c.Images.size(), 2u);
        EXPECT_EQ(c.Images[0]->Pixels.Bits, std::vector<TColor32>{0x04010203u});
        EXPECT_EQ(c.Images[1]->Pixels.Bits, std::vector<TColor32>{0x00050607u});
    }
    {
        SCOPED_TRACE("masks written short, each as the directory states");
        RawImage a;
        a.width = 16;
        a.height = 2;
        a.bitCount = 8;
        a.table = QByteArray(1024, 0x40);
        a.colourRows = QByteArray(32, 0);
        a.maskRows = QByteArray(4, char(0xFF)); // 2 bytes a row, unpadded
        RawImage b = a;
        b.bitCount = 24;
        b.table.clear();
        b.colourRows = QByteArray(96, 0x20);
        const IconFileContents c = read(buildIcon(1, {a, b}));
        ASSERT_EQ(c.Images.size(), 2u);
        EXPECT_EQ(c.Images[0]->Pixels.Bits, std::vector<TColor32>(32, 0xFF404040u));
        EXPECT_EQ(c.Images[1]->Pixels.Bits, std::vector<TColor32>(32, 0xFF202020u));
    }
}

TEST(CodecReader, FollowsTheOffsetsAndTheHeaderSize) {
    RawImage a = pixel32({1, 1, 1, 255}, 0);
    RawImage b = pixel32({2, 2, 2, 255}, 0);
    RawImage c = pixel32({3, 3, 3, 255}, 0);
    b.headerSize = 108; // a longer header, skipped to its stated size
    b.headerExtra = QByteArray(68, char(0x55));
    // Stored as c, gap, b, a, with garbage between.
    c.offset = 6 + 3 * 16;
    b.offset = *c.offset + 48 + 10;
    a.offset = *b.offset + 48 + 68 + 3;
    const IconFileContents r = read(buildIcon(1, {a, b, c}));
    ASSERT_EQ(r.Images.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(r.Images[std::size_t(i)]->Pixels.Bits[0],
                  0xFF000000u | 0x010101u * TColor32(i + 1));
        EXPECT_EQ(r.Images[std::size_t(i)]->Index, i);
    }
}

TEST(CodecReader, ColoursUsedGivesTheTableLength) {
    // An 8-bit image that stores only 16 entries.
    const std::vector<TColor> sixteen = testPalette(16);
    RawImage r;
    r.width = 2;
    r.bitCount = 8;
    r.coloursUsed = 16;
    r.table = bgr0(sixteen);
    r.colourRows = rows({bytes({3, 15})});
    r.maskRows = rows({bytes({0})});
    const IconFileContents c = read(buildIcon(1, {r}));
    const IconImage& image = *c.Images[0];
    EXPECT_EQ(image.Pixels.Bits,
              (std::vector<TColor32>{SetAlpha(sixteen[3], 255), SetAlpha(sixteen[15], 255)}));
    ASSERT_EQ(image.Palette.count(), 256); // the format's full palette
    EXPECT_EQ(image.Palette.entry(15), sixteen[15]);
    EXPECT_EQ(image.Palette.entry(16), 0u);
}

TEST(CodecReader, MoreThan255Images) {
    std::vector<RawImage> images(300, pixel32({9, 9, 9, 255}, 0));
    const IconFileContents c = read(buildIcon(2, images));
    EXPECT_EQ(c.Images.size(), 300u);
    EXPECT_EQ(c.Images.back()->Index, 299);
}

TEST(CodecReader, TrueColourImagesTakeTheColourChart) {
    const PalettePicture chart = PalettePicture::fromEntries(testPalette(320));
    const IconFileContents c =
        ReadIconFile(buildIcon(1, {pixel32({1, 1, 1, 1}, 0)}), "t.ico", S, chart);
    EXPECT_EQ(c.Images[0]->Palette.entries(), chart.entries());
    EXPECT_EQ(c.Images[0]->Caption, "1 x 1 (TCA)");
}

// Damaged and foreign files are refused with the file's name and a reason,
// and nothing is read beyond the data (the ASan build checks that part).
TEST(CodecReader, BadFilesAreRefused) {
    const RawImage good = pixel32({1, 2, 3, 255}, 0);
    const QByteArray goodFile = buildIcon(1, {good});
    const auto with = [&](auto change) {
        RawImage r = good;
        change(r);
        return buildIcon(1, {r});
    };
    RawImage palette8;
    palette8.width = 2;
    palette8.bitCount = 8;
    palette8.table = QByteArray(1024, 0);
    palette8.colourRows = rows({bytes({0, 0})});
    palette8.maskRows = rows({bytes({0})});

    QByteArray png = goodFile;
    png.replace(22, 8, QByteArray("\x89PNG\r\n\x1a\n", 8));

    struct Case {
        const char* what;
        QByteArray file;
        const char* reason;
    };
    const Case cases[] = {
        {"empty", QByteArray(), "too short"},
        {"five bytes", goodFile.left(5), "too short"},
        {"reserved 1", buildIcon(1, {good}, std::nullopt, 1), "header"},
        {"type 3", buildIcon(3, {good}), "header"},
        {"count 0", buildIcon(1, {good}, 0), "no images"},
        {"directory cut short", goodFile.left(20), "directory"},
        {"count above the entries", buildIcon(1, {good}, 2), "image"},
        {"width 0 (256) over data for 1",
         with([](RawImage& r) {
             r.width = 0;
             r.headerWidth = 256;
         }),
         "ends inside"},
        {"height 0 (256) over data for 1",
         with([](RawImage& r) {
             r.height = 0;
             r.headerHeight = 512;
         }),
         "ends inside"},
        {"header and directory both beyond the data",
         with([](RawImage& r) {
             r.width = 3;
             r.headerWidth = 65535;
         }),
         "ends inside"},
        {"offset past the end", patchU32(goodFile, 18, 5000), "outside"},
        {"offset inside the directory", patchU32(goodFile, 18, 4), "outside"},
        {"bitmap header cut short", goodFile.left(22 + 39), "ends inside image 1"},
        {"header size 12", with([](RawImage& r) { r.headerSize = 12; }), "header"},
        {"header size huge", with([](RawImage& r) { r.headerSize = 0xFFFFFFF0u; }), "ends inside"},
        {"bit count 16", with([](RawImage& r) { r.bitCount = 16; }), "16 bits"},
        {"bit count 0", with([](RawImage& r) { r.bitCount = 0; }), "0 bits"},
        {"run-length compressed", with([](RawImage& r) { r.compression = 1; }), "compressed"},
        {"bit fields", with([](RawImage& r) { r.compression = 3; }), "compressed"},
        {"PNG image", png, "PNG"},
        {"colours used above 256",
         [&] {
             RawImage r = palette8;
             r.coloursUsed = 257;
             return buildIcon(1, {r});
         }(),
         "colour table"},
        {"colour table cut short", buildIcon(1, {palette8}).left(22 + 40 + 500), "ends inside"},
        {"8-bit image without mask", buildIcon(1, {palette8}).chopped(4), "ends inside"},
        {"32-bit pixels cut short", goodFile.chopped(5), "ends inside"},
        {"mask missing before another image, the directory counting it",
         [&] {
             RawImage a = good;
             a.maskRows.clear();
             a.dataSize = 48;
             return buildIcon(1, {a, good});
         }(),
         "overlap"},
        {"8-bit mask short without the directory saying so",
         [&] {
             RawImage r = palette8;
             r.maskRows.chop(2);
             r.dataSize = 40 + 1024 + 8;
             return buildIcon(1, {r});
         }(),
         "ends inside"},
        {"two entries share their data",
         [&] {
             RawImage b = good;
             b.offset = 6 + 2 * 16;
             return buildIcon(1, {good, b});
         }(),
         "images 1 and 2 overlap"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        try {
            ReadIconFile(k.file, "C:/icons/bad.ico", S);
            ADD_FAILURE() << "accepted";
        } catch (const IconFileError& e) {
            const QString message = e.message();
            EXPECT_TRUE(message.startsWith("C:/icons/bad.ico is not an icon. ")) << e.what();
            EXPECT_TRUE(message.contains(k.reason, Qt::CaseInsensitive)) << e.what();
        }
    }
}

// Where the directory and an image's own header disagree, the header's size
// is read when it is 1 to 256 each way and the data before the next image
// holds it; else the directory's size, when its data fits.
TEST(CodecReader, TheImagesOwnHeaderOutranksTheDirectory) {
    // A 16 x 16 32-bit image: pixel value i in blue, alpha 255.
    RawImage sixteen;
    sixteen.width = 16;
    sixteen.height = 16;
    for (int i = 0; i < 256; ++i)
        sixteen.colourRows += bytes({i, 0, 0, 255});
    sixteen.maskRows = QByteArray(16 * 4, 0);
    RawImage next = pixel32({9, 9, 9, 255}, 0);
    struct Case {
        const char* what;
        int dirWidth, dirHeight;
        std::int32_t headerWidth, headerHeight; // the header's height field
        int readWidth, readHeight;
    };
    const Case cases[] = {
        {"entry says 16 x 32", 16, 32, 16, 32, 16, 16},
        {"entry says 255 x 255", 255, 255, 16, 32, 16, 16},
        {"entry says 256 x 256 (bytes 0)", 0, 0, 16, 32, 16, 16},
        {"header claims 65535 x 65535", 16, 16, 65535, 131070, 16, 16},
        {"header claims 0 x 0", 16, 16, 0, 0, 16, 16},
        {"header claims a negative height", 16, 16, 16, -32, 16, 16},
        {"header claims 257 wide", 16, 16, 257, 32, 16, 16},
        {"header claims 32 x 32, more than lies before the next image", 16, 16, 32, 64, 16, 16},
        {"header claims 16 x 8: less data, believed", 16, 16, 16, 16, 16, 8},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        RawImage image = sixteen;
        image.width = std::uint8_t(k.dirWidth);
        image.height = std::uint8_t(k.dirHeight);
        image.headerWidth = k.headerWidth;
        image.headerHeight = k.headerHeight;
        const IconFileContents c = read(buildIcon(1, {image, next}));
        ASSERT_EQ(c.Images.size(), 2u);
        const TBitmap32& px = c.Images[0]->Pixels;
        ASSERT_EQ(px.Width, k.readWidth);
        ASSERT_EQ(px.Height, k.readHeight);
        EXPECT_EQ(c.Images[0]->Caption, QString("%1 x %2 (TCA)").arg(k.readWidth).arg(k.readHeight));
        EXPECT_EQ(c.Images[1]->Pixels.Bits, std::vector<TColor32>{0xFF090909u});
        if (k.readHeight != 16) continue; // its mask is read from the colour data
        // Rows are stored bottom first: row y from the top holds 16 * (15 - y) + x.
        for (int i = 0; i < 256; ++i)
            ASSERT_EQ(px.Bits[std::size_t(i)],
                      0xFF000000u | (TColor32(16 * (15 - i / 16) + i % 16) << 16))
                << i;
    }
    // A cursor's hot spot stays inside the image read.
    RawImage pointer = sixteen;
    pointer.height = 32;
    pointer.headerHeight = 32;
    pointer.planes = 5;
    pointer.dirBitCount = 30;
    const IconFileContents c = read(buildIcon(2, {pointer, next}));
    EXPECT_EQ(c.Images[0]->HotSpotX, 5);
    EXPECT_EQ(c.Images[0]->HotSpotY, 15);
}

// Every prefix of a good two-image file is refused cleanly.
TEST(CodecReader, EveryTruncationIsRefused) {
    RawImage a;
    a.width = 5;
    a.height = 3;
    a.bitCount = 4;
    a.table = QByteArray(64, 0x22);
    a.colourRows = QByteArray(12, 0x12);
    a.maskRows = QByteArray(12, 0x00);
    RawImage b = a;
    b.bitCount = 24;
    b.table.clear();
    b.colourRows = QByteArray(48, 0x33);
    const QByteArray file = buildIcon(1, {a, b});
    ASSERT_NO_THROW(read(file));
    for (qsizetype n = 0; n < file.size(); ++n) {
        SCOPED_TRACE(n);
        EXPECT_THROW(read(file.left(n)), IconFileError);
    }
}

// Inputs kept from fuzzing; each must be read or refused cleanly, and what is
// read must settle after one write: written, read and written again it gives
// the same file.
TEST(CodecReader, FuzzRegressions) {
    const QDir dir(QStringLiteral(BRISEL_TEST_DATA_DIR "/fuzz-regressions"));
    QStringList names = dir.entryList(QDir::Files);
    names.removeAll(QStringLiteral("README.md"));
    ASSERT_FALSE(names.isEmpty()) << "no inputs in " << dir.path().toStdString();
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        IconFileContents contents;
        try {
            contents = ReadIconFile(f.readAll(), name, S);
        } catch (const IconFileError&) {
            continue;
        }
        const QByteArray once = WriteIconFile(contents.FileType, contents.Images, S);
        const IconFileContents again = ReadIconFile(once, name, S);
        EXPECT_EQ(WriteIconFile(again.FileType, again.Images, S), once);
    }
}
