#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Where each image of an icon or cursor file lies and what size it has,
// worked out from the header, the directory and each image's own header
// (bitmap header or PNG header) without decoding a pixel. The reader decodes
// from it; `brisel-cli info` lists it; both therefore agree on every file.

// The file's bytes, in memory or read on demand.
class IconByteSource {
public:
    virtual ~IconByteSource() = default;
    virtual std::int64_t size() const = 0;
    // Copies Count bytes at Offset into Into; false when they cannot be read.
    virtual bool read(std::int64_t Offset, std::uint8_t* Into, std::size_t Count) const = 0;
};

class MemoryByteSource : public IconByteSource {
public:
    MemoryByteSource(const std::uint8_t* Data, std::size_t Size) : m_data(Data), m_size(Size) {}
    std::int64_t size() const override { return std::int64_t(m_size); }
    bool read(std::int64_t Offset, std::uint8_t* Into, std::size_t Count) const override;

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
};

// One image: the size it is read at, where its data lies and how it is stored.
struct IconImagePlan {
    int Width = 0;          // as read: the image's own header where it is believed,
    int Height = 0;         // else the directory
    int DirectoryWidth = 0; // as the directory states it (0 stands for 256)
    int DirectoryHeight = 0;
    std::uint8_t HotSpotX = 0; // a cursor's hot spot: the low bytes of the
    std::uint8_t HotSpotY = 0; // entry's planes / bit count; 0 for an icon
    std::uint16_t Planes = 0;  // the entry's two 16-bit fields as they are
    std::uint16_t BitField = 0;
    std::uint32_t DataSize = 0; // as the directory states it
    std::int64_t Offset = 0;
    bool IsPng = false;
    int BitCount = 0; // the bitmap's, or the PNG picture's own bits per pixel
    std::int64_t HeaderSize = 0;
    int TableEntries = 0;       // colour-table entries stored in the file
    bool HasMask = true;        // false: the mask is left out and reads clear
    std::int64_t End = 0;       // first byte after the data read
    std::int64_t ShortEnd = -1; // the same without the mask, where allowed
};

struct IconFilePlan {
    std::uint16_t FileType = 1;
    std::vector<IconImagePlan> Images; // in directory order
};

// Throws IconCodecError "<FileName> is not an icon. <reason>" (images
// numbered from 1) for a file that cannot be read. Sizes are believed only
// where the file's data can back them, so nothing allocated from a plan can
// exceed the file.
IconFilePlan PlanIconFile(const IconByteSource& Source, const std::string& FileName);
