#include "document/file/IconWriter.h"

#include "document/file/IconCodecError.h"
#include "document/file/IconRgb.h"
#include "document/file/ImageRows.h"
#include "document/file/LittleEndianOut.h"
#include "document/file/PngCodec.h"
#include "document/file/StoredImage.h"

#include <cstring>
#include <string>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

// 32-bit rows are written from the pixels' memory as it stands.
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "pixels are red in the low byte");

namespace {

bool isPng(const IconImageView& image) {
    return IconFile::WrittenAsPng(image.Width, image.Height, image.Format, image.StoredAsPng);
}

// The bytes of a classic bitmap image.
std::uint32_t bitmapBytes(const IconImageView& image) {
    const int w = image.Width;
    const int h = image.Height;
    return std::uint32_t(IconFile::InfoHeaderSize + 4 * IconFile::ColourTableEntries(image.Format) +
                         ImageDataSize(w, h, image.Format) + ImageDataSize(w, h, 1));
}

void checkImages(const std::vector<IconImageView>& images, bool needPixels) {
    if (images.empty()) throw IconCodecError("There are no images to save.");
    if (images.size() > std::size_t(IconFile::MaxImageCount))
        throw IconCodecError("An icon file holds at most " +
                             std::to_string(IconFile::MaxImageCount) + " images.");
    for (std::size_t i = 0; i < images.size(); ++i) {
        const IconImageView& image = images[i];
        const int w = image.Width;
        const int h = image.Height;
        if (w < 1 || h < 1 || w > IconFile::MaxSide || h > IconFile::MaxSide ||
            (needPixels && !image.Pixels))
            throw IconCodecError("Image " + std::to_string(i + 1) + " is " + std::to_string(w) +
                                 " x " + std::to_string(h) +
                                 " pixels; an icon image is 1 to 256 pixels wide and high.");
        if (!IconFile::IsSupportedBitCount(image.Format))
            throw IconCodecError("Image " + std::to_string(i + 1) +
                                 " has an unknown colour format.");
    }
}

// A PNG picture has no mask and no palette: alpha says everything. Format 32
// keeps its pixels exactly, so a picture read from a PNG is written back as
// it was; the other formats show their masked pixels with alpha 0.
std::vector<std::uint8_t> pngOf(const IconImageView& image, const TransparencySettings& settings) {
    const std::size_t n = std::size_t(image.Width) * std::size_t(image.Height);
    if (image.Format == 32) return EncodePng(image.Pixels, image.Width, image.Height, PngPacking::Small);
    std::vector<std::uint32_t> pixels(image.Pixels, image.Pixels + n);
    for (std::uint32_t& c : pixels)
        c = IconRgb::withAlpha(c, IsMaskedPixel(c, image.Format, settings) ? 0 : 255);
    return EncodePng(pixels.data(), image.Width, image.Height, PngPacking::Small);
}

void writeDirectory(std::vector<std::uint8_t>& out, std::uint16_t fileType,
                    const std::vector<IconImageView>& images,
                    const std::vector<std::uint32_t>& sizes) {
    putU16(out, 0);
    putU16(out, fileType);
    putU16(out, unsigned(images.size()));
    std::uint32_t offset =
        std::uint32_t(IconFile::HeaderSize + IconFile::EntrySize * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const IconImageView& image = images[i];
        const bool png = isPng(image);
        const int format = png ? 32 : image.Format;
        out.push_back(IconFile::SideByte(image.Width));
        out.push_back(IconFile::SideByte(image.Height));
        out.push_back(std::uint8_t(format == 1 ? 2 : format == 4 ? 16 : 0));
        out.push_back(0);
        const bool icon = fileType == IconFile::TypeIcon;
        putU16(out, icon ? 1u : image.HotSpotX);
        putU16(out, icon ? unsigned(format) : image.HotSpotY);
        const std::uint32_t size = sizes[i];
        putU32(out, size);
        putU32(out, offset);
        offset += size;
    }
}

// One row of a 32-bit image, the common case, in a single pass: its alpha
// alone decides the mask, so no pixel needs the general transparency rules.
// The rows were cleared beforehand.
void writeRow32(const std::uint32_t* In, int W, const TransparencySettings& Settings,
                std::uint8_t* Colours, std::uint8_t* Mask) {
    const std::uint32_t inverted = Settings.InvColor & 0xFFFFFFu;
    int x = 0;
#ifdef __SSE2__
    // Eight pixels, one mask byte, at a time.
    const __m128i rgbBits = _mm_set1_epi32(0xFFFFFF);
    const __m128i greenAlpha = _mm_set1_epi32(int(0xFF00FF00u));
    const __m128i low = _mm_set1_epi32(0xFF);
    const __m128i inv = _mm_set1_epi32(int(inverted));
    const __m128i zero = _mm_setzero_si128();
    // movemask gives pixel 0 in bit 0; the mask byte holds it in bit 7.
    static const std::uint8_t reversed[16] = {0x0, 0x8, 0x4, 0xC, 0x2, 0xA, 0x6, 0xE,
                                              0x1, 0x9, 0x5, 0xD, 0x3, 0xB, 0x7, 0xF};
    for (; x + 8 <= W; x += 8) {
        int bits[2];
        for (int half = 0; half < 2; ++half) {
            const int at = x + 4 * half;
            __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(In + at));
            const __m128i masked = _mm_cmpeq_epi32(_mm_srli_epi32(c, 24), zero);
            const __m128i standIn =
                _mm_and_si128(_mm_cmpeq_epi32(_mm_and_si128(c, rgbBits), inv), rgbBits);
            c = _mm_or_si128(_mm_and_si128(masked, standIn), _mm_andnot_si128(masked, c));
            const __m128i bgra = _mm_or_si128(
                _mm_and_si128(c, greenAlpha),
                _mm_or_si128(_mm_slli_epi32(_mm_and_si128(c, low), 16),
                             _mm_and_si128(_mm_srli_epi32(c, 16), low)));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(Colours + 4 * std::size_t(at)), bgra);
            bits[half] = _mm_movemask_ps(_mm_castsi128_ps(masked));
        }
        Mask[x >> 3] = std::uint8_t((reversed[bits[0]] << 4) | reversed[bits[1]]);
    }
