#pragma once

// Windows programs made by hand for the tests of the resource readers: a PE
// (PE32 or PE32+) or NE file holding the resources given, laid out as the
// formats describe, with the places the tests damage on purpose recorded.

#include <cstdint>
#include <string>
#include <vector>

struct TestResource {
    int Type;         // 1 cursor, 3 icon, 12 cursor group, 14 icon group, or any other
    int Id = 0;       // when Name is empty
    std::string Name; // a named resource
    std::vector<std::uint8_t> Data;
};

struct BuiltProgram {
    std::vector<std::uint8_t> Bytes;
    std::uint32_t HeaderAt = 0;           // "PE\0\0" or "NE"
    std::uint32_t SectionAt = 0;          // PE: the section table
    std::uint32_t TreeAt = 0;             // PE: the root resource directory; NE: the resource table
    std::uint32_t FirstTypeDirectory = 0; // PE: file offset of the first type's directory
    std::uint32_t FirstLanguageDirectory = 0; // PE: of the first name's language directory
    std::uint32_t FirstDataEntry = 0;         // PE: of the first data entry
    std::vector<std::uint32_t> DataAt;        // file offset of each resource's data, in order
};

BuiltProgram BuildPeProgram(const std::vector<TestResource>& Resources, bool Plus = false);
// NE resources are aligned to 1 << Shift bytes.
BuiltProgram BuildNeProgram(const std::vector<TestResource>& Resources, int Shift = 4);

// An icon (Cursor false) or cursor group's data naming the images Ids, each
// entry's fields taken from the icon file IcoBytes's directory (whose images
// are, in order, the resources Ids).
std::vector<std::uint8_t> GroupData(const std::vector<std::uint8_t>& IcoBytes,
                                    const std::vector<int>& Ids);
// The resources a resource compiler makes of an icon or cursor file: one
// image resource per image (numbered from FirstId; a cursor's starts with its
// hot spot) and the group, numbered GroupId or named GroupName.
std::vector<TestResource> ResourcesOfFile(const std::vector<std::uint8_t>& IcoBytes, int FirstId,
                                          int GroupId, const std::string& GroupName = {});

// The images of an icon or cursor file, each its bytes and hot spot (the
// directory's planes and bit count fields).
struct FileImage {
    std::vector<std::uint8_t> Bytes;
    int X = 0, Y = 0;
    bool operator==(const FileImage& O) const { return Bytes == O.Bytes && X == O.X && Y == O.Y; }
};
std::vector<FileImage> ImagesOfFile(const std::vector<std::uint8_t>& IcoBytes);

// An icon (Type 1) or cursor (Type 2) file made by our own writer, one image
// per entry of Sides with the format of Formats (0 for a PNG picture), all
// with hot spot (Side / 3, Side / 4) in a cursor and different pixels for
// different Seeds.
std::vector<std::uint8_t> MakeIconFile(std::uint16_t Type, const std::vector<int>& Sides,
                                       const std::vector<int>& Formats, int Seed);
