// PNG pictures inside icons: images with a side of 256 are written as PNG
// and read back pixel for pixel; PNG pictures of every kind decode to the
// pixels Qt sees; damaged ones are refused with the file's name and a reason.

#include "document/file/IconCodecError.h"
#include "document/IconFileReader.h"
#include "document/file/IconReader.h"
#include "document/IconFileWriter.h"
#include "document/file/PngCodec.h"
#include "document/file/PngUnfilter.h"
#include "codec_support.h"

#include <QBuffer>
#include <QImage>
#include <QtEndian>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

using namespace codec_test;

namespace {

const TransparencySettings S = settings();

std::uint32_t u32At(const QByteArray& b, int at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}
std::uint16_t u16At(const QByteArray& b, int at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}

// Random colours with random alpha, alpha 0 under any colour among them.
std::unique_ptr<IconImage> randomImage(int w, int h, ColourFormat format, std::uint32_t seed) {
    Lcg rnd(seed);
    std::vector<TColor32> pixels(std::size_t(w) * std::size_t(h));
    for (TColor32& c : pixels) {
        const std::uint32_t kind = rnd.next(8);
        c = kind == 0   ? SetAlpha(S.InvColor, 0)
            : kind == 1 ? SetAlpha(rnd.next(0x1000000), 0)
                        : SetAlpha(rnd.next(0x1000000), int(rnd.next(256)));
    }
    return makeImage(w, h, format, pixels);
}

QByteArray bytesOf(const std::vector<std::uint8_t>& v) {
    return QByteArray(reinterpret_cast<const char*>(v.data()), qsizetype(v.size()));
}

QByteArray pngOf(int w, int h, std::uint32_t seed) {
    const auto image = randomImage(w, h, 32, seed);
    return bytesOf(EncodePng(image->Pixels.Bits.data(), w, h, PngPacking::Fast));
}

// A chunk with its length and CRC; BadCrc spoils the CRC.
QByteArray chunk(const char* type, const QByteArray& data, bool badCrc = false) {
    QByteArray out(4, 0);
    qToBigEndian<quint32>(quint32(data.size()), out.data());
    const QByteArray body = QByteArray(type, 4) + data;
    // PNG's CRC-32, bit by bit: slow and plainly right.
    std::uint32_t c = 0xFFFFFFFFu;
    for (char ch : body) {
        c ^= std::uint8_t(ch);
        for (int k = 0; k < 8; ++k)
            c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
    }
    QByteArray crc(4, 0);
    qToBigEndian<quint32>((c ^ 0xFFFFFFFFu) ^ (badCrc ? 1u : 0u), crc.data());
    return out + body + crc;
}

// An icon whose only image is Png, with the directory's sizes given.
QByteArray iconWithPng(const QByteArray& png, int dirWidth = 0, int dirHeight = 0) {
    RawImage r;
    r.width = std::uint8_t(dirWidth);
    r.height = std::uint8_t(dirHeight);
    r.dirBitCount = 32;
    r.raw = png;
    return buildIcon(1, {r});
}

} // namespace

