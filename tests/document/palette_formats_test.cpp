#include "document/file/PaletteFormats.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t rgb(int R, int G, int B) {
    return std::uint32_t(R) | std::uint32_t(G) << 8 | std::uint32_t(B) << 16;
}

Bytes text(const std::string& Text) {
    return Bytes(Text.begin(), Text.end());
}

void put16(Bytes& Out, unsigned V) {
    Out.push_back(std::uint8_t(V));
    Out.push_back(std::uint8_t(V >> 8));
}
void put32(Bytes& Out, std::uint32_t V) {
    put16(Out, V & 0xFFFF);
    put16(Out, V >> 16);
}
void tag(Bytes& Out, const char* T) {
    Out.insert(Out.end(), T, T + 4);
}

// A Microsoft palette laid out by hand: RIFF, "PAL ", an unrelated chunk
// of odd length (padded), then "data" with a LOGPALETTE of Colours.
Bytes riff(const std::vector<std::uint32_t>& Colours, int Count = -1, bool ExtraChunk = true) {
    Bytes body;
    tag(body, "PAL ");
    if (ExtraChunk) {
        tag(body, "note");
        put32(body, 3);
        body.insert(body.end(), {'a', 'b', 'c', 0});
    }
    tag(body, "data");
    put32(body, 4 + 4 * std::uint32_t(Colours.size()));
    put16(body, 0x0300);
    put16(body, unsigned(Count < 0 ? int(Colours.size()) : Count));
    for (std::uint32_t c : Colours) {
        body.insert(body.end(), {std::uint8_t(c), std::uint8_t(c >> 8), std::uint8_t(c >> 16), 0});
    }
    Bytes out;
    tag(out, "RIFF");
    put32(out, std::uint32_t(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

// An Adobe table of Colours, 768 bytes, and with Trailer the count and a
// transparent index after it.
Bytes act(const std::vector<std::uint32_t>& Colours, bool Trailer, int Count = -1,
          int Transparent = 0xFFFF) {
    Bytes out(768, 0);
    for (std::size_t i = 0; i < Colours.size(); ++i) {
        out[3 * i] = std::uint8_t(Colours[i]);
        out[3 * i + 1] = std::uint8_t(Colours[i] >> 8);
        out[3 * i + 2] = std::uint8_t(Colours[i] >> 16);
    }
    if (Trailer) {
        const int n = Count < 0 ? int(Colours.size()) : Count;
        out.insert(out.end(), {std::uint8_t(n >> 8), std::uint8_t(n),
                               std::uint8_t(Transparent >> 8), std::uint8_t(Transparent)});
    }
    return out;
}

PaletteFileContents decode(const Bytes& B, const std::string& Name) {
    return DecodePaletteFile(B.data(), B.size(), Name);
}

const std::vector<std::uint32_t> Three = {rgb(255, 0, 0), rgb(0, 128, 0), rgb(1, 2, 3)};

} // namespace

// Every kind written and read back gives the same colours and is recognised
// by its content, whatever the name says (but an Adobe table, which has no
// signature, by its name).
TEST(PaletteFormats, RoundTripPerKind) {
    std::vector<std::uint32_t> colours;
    for (int i = 0; i < 256; ++i)
        colours.push_back(rgb(i, 255 - i, (i * 7) & 0xFF));
    const struct {
        PaletteFileKind Kind;
        const char* Name;
    } kinds[] = {
        {PaletteFileKind::Icp, "p.dat"},  {PaletteFileKind::Gimp, "p.dat"},
        {PaletteFileKind::Jasc, "p.dat"}, {PaletteFileKind::Riff, "p.gpl"},
        {PaletteFileKind::Act, "p.act"},
    };
    for (const auto& k : kinds)
        for (std::size_t n : {std::size_t(1), std::size_t(2), std::size_t(16), std::size_t(256)}) {
            SCOPED_TRACE(std::to_string(int(k.Kind)) + " with " + std::to_string(n));
            const std::vector<std::uint32_t> some(colours.begin(), colours.begin() + long(n));
            const PaletteFileContents back = decode(EncodePaletteFile(k.Kind, some), k.Name);
            EXPECT_EQ(back.Kind, k.Kind);
            EXPECT_EQ(back.Colours, some);
        }
    // Kinds that hold at most 256 colours refuse more; none writes nothing.
    for (PaletteFileKind k : {PaletteFileKind::Riff, PaletteFileKind::Act})
        EXPECT_THROW(EncodePaletteFile(k, std::vector<std::uint32_t>(257)), PaletteFormatError);
    EXPECT_THROW(EncodePaletteFile(PaletteFileKind::Gimp, {}), PaletteFormatError);
}

// Files as the other programs write them, made by hand from their rules.
TEST(PaletteFormats, ReadsFilesOfTheOtherPrograms) {
    const struct {
        const char* Name;
        std::string File;
        Bytes Data;
        PaletteFileKind Kind;
        std::vector<std::uint32_t> Colours;
    } cases[] = {
        {"GIMP with name, columns, comments, names and blank lines", "warm.gpl",
         text("GIMP Palette\nName: Warm\nColumns: 4\n#\n# a comment\n255   0   0\tRed\n"
              "  0 128   0\tDark green\n\n  1   2   3\n"),
         PaletteFileKind::Gimp, Three},
        {"GIMP with CR LF and no name line", "x.gpl",
         text("GIMP Palette\r\n255 0 0 Red\r\n0 128 0\r\n1 2 3 Untitled\r\n"),
         PaletteFileKind::Gimp, Three},
        {"JASC as Paint Shop Pro writes it", "x.pal",
         text("JASC-PAL\r\n0100\r\n3\r\n255 0 0\r\n0 128 0\r\n1 2 3\r\n"), PaletteFileKind::Jasc,
         Three},
        {"JASC with LF only and no last line end", "x.pal",
         text("JASC-PAL\n0100\n3\n255 0 0\n0 128 0\n1 2 3"), PaletteFileKind::Jasc, Three},
        {"Microsoft RIFF with another chunk first", "x.pal", riff(Three), PaletteFileKind::Riff,
         Three},
        {"Adobe table of 768 bytes: 256 colours", "x.act", act(Three, false), PaletteFileKind::Act,
         [] {
             std::vector<std::uint32_t> v = Three;
             v.resize(256, 0);
             return v;
         }()},
        {"Adobe table with a count and a transparent index", "x.ACT", act(Three, true, 3, 1),
         PaletteFileKind::Act, Three},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const PaletteFileContents got = decode(c.Data, c.File);
        EXPECT_EQ(got.Kind, c.Kind);
        EXPECT_EQ(got.Colours, c.Colours);
    }
}

// Each reader refuses a damaged file with one message that names the file
// and says what is wrong.
TEST(PaletteFormats, RefusesMalformedFiles) {
    Bytes riffShort = riff(Three);
    riffShort.resize(riffShort.size() - 2);
    Bytes riffHuge = riff(Three, 3, false);
    riffHuge[22] = 0xFF; // the data chunk's count
    riffHuge[23] = 0x7F;
    Bytes bmpTruncated = EncodePaletteFile(PaletteFileKind::Icp, Three);
    bmpTruncated.resize(bmpTruncated.size() - 1);
    Bytes bmpRle = EncodePaletteFile(PaletteFileKind::Icp, Three);
    bmpRle[30] = 1;
    Bytes bmpHuge = EncodePaletteFile(PaletteFileKind::Icp, Three);
    bmpHuge[24] = 0x10; // height 0x100003
    const struct {
        const char* Name;
        std::string File;
        Bytes Data;
        const char* Reason;
    } cases[] = {
        {"empty", "x.gpl", {}, "GIMP Palette"},
        {"unknown kind", "x.txt", text("hello"), "none of the palette files"},
        {"GIMP colour out of range", "x.gpl", text("GIMP Palette\n255 0 256\n"), "line 2"},
        {"GIMP colour of two numbers", "x.gpl", text("GIMP Palette\n#\n255 0\n"), "line 3"},
        {"GIMP colour with letters", "x.gpl", text("GIMP Palette\n255 0x 0\n"), "line 2"},
        {"GIMP negative colour", "x.gpl", text("GIMP Palette\n-1 0 0\n"), "line 2"},
        {"GIMP without colours", "x.gpl", text("GIMP Palette\nName: none\n"), "no colours"},
        {"JASC without version", "x.pal", text("JASC-PAL\r\n3\r\n"), "0100"},
        {"JASC count missing", "x.pal", text("JASC-PAL\r\n0100\r\n\r\n"), "number of colours"},
        {"JASC count zero", "x.pal", text("JASC-PAL\r\n0100\r\n0\r\n"), "number of colours"},
        {"JASC fewer colours than its count", "x.pal",
         text("JASC-PAL\r\n0100\r\n4\r\n255 0 0\r\n0 0 0\r\n1 1 1 \r\n"), "holds 3"},
        {"JASC count past what the file can hold", "x.pal",
         text("JASC-PAL\r\n0100\r\n60000\r\n255 0 0\r\n"), "too short"},
        {"JASC bad colour", "x.pal", text("JASC-PAL\r\n0100\r\n1\r\n255 0 x\r\n"), "line 4"},
        {"RIFF of another kind", "x.pal", text("RIFFxxxxWAVEdata"), "PAL"},
        {"RIFF cut short", "x.pal", riffShort, "past the end"},
        {"RIFF count past its chunk", "x.pal", riffHuge, "too short"},
        {"RIFF with no data chunk", "x.pal", text(std::string("RIFF\x04\0\0\0PAL ", 12)),
         "no \"data\" chunk"},
        {"RIFF with no colours", "x.pal", riff({}), "no colours"},
        {"Adobe table of another length", "x.act", Bytes(700, 0), "768 or 772"},
        {"Adobe table counting 0 colours", "x.act", act(Three, true, 0), "0 colours"},
        {"Adobe table counting 300 colours", "x.act", act(Three, true, 300), "300 colours"},
        {"BMP cut short", "x.icp", bmpTruncated, "last row"},
        {"BMP compressed", "x.icp", bmpRle, "uncompressed"},
        {"BMP far too high", "x.icp", bmpHuge, "not a palette's"},
        {"BMP header only", "x.icp", text("BM"), "ends too early"},
        {"too large", "x.gpl", Bytes(MaxPaletteFileSize + 1, '0'), "too large"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        try {
            decode(c.Data, "dir/" + c.File);
            ADD_FAILURE() << "read";
        } catch (const PaletteFormatError& e) {
            const std::string what = e.what();
            EXPECT_EQ(what.rfind("dir/" + c.File + " is not a palette file: ", 0), 0u) << what;
            if (c.Reason) {
                EXPECT_NE(what.find(c.Reason), std::string::npos) << what;
            }
            EXPECT_EQ(what.find('\n'), std::string::npos) << what;
        }
    }
}

TEST(PaletteFormats, FitsToTheFormatsLength) {
    const struct {
        std::size_t Had;
        int Entries;
        const char* Note;
    } cases[] = {
        {3, 16, "The palette has 3 colors; the other 13 are black."},
        {300, 256, "The palette has 300 colors; the first 256 are used."},
        {16, 16, ""},
        {1, 2, "The palette has 1 color; the other one is black."},
        {2, 1, "The palette has 2 colors; the first one is used."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Had);
        std::vector<std::uint32_t> colours;
        for (std::size_t i = 0; i < c.Had; ++i)
            colours.push_back(std::uint32_t(i + 1) * 0x010203u);
        std::string note = "stale";
        const std::vector<std::uint32_t> fitted = FitPaletteLength(colours, c.Entries, note);
        EXPECT_EQ(note, c.Note);
        ASSERT_EQ(fitted.size(), std::size_t(c.Entries));
        for (std::size_t i = 0; i < fitted.size(); ++i)
            EXPECT_EQ(fitted[i], i < c.Had ? colours[i] : 0u) << i;
    }
}