#endif
    for (; x < W; ++x) {
        std::uint32_t c = In[x];
        if ((c >> 24) == 0) {
            c = (c & 0xFFFFFFu) == inverted ? 0x00FFFFFFu : 0u;
            Mask[x >> 3] |= std::uint8_t(0x80 >> (x & 7));
        }
        // Red and blue change places: the file holds blue, green, red, alpha.
        const std::uint32_t bgra = (c & 0xFF00FF00u) | ((c & 0xFFu) << 16) | ((c >> 16) & 0xFFu);
        std::memcpy(Colours + 4 * std::size_t(x), &bgra, 4);
    }
}

// The colour bitmap and the mask of one image. Masked pixels are stood in for
// by white (inverted) or black (transparent) with alpha 0, so that programs
// which ignore the mask's meaning still show them right.
void writeBitmap(std::vector<std::uint8_t>& out, const IconImageView& image,
                 const TransparencySettings& settings) {
    const int w = image.Width;
    const int h = image.Height;
    const int format = image.Format;

    putU32(out, IconFile::InfoHeaderSize);
    putU32(out, std::uint32_t(w));
    putU32(out, std::uint32_t(2 * h));
    putU16(out, 1);
    putU16(out, unsigned(format));
    putU32(out, 0); // compression
    putU32(out, std::uint32_t(ImageDataSize(w, h, format)));
    putU32(out, 0);
    putU32(out, 0);
    putU32(out, 0); // colours used: the full table follows
    putU32(out, 0);

    static const std::vector<std::uint32_t> noPalette;
    const std::vector<std::uint32_t>& palette = image.Palette ? *image.Palette : noPalette;
    for (int i = 0; i < IconFile::ColourTableEntries(format); ++i) {
        const std::uint32_t c = std::size_t(i) < palette.size() ? palette[std::size_t(i)] : 0;
        out.insert(out.end(), {std::uint8_t(IconRgb::blue(c)), std::uint8_t(IconRgb::green(c)),
                               std::uint8_t(IconRgb::red(c)), 0});
    }

    // Row by row, bottom first: the stand-in colours and the mask of one row
    // at a time, encoded straight into the file.
    const std::size_t colourStart = out.size();
    const std::size_t colourStride = std::size_t(IconFile::RowStride(w, format));
    const std::size_t maskStride = std::size_t(IconFile::RowStride(w, 1));
    out.resize(colourStart + colourStride * std::size_t(h) + maskStride * std::size_t(h), 0);
    std::uint8_t* colourRow = out.data() + colourStart;
    std::uint8_t* maskRow = colourRow + colourStride * std::size_t(h);
    if (format == 32) {
        for (int y = h - 1; y >= 0; --y, colourRow += colourStride, maskRow += maskStride)
            writeRow32(image.Pixels + std::size_t(y) * std::size_t(w), w, settings, colourRow,
                       maskRow);
        return;
    }
    RowEncoder colourEncoder(palette, format);
    std::vector<std::uint32_t> colours(static_cast<std::size_t>(w));
    for (int y = h - 1; y >= 0; --y, colourRow += colourStride, maskRow += maskStride) {
        const std::uint32_t* in = image.Pixels + std::size_t(y) * std::size_t(w);
        for (int x = 0; x < w; ++x) {
            const std::uint32_t c = in[x];
            if (IsMaskedPixel(c, ColourFormat(format), settings)) {
                colours[std::size_t(x)] =
                    IsInvertedPixel(c, ColourFormat(format), settings) ? 0x00FFFFFFu : 0u;
                maskRow[x >> 3] |= std::uint8_t(0x80 >> (x & 7));
            } else {
                colours[std::size_t(x)] = c;
            }
        }
        colourEncoder.encode(colours.data(), w, colourRow);
    }
}

} // namespace