TEST(CodecPng, ImagesOf256AreWrittenAsPngAndReadBackExactly) {
    std::vector<std::unique_ptr<IconImage>> images;
    images.push_back(makeImage(2, 2, 4, {0xFF000000, 0, 0xFF000000, 0}, testPalette(16)));
    images.push_back(randomImage(256, 256, 32, 1));
    images.push_back(randomImage(48, 256, 24, 2));
    images.push_back(randomImage(256, 1, 32, 3));
    const QByteArray file = WriteIconFile(1, images, S);

    // The bitmap image is stored as if it were alone.
    const QByteArray alone = WriteIconFile(1, single(makeImage(2, 2, 4, {0xFF000000, 0,
                                                                         0xFF000000, 0},
                                                                testPalette(16))),
                                           S);
    EXPECT_EQ(file.mid(int(u32At(file, 6 + 12)), int(u32At(file, 6 + 8))), alone.mid(22));

    const int sides[][2] = {{256, 256}, {48, 256}, {256, 1}};
    for (int i = 1; i <= 3; ++i) {
        SCOPED_TRACE(i);
        const int entry = 6 + 16 * i;
        EXPECT_EQ(std::uint8_t(file[entry]), sides[i - 1][0] & 0xFF);
        EXPECT_EQ(std::uint8_t(file[entry + 1]), sides[i - 1][1] & 0xFF);
        EXPECT_EQ(u16At(file, entry + 4), 1) << "planes";
        EXPECT_EQ(u16At(file, entry + 6), 32) << "bit count";
        const int offset = int(u32At(file, entry + 12));
        const int size = int(u32At(file, entry + 8));
        EXPECT_EQ(offset + size, i < 3 ? int(u32At(file, entry + 16 + 12)) : file.size());
        EXPECT_TRUE(file.mid(offset).startsWith("\x89PNG\r\n\x1a\n"));
    }

    const IconFileContents back = ReadIconFile(file, "png.ico", S);
    ASSERT_EQ(back.Images.size(), 4u);
    EXPECT_EQ(back.Images[1]->Caption, "256 x 256 (TCA)");
    for (int i : {1, 3}) {
        EXPECT_EQ(back.Images[std::size_t(i)]->Format, 32);
        EXPECT_EQ(back.Images[std::size_t(i)]->Pixels.Bits, images[std::size_t(i)]->Pixels.Bits);
    }
    // A 24-bit image becomes a 32-bit one: masked pixels keep their colour
    // with alpha 0 (inverted ones stay inverted), the others are opaque.
    const IconImage& was24 = *back.Images[2];
    EXPECT_EQ(was24.Format, 32);
    ASSERT_EQ(was24.Pixels.Bits.size(), images[2]->Pixels.Bits.size());
    for (std::size_t k = 0; k < was24.Pixels.Bits.size(); ++k) {
        const TColor32 c = images[2]->Pixels.Bits[k];
        ASSERT_EQ(was24.Pixels.Bits[k], SetAlpha(Color32ToColor(c), IsMaskedPixel(c, 24, S) ? 0 : 255))
            << k;
    }
    // What was read writes the very same file again.
    EXPECT_EQ(WriteIconFile(1, back.Images, S), file);
}

TEST(CodecPng, CursorsKeepTheHotSpotsOfPngImages) {
    auto image = randomImage(256, 256, 32, 4);
    image->HotSpotX = 200;
    image->HotSpotY = 17;
    const QByteArray file = WriteIconFile(2, single(std::move(image)), S);
    EXPECT_EQ(u16At(file, 6 + 4), 200);
    EXPECT_EQ(u16At(file, 6 + 6), 17);
    const IconFileContents back = ReadIconFile(file, "p.cur", S);
    EXPECT_EQ(back.Images[0]->HotSpotX, 200);
    EXPECT_EQ(back.Images[0]->HotSpotY, 17);
}

// Every kind of PNG a program writes decodes to the pixels Qt reads from it.
TEST(CodecPng, DecodesEveryColourTypeAndDepth) {
    QImage argb(23, 9, QImage::Format_ARGB32);
    Lcg rnd(7);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x) {
            const int a = int(rnd.next(4)) * 85;
            argb.setPixel(x, y, a == 0 ? 0 : qRgba(int(rnd.next(256)), int(rnd.next(256)),
                                                   int(rnd.next(256)), a));
        }
    QImage indexed = argb.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    const struct {
        const char* what;
        QImage picture;
    } cases[] = {
        {"RGBA 8", argb},
        {"RGB 8", argb.convertToFormat(QImage::Format_RGB32)},
        {"RGBA 16", argb.convertToFormat(QImage::Format_RGBA64)},
        {"grey 8", argb.convertToFormat(QImage::Format_Grayscale8)},
        {"palette with transparency", indexed},
        {"two colours", argb.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(c.picture.save(&buffer, "PNG"));
        const PngPicture decoded = DecodePng(reinterpret_cast<const std::uint8_t*>(png.constData()),
                                             std::size_t(png.size()), 256);
        const QImage want = c.picture.convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(decoded.Width, want.width());
        ASSERT_EQ(decoded.Height, want.height());
        for (int y = 0; y < want.height(); ++y)
            for (int x = 0; x < want.width(); ++x) {
                const QRgb q = want.pixel(x, y);
                ASSERT_EQ(decoded.Pixels[std::size_t(y * want.width() + x)],
                          Color32(qAlpha(q), qRed(q), qGreen(q), qBlue(q)))
                    << x << "," << y;
            }
    }
}

