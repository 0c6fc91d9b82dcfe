#include "program_builder.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <stdexcept>

namespace {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& B, std::size_t At, unsigned V) {
    B[At] = std::uint8_t(V);
    B[At + 1] = std::uint8_t(V >> 8);
}
void put32(Bytes& B, std::size_t At, std::uint32_t V) {
    put16(B, At, V & 0xFFFF);
    put16(B, At + 2, V >> 16);
}
unsigned get16(const Bytes& B, std::size_t At) {
    return B.at(At) | B.at(At + 1) << 8;
}
std::uint32_t get32(const Bytes& B, std::size_t At) {
    return get16(B, At) | std::uint32_t(get16(B, At + 2)) << 16;
}
std::uint32_t align(std::uint32_t V, std::uint32_t A) {
    return (V + A - 1) / A * A;
}

// The resources grouped by type, then by name, in the order PE sorts them:
// named entries first (by name), then numbers ascending.
struct Key {
    std::string Name;
    int Id;
    bool operator<(const Key& O) const {
        if (Name.empty() != O.Name.empty()) return !Name.empty();
        return Name.empty() ? Id < O.Id : Name < O.Name;
    }
};

} // namespace

BuiltProgram BuildPeProgram(const std::vector<TestResource>& Resources, bool Plus) {
    std::map<int, std::map<Key, std::size_t>> tree;
    for (std::size_t i = 0; i < Resources.size(); ++i)
        tree[Resources[i].Type][Key{Resources[i].Name, Resources[i].Id}] = i;

    // Offsets within the resource section.
    std::uint32_t at = 16 + 8 * std::uint32_t(tree.size());
    std::map<int, std::uint32_t> typeDir;
    for (const auto& [type, names] : tree) {
        typeDir[type] = at;
        at += 16 + 8 * std::uint32_t(names.size());
    }
    std::vector<std::uint32_t> langDir(Resources.size()), dataEntry(Resources.size()),
        nameAt(Resources.size()), dataAt(Resources.size());
    for (const auto& [type, names] : tree)
        for (const auto& [key, i] : names) {
            langDir[i] = at;
            at += 16 + 8;
        }
    for (const auto& [type, names] : tree)
        for (const auto& [key, i] : names) {
            dataEntry[i] = at;
            at += 16;
        }
    for (const auto& [type, names] : tree)
        for (const auto& [key, i] : names)
            if (!key.Name.empty()) {
                nameAt[i] = at;
                at += 2 + 2 * std::uint32_t(key.Name.size());
            }
    for (std::size_t i = 0; i < Resources.size(); ++i) {
        at = align(at, 8);
        dataAt[i] = at;
        at += std::uint32_t(Resources[i].Data.size());
    }
    const std::uint32_t sectionSize = align(at, 512);

    const std::uint32_t peAt = 0x40;
    const std::uint32_t optionalSize = Plus ? 240 : 224;
    const std::uint32_t sectionTable = peAt + 24 + optionalSize;
    const std::uint32_t rawAt = 0x200, address = 0x1000;
    BuiltProgram out;
    Bytes& b = out.Bytes;
    b.assign(rawAt + sectionSize, 0);
    b[0] = 'M';
    b[1] = 'Z';
    put32(b, 0x3C, peAt);
    std::memcpy(&b[peAt], "PE\0\0", 4);
    put16(b, peAt + 4, Plus ? 0x8664 : 0x14C);
    put16(b, peAt + 6, 1);
    put16(b, peAt + 20, optionalSize);
    put16(b, peAt + 22, 0x2102);
    const std::uint32_t opt = peAt + 24;
    put16(b, opt, Plus ? 0x20B : 0x10B);
    const std::uint32_t count = opt + (Plus ? 108 : 92);
    put32(b, count, 16);
    put32(b, count + 4 + 16, address);
    put32(b, count + 4 + 20, at);
    std::memcpy(&b[sectionTable], ".rsrc\0\0\0", 8);
    put32(b, sectionTable + 8, at);
    put32(b, sectionTable + 12, address);
    put32(b, sectionTable + 16, sectionSize);
    put32(b, sectionTable + 20, rawAt);

    const auto directory = [&](std::uint32_t At, int Named, int Ids) {
        put16(b, rawAt + At + 12, unsigned(Named));
        put16(b, rawAt + At + 14, unsigned(Ids));
        return rawAt + At + 16;
    };
    std::uint32_t e = directory(0, 0, int(tree.size()));
    for (const auto& [type, names] : tree) {
        put32(b, e, std::uint32_t(type));
        put32(b, e + 4, 0x80000000u | typeDir[type]);
        e += 8;
        int named = 0;
        for (const auto& n : names)
            named += !n.first.Name.empty();
        std::uint32_t ne = directory(typeDir[type], named, int(names.size()) - named);
        for (const auto& [key, i] : names) {
            put32(b, ne, key.Name.empty() ? std::uint32_t(key.Id) : 0x80000000u | nameAt[i]);
            put32(b, ne + 4, 0x80000000u | langDir[i]);
            ne += 8;
            const std::uint32_t le = directory(langDir[i], 0, 1);
            put32(b, le, 1033);
            put32(b, le + 4, dataEntry[i]);
            put32(b, rawAt + dataEntry[i], address + dataAt[i]);
            put32(b, rawAt + dataEntry[i] + 4, std::uint32_t(Resources[i].Data.size()));
            if (!key.Name.empty()) {
                put16(b, rawAt + nameAt[i], unsigned(key.Name.size()));
                for (std::size_t c = 0; c < key.Name.size(); ++c)
                    put16(b, rawAt + nameAt[i] + 2 + 2 * c, (unsigned char)key.Name[c]);
            }
            std::copy(Resources[i].Data.begin(), Resources[i].Data.end(),
                      b.begin() + rawAt + dataAt[i]);
        }
    }
    out.HeaderAt = peAt;
    out.SectionAt = sectionTable;
    out.TreeAt = rawAt;
    out.FirstTypeDirectory = rawAt + typeDir.begin()->second;
    const std::size_t first = tree.begin()->second.begin()->second;
    out.FirstLanguageDirectory = rawAt + langDir[first];
    out.FirstDataEntry = rawAt + dataEntry[first];
    for (std::uint32_t d : dataAt)
        out.DataAt.push_back(rawAt + d);
    return out;
}

