// The resource table of 16-bit NE programs and icon libraries: an alignment
// shift, then per type its number, its count and one 12-byte entry per
// resource, whose offset and length are in units of 1 << shift bytes. Names
// are counted strings after the types.

#include "document/file/IconByteCursor.h"
#include "document/file/ProgramResources.h"

namespace {

constexpr int IntegerId = 0x8000;

bool wanted(int Type) {
    return Type == ResourceType::Cursor || Type == ResourceType::Icon ||
           Type == ResourceType::CursorGroup || Type == ResourceType::IconGroup;
}

std::string countedString(IconByteCursor& In, std::int64_t At) {
    In.seek(At);
    const int length = In.u8();
    const std::uint8_t* p = In.peek(length);
    std::string out;
    // Names are plain ASCII in practice; other bytes are kept as Latin-1.
    for (int i = 0; i < length; ++i) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            out += char(c);
        } else {
            out += char(0xC0 | c >> 6);
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

} // namespace

std::vector<ProgramResource> ReadNeResources(const std::uint8_t* Data, std::size_t Size,
                                             std::uint32_t NeAt) {
    IconByteCursor in(Data, std::int64_t(Size));
    in.seek(std::int64_t(NeAt) + 0x24);
    const std::int64_t table = std::int64_t(NeAt) + in.u16();
    const std::int64_t residentNames = std::int64_t(NeAt) + in.u16();
    std::vector<ProgramResource> out;
    if (table == residentNames) return out; // no resources
    in.seek(table);
    const int shift = in.u16();
    if (shift > 24) throw ProgramFileError("its resource alignment is out of range");
    for (;;) {
        const int type = in.u16();
        if (type == 0) break;
        const int count = in.u16();
        in.skip(4);
        if (!in.has(std::int64_t(count) * 12))
            throw ProgramFileError("its resource table runs past the end of the file");
        const std::int64_t entries = in.pos();
        in.skip(std::int64_t(count) * 12);
        const std::int64_t next = in.pos();
        if (!(type & IntegerId) || !wanted(type & ~IntegerId)) continue;
        for (int i = 0; i < count; ++i) {
            in.seek(entries + std::int64_t(i) * 12);
            ProgramResource r;
            r.Type = type & ~IntegerId;
            r.Offset = std::int64_t(in.u16()) << shift;
            const std::int64_t length = std::int64_t(in.u16()) << shift;
            in.skip(2);
            const int id = in.u16();
            if (r.Offset + length > std::int64_t(Size))
                throw ProgramFileError("a resource lies past the end of the file");
            r.Size = std::uint32_t(length);
            r.Named = !(id & IntegerId);
            if (r.Named)
                r.Name = countedString(in, table + id);
            else
                r.Id = id & ~IntegerId;
            out.push_back(std::move(r));
        }
        in.seek(next);
    }
    return out;
}
