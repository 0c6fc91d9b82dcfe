#include "document/file/ProgramResources.h"

#include "document/file/IconByteCursor.h"
#include "document/file/LittleEndianOut.h"
#include "document/file/IconFileLayout.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

// The entries of an icon or cursor group, each found among the images.
ResourceGroup groupOf(const std::uint8_t* Data, const ProgramResource& R,
                      const std::vector<ProgramResource>& All) {
    ResourceGroup g;
    const bool cursor = R.Type == ResourceType::CursorGroup;
    g.Type = cursor ? IconFile::TypeCursor : IconFile::TypeIcon;
    g.Named = R.Named;
    g.Id = R.Id;
    g.Name = R.Name;
    const std::string which = (cursor ? "cursor group " : "icon group ") + g.label();
    IconByteCursor in(Data + R.Offset, R.Size);
    in.skip(4);
    const int count = in.u16();
    if (count == 0) throw ProgramFileError(which + " holds no images");
    if (!in.has(std::int64_t(count) * 14))
        throw ProgramFileError(which + " is shorter than its " + std::to_string(count) +
                               " entries");
    const int imageType = cursor ? ResourceType::Cursor : ResourceType::Icon;
    g.Images.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        GroupImage image;
        if (cursor) {
            image.Width = in.u16();
            image.Height = in.u16() / 2;
        } else {
            image.Width = IconFile::SideOfByte(in.u8());
            image.Height = IconFile::SideOfByte(in.u8());
            image.ColourCount = in.u8();
            image.Reserved = in.u8();
        }
        image.Planes = in.u16();
        image.BitCount = in.u16();
        const std::uint32_t bytesInRes = in.u32();
        const int id = in.u16();
        const auto found = std::find_if(All.begin(), All.end(), [&](const ProgramResource& r) {
            return r.Type == imageType && !r.Named && r.Id == id;
        });
        if (found == All.end())
            throw ProgramFileError(which + " names image " + std::to_string(id) +
                                   ", which the program lacks");
        image.Offset = found->Offset;
        image.Size = found->Size;
        // The entry's byte count is exact where the resource's own length is
        // rounded up to an alignment (NE programs).
        if (bytesInRes > 0 && bytesInRes < image.Size) image.Size = bytesInRes;
        if (cursor) {
            if (image.Size < 4)
                throw ProgramFileError(which + ": image " + std::to_string(id) +
                                       " is too short for its hot spot");
            image.HotSpotX = Data[image.Offset] | Data[image.Offset + 1] << 8;
            image.HotSpotY = Data[image.Offset + 2] | Data[image.Offset + 3] << 8;
            image.Offset += 4;
            image.Size -= 4;
            // The cursor group keeps no colour count (and resource compilers
            // write 1 as its bit count): the image's own header tells.
            if (image.Size >= 16 && std::memcmp(Data + image.Offset, "\x89PNG", 4) != 0) {
                const int bits = Data[image.Offset + 14] | Data[image.Offset + 15] << 8;
                image.ColourCount = bits > 0 && bits < 8 ? 1 << bits : 0;
            }
            if (image.Width == 0) image.Width = 256;
            if (image.Height == 0) image.Height = 256;
        }
        if (image.Size == 0)
            throw ProgramFileError(which + ": image " + std::to_string(id) + " is empty");
        g.Images.push_back(image);
    }
    return g;
}

} // namespace

bool LooksLikeProgram(const std::uint8_t* Data, std::size_t Size) {
    return Size >= 2 && Data[0] == 'M' && Data[1] == 'Z';
}

std::vector<ResourceGroup> ReadProgramGroups(const std::uint8_t* Data, std::size_t Size,
                                             const std::string& FileName) {
    const std::string prefix = FileName + " is not a readable Windows program: ";
    try {
        if (!LooksLikeProgram(Data, Size) || Size < 64)
            throw ProgramFileError("it does not start with \"MZ\"");
        IconByteCursor in(Data, std::int64_t(Size));
        in.seek(0x3C);
        const std::uint32_t headerAt = in.u32();
        in.seek(headerAt);
        std::vector<ProgramResource> resources;
        if (in.has(4) && std::memcmp(in.peek(4), "PE\0\0", 4) == 0)
            resources = ReadPeResources(Data, Size, headerAt);
        else if (in.has(2) && std::memcmp(in.peek(2), "NE", 2) == 0)
            resources = ReadNeResources(Data, Size, headerAt);
        else
            throw ProgramFileError("it is neither a PE nor an NE program");
        std::vector<ResourceGroup> groups;
        // Groups may share images, but a file that names one image over and
        // over would make its groups' files far larger than itself.
        const std::uint64_t mostBytes = 4 * std::uint64_t(Size) + (1u << 20);
        std::uint64_t bytes = 0;
        for (int type : {ResourceType::IconGroup, ResourceType::CursorGroup})
            for (const ProgramResource& r : resources) {
                if (r.Type != type) continue;
                groups.push_back(groupOf(Data, r, resources));
                for (const GroupImage& i : groups.back().Images)
                    bytes += i.Size + IconFile::EntrySize;
                if (bytes > mostBytes)
                    throw ProgramFileError("its groups name the same images over and over");
            }
        return groups;
    } catch (const IconByteCursor::Overrun&) {
        throw ProgramFileError(prefix + "it ends inside its own headers or resources.");
    } catch (const ProgramFileError& e) {
        throw ProgramFileError(prefix + e.what() + ".");
    }
}

std::vector<std::uint8_t> GroupFile(const std::uint8_t* Data, const ResourceGroup& Group) {
    std::vector<std::uint8_t> out;
    const std::size_t count = Group.Images.size();
    std::uint64_t total = IconFile::HeaderSize + IconFile::EntrySize * count;
    for (const GroupImage& i : Group.Images)
        total += i.Size;
    out.reserve(std::size_t(total));
    putU16(out, 0);
    putU16(out, Group.Type);
    putU16(out, unsigned(count));
    std::uint32_t at = std::uint32_t(IconFile::HeaderSize + IconFile::EntrySize * count);
    const bool cursor = Group.Type == IconFile::TypeCursor;
    for (const GroupImage& i : Group.Images) {
        out.push_back(IconFile::SideByte(i.Width));
        out.push_back(IconFile::SideByte(i.Height));
        out.push_back(std::uint8_t(i.ColourCount));
        out.push_back(std::uint8_t(i.Reserved));
        putU16(out, unsigned(cursor ? i.HotSpotX : i.Planes));
        putU16(out, unsigned(cursor ? i.HotSpotY : i.BitCount));
        putU32(out, i.Size);
        putU32(out, at);
        at += i.Size;
    }
    for (const GroupImage& i : Group.Images)
        out.insert(out.end(), Data + i.Offset, Data + i.Offset + i.Size);
    return out;
}

bool GroupMatches(const ResourceGroup& Group, const std::string& Wanted) {
    if (!Group.Named) return Wanted == Group.label() || Wanted == "#" + Group.label();
    if (Wanted.size() != Group.Name.size()) return false;
    for (std::size_t i = 0; i < Wanted.size(); ++i)
        if (std::toupper((unsigned char)Wanted[i]) != std::toupper((unsigned char)Group.Name[i]))
            return false;
    return true;
}