std::vector<std::uint8_t> EncodeIconFile(std::uint16_t FileType,
                                         const std::vector<IconImageView>& Images,
                                         const TransparencySettings& Settings) {
    checkImages(Images, true);
    // PNG pictures and images written back from their stored bytes are made
    // first: the directory needs their lengths.
    std::vector<std::vector<std::uint8_t>> made(Images.size());
    std::vector<bool> kept(Images.size());
    std::vector<std::uint32_t> sizes(Images.size());
    for (std::size_t i = 0; i < Images.size(); ++i) {
        const IconImageView& image = Images[i];
        kept[i] = StoredBytesStillHold(image, Settings);
        if (kept[i])
            sizes[i] = std::uint32_t(image.StoredLength);
        else if (isPng(image)) {
            made[i] = pngOf(image, Settings);
            sizes[i] = std::uint32_t(made[i].size());
        } else
            sizes[i] = bitmapBytes(image);
    }
    std::vector<std::uint8_t> out = EncodeIconDirectory(FileType, Images, sizes);
    std::size_t total = out.size();
    for (std::uint32_t size : sizes)
        total += size;
    out.reserve(total);
    for (std::size_t i = 0; i < Images.size(); ++i) {
        const IconImageView& image = Images[i];
        if (kept[i])
            out.insert(out.end(), image.Stored, image.Stored + image.StoredLength);
        else if (isPng(image))
            out.insert(out.end(), made[i].begin(), made[i].end());
        else
            writeBitmap(out, image, Settings);
    }
    return out;
}

std::vector<std::uint8_t> EncodeIconImage(const IconImageView& Image,
                                          const TransparencySettings& Settings) {
    checkImages({Image}, true);
    if (StoredBytesStillHold(Image, Settings))
        return std::vector<std::uint8_t>(Image.Stored, Image.Stored + Image.StoredLength);
    if (isPng(Image)) return pngOf(Image, Settings);
    std::vector<std::uint8_t> out;
    out.reserve(bitmapBytes(Image));
    writeBitmap(out, Image, Settings);
    return out;
}

std::uint32_t BitmapImageSize(const IconImageView& Image) {
    return bitmapBytes(Image);
}

std::vector<std::uint8_t> EncodeIconDirectory(std::uint16_t FileType,
                                              const std::vector<IconImageView>& Images,
                                              const std::vector<std::uint32_t>& Sizes) {
    checkImages(Images, false);
    std::uint64_t total = IconFile::HeaderSize + std::uint64_t(IconFile::EntrySize) * Images.size();
    for (std::uint32_t size : Sizes)
        total += size;
    if (total > 0xFFFFFFFFu) throw IconCodecError("The images do not fit in one icon file.");
    std::vector<std::uint8_t> out;
    out.reserve(IconFile::HeaderSize + std::size_t(IconFile::EntrySize) * Images.size());
    writeDirectory(out, FileType, Images, Sizes);
    return out;
}