// Damaged PNG pictures are refused with the file's name and a reason before
// anything is read past their data (the ASan build checks that part).
TEST(CodecPng, DamagedPngImagesAreRefused) {
    const QByteArray png = pngOf(256, 256, 9);
    const QByteArray good = iconWithPng(png);
    ASSERT_NO_THROW(ReadIconFile(good, "good.ico", S));
    const int idat = png.indexOf("IDAT");
    const int iend = png.indexOf("IEND") - 4;
    const QByteArray signatureAndHeader = png.left(8 + 25);
    const auto spoiled = [&](int at) {
        QByteArray p = png;
        p[at] = char(p[at] ^ 0x40);
        return p;
    };
    const auto withIhdrSize = [&](quint32 w, quint32 h) {
        QByteArray data = png.mid(16, 13);
        qToBigEndian<quint32>(w, data.data());
        qToBigEndian<quint32>(h, data.data() + 4);
        return png.left(8) + chunk("IHDR", data) + png.mid(33);
    };
    QByteArray idatData = png.mid(idat + 4, int(qFromBigEndian<quint32>(png.constData() + idat - 4)));
    idatData[idatData.size() / 2] = char(idatData[idatData.size() / 2] ^ 0x55);

    const struct {
        const char* what;
        QByteArray file;
        const char* reason;
    } cases[] = {
        {"picture cut short, the directory counting it whole", good.chopped(100),
         "ends inside image 1"},
        {"picture cut short in its data", iconWithPng(png.left(png.size() / 2)), "PNG"},
        {"no end chunk", iconWithPng(png.left(iend)), "PNG"},
        {"only the signature", iconWithPng(png.left(8)), "PNG"},
        {"bad CRC in the header", iconWithPng(spoiled(8 + 4 + 4 + 13)), "CRC"},
        {"bad CRC of the data", iconWithPng(spoiled(iend - 1)), "CRC"},
        {"bad CRC in a text chunk",
         iconWithPng(signatureAndHeader + chunk("tEXt", QByteArray("Comment\0hi", 10), true) + png.mid(33)),
         "CRC"},
        {"damaged compressed data",
         iconWithPng(png.left(idat - 4) + chunk("IDAT", idatData) + png.mid(iend)), "PNG"},
        {"picture of 300 x 300", iconWithPng(pngOf(300, 300, 10)), "larger than 256 x 256"},
        {"header claims 2^31 - 1 pixels", iconWithPng(withIhdrSize(0x7FFFFFFF, 256)),
         "larger than 256 x 256"},
        {"header claims 0 pixels", iconWithPng(withIhdrSize(0, 0)), "gives no size"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            ReadIconFile(c.file, "C:/icons/bad.ico", S);
            ADD_FAILURE() << "accepted";
        } catch (const IconFileError& e) {
            EXPECT_TRUE(e.message().startsWith("C:/icons/bad.ico is not an icon. ")) << e.what();
            EXPECT_TRUE(e.message().contains(c.reason)) << e.what();
        }
        // A reader that passes whole pictures on undecoded refuses the same,
        // but for data that only inflating shows wrong.
        if (std::strcmp(c.what, "damaged compressed data") == 0) continue;
        try {
            DecodeIconFile(reinterpret_cast<const std::uint8_t*>(c.file.constData()),
                           std::size_t(c.file.size()), "bad.ico", S, PngImages::KeepWholeRgba);
            ADD_FAILURE() << "accepted undecoded";
        } catch (const IconCodecError& e) {
            EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << e.what();
        }
    }
}

// A PNG picture is read at its own size, whatever the directory says of it.
TEST(CodecPng, ThePicturesOwnSizeOutranksTheDirectory) {
    const QByteArray png = pngOf(256, 256, 9);
    const IconFileContents right = ReadIconFile(iconWithPng(png), "right.ico", S);
    for (const auto& [w, h] : {std::pair<int, int>{255, 0}, {16, 16}, {0, 255}}) {
        SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
        const IconFileContents c = ReadIconFile(iconWithPng(png, w, h), "t.ico", S);
        ASSERT_EQ(c.Images.size(), 1u);
        EXPECT_EQ(c.Images[0]->Pixels.Width, 256);
        EXPECT_EQ(c.Images[0]->Pixels.Height, 256);
        EXPECT_EQ(c.Images[0]->Pixels.Bits, right.Images[0]->Pixels.Bits);
    }
}

