#include "codec_support.h"

#include <QtEndian>

namespace codec_test {

QByteArray hexBytes(const char* text) {
    QByteArray clean;
    for (const char* p = text; *p; ++p)
        if (*p != ' ' && *p != '|' && *p != '\n') clean.append(*p);
    return QByteArray::fromHex(clean);
}

QString hexString(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' '));
}

std::unique_ptr<IconImage> makeImage(int width, int height, ColourFormat format,
                                     const std::vector<TColor32>& pixels,
                                     const std::vector<TColor>& palette) {
    auto image = std::make_unique<IconImage>();
    image->Pixels = TBitmap32(width, height);
    for (std::size_t i = 0; i < pixels.size() && i < image->Pixels.Bits.size(); ++i)
        image->Pixels.Bits[i] = pixels[i];
    image->Format = format;
    if (!palette.empty()) image->Palette = PalettePicture::fromEntries(palette);
    return image;
}

std::vector<std::unique_ptr<IconImage>> single(std::unique_ptr<IconImage> image) {
    std::vector<std::unique_ptr<IconImage>> images;
    images.push_back(std::move(image));
    return images;
}

std::vector<TColor> testPalette(int entries) {
    std::vector<TColor> out;
    for (int i = 0; i < entries; ++i) {
        const int r = 20 + (i * 37) % 200;
        const int g = 30 + (i * 91) % 190;
        const int b = 40 + (i * 53) % 180;
        out.push_back(TColor(r) | (TColor(g) << 8) | (TColor(b) << 16));
    }
    return out;
}

namespace {
void putU16(QByteArray& out, unsigned v) {
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}
void putU32(QByteArray& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.append(char((v >> (8 * i)) & 0xFF));
}

QByteArray imageData(const RawImage& image) {
    if (!image.raw.isNull()) return image.raw;
    QByteArray out;
    putU32(out, image.headerSize);
    putU32(out, std::uint32_t(image.headerWidth.value_or(image.width)));
    putU32(out, std::uint32_t(image.headerHeight.value_or(2 * image.height)));
    putU16(out, 1);
    putU16(out, image.bitCount);
    putU32(out, image.compression);
    putU32(out, 0);
    putU32(out, 0);
    putU32(out, 0);
    putU32(out, image.coloursUsed);
    putU32(out, 0);
    out += image.headerExtra;
    out += image.table;
    out += image.colourRows;
    out += image.maskRows;
    return out;
}
} // namespace

QByteArray buildIcon(std::uint16_t type, const std::vector<RawImage>& images,
                     std::optional<std::uint16_t> countOverride, std::uint16_t reserved) {
    QByteArray out;
    putU16(out, reserved);
    putU16(out, type);
    putU16(out, countOverride.value_or(std::uint16_t(images.size())));
    std::vector<QByteArray> data;
    for (const RawImage& image : images)
        data.push_back(imageData(image));
    std::uint32_t next = std::uint32_t(6 + 16 * images.size());
    std::vector<std::uint32_t> offsets;
    for (std::size_t i = 0; i < images.size(); ++i) {
        offsets.push_back(images[i].offset.value_or(next));
        next = offsets.back() + std::uint32_t(data[i].size());
    }
    for (std::size_t i = 0; i < images.size(); ++i) {
        const RawImage& image = images[i];
        out.append(char(image.width));
        out.append(char(image.height));
        out.append(char(0));
        out.append(char(0));
        putU16(out, image.planes);
        putU16(out, image.dirBitCount ? image.dirBitCount : image.bitCount);
        putU32(out, image.dataSize.value_or(std::uint32_t(data[i].size())));
        putU32(out, offsets[i]);
    }
    // Place every image's data at its offset, filling gaps with a marker byte.
    for (std::size_t i = 0; i < images.size(); ++i) {
        const qsizetype at = qsizetype(offsets[i]);
        if (out.size() < at + data[i].size()) out.resize(at + data[i].size(), char(0xEE));
        out.replace(at, data[i].size(), data[i]);
    }
    return out;
}

QByteArray rows(const std::vector<QByteArray>& bottomUp) {
    QByteArray out;
    for (QByteArray row : bottomUp) {
        while (row.size() % 4)
            row.append(char(0));
        out += row;
    }
    return out;
}

} // namespace codec_test
