// The resource tree of PE32 and PE32+ programs: type, name and language
// directories, then data entries whose addresses are relative to the image
// and are mapped to the file through the section table.

#include "document/file/IconByteCursor.h"
#include "document/file/ProgramResources.h"

#include <set>

namespace {

struct Section {
    std::uint32_t Address, Size, FileAt;
};

class PeImage {
public:
    PeImage(const std::uint8_t* Data, std::size_t Size, std::uint32_t PeAt)
        : m_size(std::int64_t(Size)) {
        IconByteCursor in(Data, m_size);
        in.seek(std::int64_t(PeAt) + 6);
        const int sections = in.u16();
        in.skip(12);
        const int optionalSize = in.u16();
        in.skip(2);
        const std::int64_t optionalAt = in.pos();
        const int magic = in.u16();
        if (magic != 0x10B && magic != 0x20B)
            throw ProgramFileError("its optional header is neither PE32 nor PE32+");
        const std::int64_t countAt = optionalAt + (magic == 0x10B ? 92 : 108);
        // The resource directory is the third of the data directories.
        if (countAt + 4 + 3 * 8 > optionalAt + optionalSize) return; // none
        in.seek(countAt);
        if (in.u32() < 3) return;
        in.skip(16);
        m_resourceAddress = in.u32();
        m_resourceSize = in.u32();
        in.seek(optionalAt + optionalSize);
        if (!in.has(std::int64_t(sections) * 40))
            throw ProgramFileError("its section table runs past the end of the file");
        for (int i = 0; i < sections; ++i) {
            in.skip(8);
            const std::uint32_t virtualSize = in.u32();
            const std::uint32_t address = in.u32();
            const std::uint32_t rawSize = in.u32();
            const std::uint32_t fileAt = in.u32();
            in.skip(16);
            // Bytes past the raw data are zeros in memory, not in the file.
            const std::uint32_t size =
                virtualSize != 0 && virtualSize < rawSize ? virtualSize : rawSize;
            m_sections.push_back({address, size, fileAt});
        }
    }

    bool hasResources() const { return m_resourceAddress != 0 && m_resourceSize != 0; }
    std::uint32_t resourceAddress() const { return m_resourceAddress; }

    // The file offset of Count bytes at image address Address, all of them
    // inside one section and the file.
    std::int64_t fileOffset(std::uint32_t Address, std::uint32_t Count) const {
        for (const Section& s : m_sections) {
            if (Address < s.Address ||
                std::uint64_t(Address) + Count > std::uint64_t(s.Address) + s.Size)
                continue;
            const std::int64_t at = std::int64_t(s.FileAt) + (Address - s.Address);
            if (at + Count > m_size) break;
            return at;
        }
        throw ProgramFileError("a resource lies outside the program's sections");
    }

private:
    std::int64_t m_size;
    std::uint32_t m_resourceAddress = 0;
    std::uint32_t m_resourceSize = 0;
    std::vector<Section> m_sections;
};

struct DirectoryEntry {
    std::uint32_t Name;
    std::uint32_t Target;
};

class ResourceTree {
public:
    ResourceTree(const std::uint8_t* Data, std::size_t Size, const PeImage& Image)
        : m_in(Data, std::int64_t(Size)), m_image(Image) {}

    // The entries of the directory at Offset (from the tree's start).
    std::vector<DirectoryEntry> directory(std::uint32_t Offset) {
        if (!m_seen.insert(Offset).second)
            throw ProgramFileError("its resource tree loops back on itself");
        m_in.seek(at(Offset, 16) + 12);
        const std::uint32_t count = std::uint32_t(m_in.u16()) + m_in.u16();
        m_in.seek(at(Offset + 16, count * 8));
        std::vector<DirectoryEntry> entries(count);
        for (DirectoryEntry& e : entries) {
            e.Name = m_in.u32();
            e.Target = m_in.u32();
        }
        return entries;
    }