// Kept undecoded: a whole RGBA picture, byte for byte up to its end chunk;
// a picture of another kind, or one whose compressed data has no zlib
// header, is decoded (and the latter refused).
TEST(CodecPng, WholeRgbaPicturesCanBeKeptAsTheyAre) {
    const QByteArray png = pngOf(256, 256, 3);
    QByteArray rgb;
    {
        QBuffer buffer(&rgb);
        buffer.open(QIODevice::WriteOnly);
        QImage picture(256, 256, QImage::Format_RGB32);
        picture.fill(qRgb(10, 20, 30));
        ASSERT_TRUE(picture.save(&buffer, "PNG"));
    }
    const QByteArray noZlibHeader = png.left(8 + 25) + chunk("IDAT", QByteArray(64, char(0))) +
                                    chunk("IEND", QByteArray());
    const auto read = [](const QByteArray& file) {
        return DecodeIconFile(reinterpret_cast<const std::uint8_t*>(file.constData()),
                              std::size_t(file.size()), "x.ico", S, PngImages::KeepWholeRgba);
    };

    const QByteArray file = iconWithPng(png + QByteArray("trailing bytes"));
    const IconContents kept = read(file);
    ASSERT_EQ(kept.Images.size(), 1u);
    EXPECT_EQ(file.mid(qsizetype(kept.Images[0].PngOffset), qsizetype(kept.Images[0].PngLength)),
              png);
    EXPECT_TRUE(kept.Images[0].Pixels.empty());

    const IconContents decoded = read(iconWithPng(rgb));
    EXPECT_EQ(decoded.Images[0].PngLength, 0u);
    ASSERT_EQ(decoded.Images[0].Pixels.size(), 256u * 256u);
    EXPECT_EQ(decoded.Images[0].Pixels[0], Color32(255, 10, 20, 30));

    EXPECT_THROW(read(iconWithPng(noZlibHeader)), IconCodecError);
}

// Every row filter undone for 3 and 4 bytes a pixel, in place and not,
// against the textbook definition.
TEST(CodecPng, RowFiltersAreUndone) {
    constexpr std::size_t bytes = 4 * 3 * 7;
    Lcg rnd(11);
    std::uint8_t above[bytes], in[bytes];
    for (std::size_t i = 0; i < bytes; ++i) {
        above[i] = std::uint8_t(rnd.next(256));
        in[i] = std::uint8_t(rnd.next(256));
    }
    for (std::size_t bpp : {3u, 4u})
        for (int filter = 0; filter <= 4; ++filter) {
            SCOPED_TRACE(testing::Message() << "bpp " << bpp << ", filter " << filter);
            std::uint8_t want[bytes];
            for (std::size_t i = 0; i < bytes; ++i) {
                const int a = i >= bpp ? want[i - bpp] : 0;
                const int b = above[i];
                const int c = i >= bpp ? above[i - bpp] : 0;
                const int p = a + b - c;
                const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
                const int prediction[5] = {0, a, b, (a + b) / 2,
                                           pa <= pb && pa <= pc ? a : pb <= pc ? b : c};
                want[i] = std::uint8_t(in[i] + prediction[filter]);
            }
            std::uint8_t out[bytes];
            ASSERT_TRUE(UnfilterPngRow(filter, in, above, bytes, bpp, out));
            EXPECT_TRUE(std::equal(out, out + bytes, want));
            std::uint8_t same[bytes];
            std::copy(in, in + bytes, same);
            ASSERT_TRUE(UnfilterPngRow(filter, same, above, bytes, bpp, same));
            EXPECT_TRUE(std::equal(same, same + bytes, want));
        }
    std::uint8_t out[bytes];
    EXPECT_FALSE(UnfilterPngRow(5, in, above, bytes, 4, out));
}
