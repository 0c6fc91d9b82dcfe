#pragma once

// Helpers shared by the codec tests: images built from literal pixels and raw
// icon files assembled field by field, so a test can damage exactly one field.

#include "document/IconImage.h"
#include "document/file/Transparency.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace codec_test {

// "00 0a FF" -> bytes; blanks and '|' are ignored.
QByteArray hexBytes(const char* text);
QString hexString(const QByteArray& bytes);

std::unique_ptr<IconImage> makeImage(int width, int height, ColourFormat format,
                                     const std::vector<TColor32>& pixels,
                                     const std::vector<TColor>& palette = {});
std::vector<std::unique_ptr<IconImage>> single(std::unique_ptr<IconImage> image);

// A small fixed palette of N entries with neither pure black nor pure white.
std::vector<TColor> testPalette(int entries);

// A 32-bit, straight little generator so that "random" images are the same on
// every run.
class Lcg {
public:
    explicit Lcg(std::uint32_t seed) : m_seed(seed) {}
    std::uint32_t next(std::uint32_t n) {
        m_seed = m_seed * 134775813u + 1u;
        return std::uint32_t((std::uint64_t(m_seed) * n) >> 32);
    }

private:
    std::uint32_t m_seed;
};

// One image of a raw file; every field can be set to a wrong value.
struct RawImage {
    std::uint8_t width = 1;
    std::uint8_t height = 1;
    std::uint16_t planes = 1;
    std::uint16_t dirBitCount = 0; // 0: same as bitCount
    std::uint32_t headerSize = 40;
    std::uint16_t bitCount = 32;
    std::uint32_t compression = 0;
    std::uint32_t coloursUsed = 0;
    std::optional<std::int32_t> headerWidth;  // default: the directory's width
    std::optional<std::int32_t> headerHeight; // the field as stored; default: 2 x height
    QByteArray headerExtra; // bytes after the 40 fields, for longer headers
    QByteArray table;       // colour table bytes
    QByteArray colourRows;
    QByteArray maskRows;
    std::optional<std::uint32_t> offset;   // default: right after the previous image
    std::optional<std::uint32_t> dataSize; // default: the bytes actually stored
    QByteArray raw;                        // when set, the image's data as it is
};

// Header, directory and data, images laid out in order unless an offset says
// otherwise. countOverride writes another count than images.size().
QByteArray buildIcon(std::uint16_t type, const std::vector<RawImage>& images,
                     std::optional<std::uint16_t> countOverride = std::nullopt,
                     std::uint16_t reserved = 0);

// Rows of bytes given per row, bottom row first, padded with zeros to 4 bytes.
QByteArray rows(const std::vector<QByteArray>& bottomUp);

// The transparency settings the tests use: the defaults.
inline TransparencySettings settings() {
    return TransparencySettings();
}

} // namespace codec_test
