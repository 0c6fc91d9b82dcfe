#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// The icon and cursor groups of Windows programs and libraries: PE32 and
// PE32+ (.exe, .dll, .mun, .cpl, .scr, .ocx) and the 16-bit NE format (old
// programs, .icl icon libraries). A group is what the resource compiler
// made of one .ico or .cur file; GroupFile() makes that file again.
//
// Programs are hostile input: every offset, size and count is checked
// against the file before it is used, the resource tree is at most three
// levels deep and a directory reached twice is refused, and nothing is
// allocated from a size the file does not back.

// A program that cannot be read; what() is the whole message, naming the file.
class ProgramFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One image of a group: what the group's entry says, and where its resource's
// bytes lie in the program.
struct GroupImage {
    int Width = 0;  // 1 to 256, as the entry says
    int Height = 0; // of the image, not the doubled bitmap height of cursors
    int ColourCount = 0;
    int Reserved = 0;
    int Planes = 0;
    int BitCount = 0;
    std::int64_t Offset = 0; // of the image in the program, after a cursor's hot spot
    std::uint32_t Size = 0;
    int HotSpotX = 0; // cursors only
    int HotSpotY = 0;
};

struct ResourceGroup {
    std::uint16_t Type = 1; // 1 icon group, 2 cursor group (as in .ico/.cur headers)
    bool Named = false;
    int Id = 0;       // when not Named
    std::string Name; // when Named (UTF-8)
    std::vector<GroupImage> Images;

    // The group's name as the user sees it: its name, or its number.
    std::string label() const { return Named ? Name : std::to_string(Id); }
};

// True when Data starts like a Windows program ("MZ").
bool LooksLikeProgram(const std::uint8_t* Data, std::size_t Size);

// Every icon and cursor group of the program, icons first, each kind in the
// order of its resource directory (numbers ascending, names first in PE as the
// format sorts them). Throws ProgramFileError for a damaged program.
std::vector<ResourceGroup> ReadProgramGroups(const std::uint8_t* Data, std::size_t Size,
                                             const std::string& FileName);

// The .ico (or .cur) file of Group, images in the group's order and byte for
// byte as the program holds them; Data is the program Group was read from.
std::vector<std::uint8_t> GroupFile(const std::uint8_t* Data, const ResourceGroup& Group);

// Whether Wanted names Group: its number ("5" or "#5") or its name, in any
// case.
bool GroupMatches(const ResourceGroup& Group, const std::string& Wanted);

// One resource of the kinds groups are made of, as the PE and NE readers find
// it: type 1 cursor, 3 icon, 12 cursor group, 14 icon group.
struct ProgramResource {
    int Type = 0;
    bool Named = false;
    int Id = 0;
    std::string Name;
    std::int64_t Offset = 0;
    std::uint32_t Size = 0;
};
std::vector<ProgramResource> ReadPeResources(const std::uint8_t* Data, std::size_t Size,
                                             std::uint32_t PeAt);
std::vector<ProgramResource> ReadNeResources(const std::uint8_t* Data, std::size_t Size,
                                             std::uint32_t NeAt);

namespace ResourceType {
constexpr int Cursor = 1;
constexpr int Icon = 3;
constexpr int CursorGroup = 12;
constexpr int IconGroup = 14;
} // namespace ResourceType