BuiltProgram BuildNeProgram(const std::vector<TestResource>& Resources, int Shift) {
    std::map<int, std::vector<std::size_t>> byType;
    for (std::size_t i = 0; i < Resources.size(); ++i)
        byType[Resources[i].Type].push_back(i);
    const std::uint32_t neAt = 0x40, table = neAt + 0x40;
    std::uint32_t at = 2;
    for (const auto& t : byType)
        at += 8 + 12 * std::uint32_t(t.second.size());
    at += 2;
    std::vector<std::uint32_t> nameAt(Resources.size());
    for (std::size_t i = 0; i < Resources.size(); ++i)
        if (!Resources[i].Name.empty()) {
            nameAt[i] = at;
            at += 1 + std::uint32_t(Resources[i].Name.size());
        }
    at += 1; // the names' end
    const std::uint32_t resident = at;
    at += 1;
    const std::uint32_t unit = 1u << Shift;
    std::uint32_t fileAt = align(table + at, unit);
    std::vector<std::uint32_t> dataAt(Resources.size());
    for (std::size_t i = 0; i < Resources.size(); ++i) {
        dataAt[i] = fileAt;
        fileAt = align(fileAt + std::uint32_t(Resources[i].Data.size()), unit);
    }
    BuiltProgram out;
    Bytes& b = out.Bytes;
    b.assign(fileAt, 0);
    b[0] = 'M';
    b[1] = 'Z';
    put32(b, 0x3C, neAt);
    b[neAt] = 'N';
    b[neAt + 1] = 'E';
    put16(b, neAt + 0x24, table - neAt);
    put16(b, neAt + 0x26, table + resident - neAt);
    put16(b, neAt + 0x32, unsigned(Shift));
    put16(b, table, unsigned(Shift));
    std::uint32_t p = table + 2;
    for (const auto& [type, list] : byType) {
        put16(b, p, 0x8000u | unsigned(type));
        put16(b, p + 2, unsigned(list.size()));
        p += 8;
        for (std::size_t i : list) {
            const std::uint32_t units =
                align(std::uint32_t(Resources[i].Data.size()), unit) >> Shift;
            put16(b, p, dataAt[i] >> Shift);
            put16(b, p + 2, units);
            put16(b, p + 4, 0x1C30);
            put16(b, p + 6,
                  Resources[i].Name.empty() ? 0x8000u | unsigned(Resources[i].Id) : nameAt[i]);
            p += 12;
            std::copy(Resources[i].Data.begin(), Resources[i].Data.end(), b.begin() + dataAt[i]);
        }
    }
    for (std::size_t i = 0; i < Resources.size(); ++i)
        if (!Resources[i].Name.empty()) {
            b[table + nameAt[i]] = std::uint8_t(Resources[i].Name.size());
            std::copy(Resources[i].Name.begin(), Resources[i].Name.end(),
                      b.begin() + table + nameAt[i] + 1);
        }
    out.HeaderAt = neAt;
    out.TreeAt = table;
    for (std::uint32_t d : dataAt)
        out.DataAt.push_back(d);
    return out;
}