    // A name string (a count of UTF-16 units, then the units) as UTF-8.
    std::string name(std::uint32_t Offset) {
        m_in.seek(at(Offset, 2));
        const std::uint32_t units = m_in.u16();
        m_in.seek(at(Offset + 2, units * 2));
        std::string out;
        for (std::uint32_t i = 0; i < units; ++i) {
            std::uint32_t c = m_in.u16();
            if (c >= 0xD800 && c < 0xDC00 && i + 1 < units) {
                const std::uint32_t low = m_in.u16();
                ++i;
                c = 0x10000 + ((c - 0xD800) << 10) + (low & 0x3FF);
            }
            if (c < 0x80) {
                out += char(c);
            } else if (c < 0x800) {
                out += char(0xC0 | c >> 6);
                out += char(0x80 | (c & 0x3F));
            } else if (c < 0x10000) {
                out += char(0xE0 | c >> 12);
                out += char(0x80 | (c >> 6 & 0x3F));
                out += char(0x80 | (c & 0x3F));
            } else {
                out += char(0xF0 | c >> 18);
                out += char(0x80 | (c >> 12 & 0x3F));
                out += char(0x80 | (c >> 6 & 0x3F));
                out += char(0x80 | (c & 0x3F));
            }
        }
        return out;
    }

    // Where the data of the data entry at Offset lies in the file, and its size.
    void data(std::uint32_t Offset, std::int64_t& FileAt, std::uint32_t& Size) {
        m_in.seek(at(Offset, 16));
        const std::uint32_t address = m_in.u32();
        Size = m_in.u32();
        FileAt = m_image.fileOffset(address, Size);
    }

private:
    std::int64_t at(std::uint32_t Offset, std::uint32_t Count) const {
        const std::uint64_t address = std::uint64_t(m_image.resourceAddress()) + Offset;
        if (address > 0xFFFFFFFFu) throw ProgramFileError("a resource offset is out of range");
        return m_image.fileOffset(std::uint32_t(address), Count);
    }

    IconByteCursor m_in;
    const PeImage& m_image;
    std::set<std::uint32_t> m_seen;
};

constexpr std::uint32_t HighBit = 0x80000000u;

bool wanted(std::uint32_t Type) {
    return Type == ResourceType::Cursor || Type == ResourceType::Icon ||
           Type == ResourceType::CursorGroup || Type == ResourceType::IconGroup;
}

} // namespace

std::vector<ProgramResource> ReadPeResources(const std::uint8_t* Data, std::size_t Size,
                                             std::uint32_t PeAt) {
    const PeImage image(Data, Size, PeAt);
    std::vector<ProgramResource> out;
    if (!image.hasResources()) return out;
    ResourceTree tree(Data, Size, image);
    for (const DirectoryEntry& type : tree.directory(0)) {
        if ((type.Name & HighBit) || !wanted(type.Name)) continue;
        if (!(type.Target & HighBit))
            throw ProgramFileError("a resource type leads to data instead of names");
        for (const DirectoryEntry& name : tree.directory(type.Target & ~HighBit)) {
            if (!(name.Target & HighBit))
                throw ProgramFileError("a resource name leads to data instead of languages");
            ProgramResource r;
            r.Type = int(type.Name);
            r.Named = (name.Name & HighBit) != 0;
            if (r.Named)
                r.Name = tree.name(name.Name & ~HighBit);
            else if (name.Name > 0xFFFF)
                throw ProgramFileError("a resource number is out of range");
            else
                r.Id = int(name.Name);
            // Of several languages the first is taken, as the loader takes
            // the neutral one when nothing else is asked for.
            const std::vector<DirectoryEntry> languages = tree.directory(name.Target & ~HighBit);
            if (languages.empty()) continue;
            if (languages[0].Target & HighBit)
                throw ProgramFileError("its resource tree is deeper than three levels");
            tree.data(languages[0].Target, r.Offset, r.Size);
            out.push_back(std::move(r));
        }
    }
    return out;
}