std::vector<FileImage> ImagesOfFile(const Bytes& Ico) {
    std::vector<FileImage> out;
    const unsigned count = get16(Ico, 4);
    for (unsigned i = 0; i < count; ++i) {
        const std::size_t e = 6 + 16 * i;
        const std::uint32_t size = get32(Ico, e + 8), at = get32(Ico, e + 12);
        if (std::size_t(at) + size > Ico.size()) throw std::out_of_range("image past the end");
        FileImage image;
        image.Bytes.assign(Ico.begin() + at, Ico.begin() + at + size);
        image.X = int(get16(Ico, e + 4));
        image.Y = int(get16(Ico, e + 6));
        out.push_back(std::move(image));
    }
    return out;
}

Bytes GroupData(const Bytes& Ico, const std::vector<int>& Ids) {
    const bool cursor = get16(Ico, 2) == 2;
    Bytes g(6 + 14 * Ids.size(), 0);
    put16(g, 2, cursor ? 2 : 1);
    put16(g, 4, unsigned(Ids.size()));
    for (std::size_t i = 0; i < Ids.size(); ++i) {
        const std::size_t e = 6 + 16 * i, o = 6 + 14 * i;
        const std::uint32_t size = get32(Ico, e + 8);
        if (cursor) {
            // As resource compilers write it: the height of colour and mask
            // bitmaps, and a bit count of 1.
            put16(g, o, Ico[e] == 0 ? 256 : Ico[e]);
            put16(g, o + 2, 2 * (Ico[e + 1] == 0 ? 256 : Ico[e + 1]));
            put16(g, o + 4, 1);
            put16(g, o + 6, 1);
            put32(g, o + 8, size + 4);
        } else {
            std::copy(Ico.begin() + long(e), Ico.begin() + long(e) + 8, g.begin() + long(o));
            put32(g, o + 8, size);
        }
        put16(g, o + 12, unsigned(Ids[i]));
    }
    return g;
}

std::vector<TestResource> ResourcesOfFile(const Bytes& Ico, int FirstId, int GroupId,
                                          const std::string& GroupName) {
    const bool cursor = get16(Ico, 2) == 2;
    std::vector<TestResource> out;
    std::vector<int> ids;
    for (const FileImage& image : ImagesOfFile(Ico)) {
        TestResource r{cursor ? 1 : 3, FirstId + int(ids.size()), {}, {}};
        // A cursor's image starts with its hot spot.
        const std::size_t spot = cursor ? 4 : 0;
        r.Data.assign(spot + image.Bytes.size(), 0);
        if (cursor) {
            put16(r.Data, 0, unsigned(image.X));
            put16(r.Data, 2, unsigned(image.Y));
        }
        std::copy(image.Bytes.begin(), image.Bytes.end(), r.Data.begin() + long(spot));
        ids.push_back(r.Id);
        out.push_back(std::move(r));
    }
    out.push_back(TestResource{cursor ? 12 : 14, GroupId, GroupName, GroupData(Ico, ids)});
    return out;
}

#include "document/file/IconWriter.h"

Bytes MakeIconFile(std::uint16_t Type, const std::vector<int>& Sides,
                   const std::vector<int>& Formats, int Seed) {
    std::vector<std::vector<std::uint32_t>> pixels(Sides.size());
    std::vector<std::vector<std::uint32_t>> palettes(Sides.size());
    std::vector<IconImageView> views;
    for (std::size_t i = 0; i < Sides.size(); ++i) {
        const int side = Sides[i];
        const int format = Formats[i] == 0 ? 32 : Formats[i];
        const int entries = format <= 8 ? 1 << format : 0;
        for (int c = 0; c < entries; ++c)
            palettes[i].push_back(std::uint32_t(c * 37 + Seed * 11) * 0x010307u & 0xFFFFFFu);
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                const std::uint32_t v = std::uint32_t(x * 7 + y * 13 + Seed * 29 + int(i));
                std::uint32_t c = entries ? palettes[i][v % std::uint32_t(entries)]
                                          : (v * 0x01050301u & 0xFFFFFFu);
                const std::uint32_t a = format == 32 ? (v * 5) & 0xFF : ((x + y) % 5 ? 255 : 0);
                pixels[i].push_back(c | a << 24);
            }
        IconImageView v;
        v.Width = v.Height = side;
        v.Format = ColourFormat(format);
        v.HotSpotX = std::uint8_t(std::min(side / 3, 255));
        v.HotSpotY = std::uint8_t(std::min(side / 4, 255));
        v.Pixels = pixels[i].data();
        v.Palette = &palettes[i];
        v.StoredAsPng = Formats[i] == 0;
        views.push_back(v);
    }
    return EncodeIconFile(Type, views, TransparencySettings());
}
