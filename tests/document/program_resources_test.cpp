#include "document/file/IconReader.h"
#include "document/file/ProgramResources.h"
#include "program_builder.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

// Two icon groups (one numbered with images of every kind, one named) and a
// cursor group, as a resource compiler would lay them out.
struct Sample {
    Bytes Icons = MakeIconFile(1, {16, 32, 48, 20, 256}, {1, 4, 8, 24, 0}, 1);
    Bytes Named = MakeIconFile(1, {24}, {32}, 2);
    Bytes Cursor = MakeIconFile(2, {32, 48}, {32, 4}, 3);
    std::vector<TestResource> resources() const {
        std::vector<TestResource> all = ResourcesOfFile(Icons, 1, 7);
        for (const auto& more :
             {ResourcesOfFile(Named, 20, 0, "MAIN"), ResourcesOfFile(Cursor, 30, 2, "POINTER")})
            all.insert(all.end(), more.begin(), more.end());
        // Resources of other kinds are passed over.
        all.push_back(TestResource{16, 1, {}, Bytes(40, 1)});
        all.push_back(TestResource{6, 0, "STRINGS", Bytes(10, 2)});
        return all;
    }
};

std::string label(const ResourceGroup& G) {
    return (G.Type == 2 ? "cursor " : "icon ") + G.label() + " x" + std::to_string(G.Images.size());
}

} // namespace

// Each format gives the same groups, and each group's file is the file the
// images came from: byte for byte for icons, images and hot spots for
// cursors (whose group keeps no colour count).
TEST(ProgramResources, GroupsOfEveryFormatAreTheFilesThatWentIn) {
    const Sample s;
    const struct {
        const char* Name;
        BuiltProgram Program;
    } cases[] = {
        {"PE32", BuildPeProgram(s.resources(), false)},
        {"PE32+", BuildPeProgram(s.resources(), true)},
        {"NE, 16-byte units", BuildNeProgram(s.resources(), 4)},
        {"NE, 512-byte units", BuildNeProgram(s.resources(), 9)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const Bytes& p = c.Program.Bytes;
        ASSERT_TRUE(LooksLikeProgram(p.data(), p.size()));
        const std::vector<ResourceGroup> groups = ReadProgramGroups(p.data(), p.size(), "x.exe");
        std::vector<std::string> labels;
        for (const ResourceGroup& g : groups)
            labels.push_back(label(g));
        // PE sorts names before numbers; NE keeps the table's order.
        const bool pe = c.Program.Bytes[c.Program.HeaderAt] == 'P';
        EXPECT_EQ(
            labels,
            pe ? (std::vector<std::string>{"icon MAIN x1", "icon 7 x5", "cursor POINTER x2"})
               : (std::vector<std::string>{"icon 7 x5", "icon MAIN x1", "cursor POINTER x2"}));
        for (const ResourceGroup& g : groups) {
            SCOPED_TRACE(g.label());
            const Bytes file = GroupFile(p.data(), g);
            if (g.Type == 2) {
                EXPECT_EQ(ImagesOfFile(file), ImagesOfFile(s.Cursor));
                EXPECT_EQ(g.Images[1].Width, 48);
                EXPECT_EQ(g.Images[1].Height, 48);
            } else {
                EXPECT_EQ(file, g.Named ? s.Named : s.Icons);
            }
            // And the editor's reader takes it.
            const IconContents read =
                DecodeIconFile(file.data(), file.size(), "group", TransparencySettings());
            EXPECT_EQ(read.Images.size(), g.Images.size());
        }
        EXPECT_TRUE(GroupMatches(groups[0], pe ? "main" : "#7"));
        EXPECT_FALSE(GroupMatches(groups[0], pe ? "7" : "MAIN"));
    }
}

// A program holding no icons is no error: it has no groups.
TEST(ProgramResources, ProgramsWithoutGroups) {
    for (const BuiltProgram& p : {BuildPeProgram({TestResource{16, 1, {}, Bytes(8, 0)}}),
                                  BuildNeProgram({TestResource{16, 1, {}, Bytes(8, 0)}})})
        EXPECT_TRUE(ReadProgramGroups(p.Bytes.data(), p.Bytes.size(), "x").empty());
}

// Programs are hostile input: every damage gives one message naming the file
// and the fault, and no read outside the file (the sanitizer build checks).
TEST(ProgramResources, RefusesMalformedPrograms) {
    const Sample s;
    const BuiltProgram pe = BuildPeProgram(s.resources());
    const BuiltProgram ne = BuildNeProgram(s.resources());
    const auto put32 = [](Bytes& B, std::size_t At, std::uint32_t V) {
        for (int i = 0; i < 4; ++i)
            B[At + std::size_t(i)] = std::uint8_t(V >> (8 * i));
    };
    const auto put16 = [](Bytes& B, std::size_t At, unsigned V) {
        B[At] = std::uint8_t(V);
        B[At + 1] = std::uint8_t(V >> 8);
    };
    // The data of the group numbered 7, the sixth resource of the sample,
    // and its data entry (the data entries are in the tree's order: its
    // group is the last of the first icon groups' names, after MAIN).
    const std::size_t groupAt = pe.DataAt[5];
    std::size_t groupEntry = 0;
    for (std::size_t e = pe.FirstDataEntry; e + 16 <= pe.Bytes.size(); e += 16)
        if (std::size_t(pe.Bytes[e] | pe.Bytes[e + 1] << 8 | pe.Bytes[e + 2] << 16) + 0x200 -
                0x1000 ==
            groupAt) {
            groupEntry = e;
            break;
        }
    ASSERT_NE(groupEntry, 0u);
    const struct {
        const char* Name;
        const BuiltProgram& From;
        std::function<void(Bytes&)> Damage;
        const char* Reason;
    } cases[] = {
        {"not MZ", pe, [](Bytes& b) { b[0] = 'X'; }, "MZ"},
        {"cut inside the DOS header", pe, [](Bytes& b) { b.resize(40); }, "MZ"},
        {"header offset past the end", pe, [&](Bytes& b) { put32(b, 0x3C, 0x7FFFFFF0); },
         "ends inside"},
        {"neither PE nor NE", pe, [&](Bytes& b) { b[pe.HeaderAt] = 'L'; }, "neither"},
        {"unknown optional header", pe, [&](Bytes& b) { put16(b, pe.HeaderAt + 24, 0x107); },
         "PE32"},
        {"section table past the end", pe, [&](Bytes& b) { put16(b, pe.HeaderAt + 6, 9000); },
         "section table"},
        {"resources outside every section", pe,
         [&](Bytes& b) { put32(b, pe.HeaderAt + 24 + 96 + 16, 0x90000); }, "outside"},
        {"section raw data past the end", pe,
         [&](Bytes& b) { put32(b, pe.SectionAt + 20, 0x7FFFFF00); }, "outside"},
        {"root directory counting 60000 entries", pe,
         [&](Bytes& b) { put16(b, pe.TreeAt + 14, 60000); }, "outside"},
        {"a type leading back to the root", pe,
         [&](Bytes& b) { put32(b, pe.TreeAt + 16 + 4, 0x80000000u); }, "loops"},
        {"a name leading to its own type's directory", pe,
         [&](Bytes& b) {
             put32(b, pe.FirstTypeDirectory + 16 + 4,
                   0x80000000u | (pe.FirstTypeDirectory - pe.TreeAt));
         },
         "loops"},
        {"a fourth level", pe,
         [&](Bytes& b) { put32(b, pe.FirstLanguageDirectory + 16 + 4, 0x80000000u | 0x10); },
         "three levels"},
        {"a type leading to data", pe, [&](Bytes& b) { put32(b, pe.TreeAt + 16 + 4, 0x10); },
         "instead of names"},
        {"data outside the sections", pe,
         [&](Bytes& b) { put32(b, pe.FirstDataEntry, 0x7FFF0000); }, "outside"},
        {"data longer than its section", pe,
         [&](Bytes& b) { put32(b, pe.FirstDataEntry + 4, 0x7FFF0000); }, "outside"},
        {"a group naming a missing image", pe, [&](Bytes& b) { put16(b, groupAt + 6 + 12, 999); },
         "image 999"},
        {"a group with no images", pe, [&](Bytes& b) { put16(b, groupAt + 4, 0); }, "no images"},
        {"a group shorter than its entries", pe, [&](Bytes& b) { put16(b, groupAt + 4, 40000); },
         "shorter"},
        {"a group naming one image 60000 times", pe,
         [&](Bytes& b) {
             // The group's data grows to hold the entries: the last resource
             // of the section is overwritten with a longer group.
             Bytes g(6 + 14 * 60000, 0);
             put16(g, 2, 1);
             put16(g, 4, 60000);
             for (std::size_t i = 0; i < 60000; ++i) {
                 g[6 + 14 * i] = 16;
                 g[6 + 14 * i + 1] = 16;
                 put16(g, 6 + 14 * i + 12, 1);
             }
             const std::size_t at = b.size();
             b.insert(b.end(), g.begin(), g.end());
             // The section and the group's data entry cover the new bytes.
             put32(b, pe.SectionAt + 8, std::uint32_t(b.size() - 0x200));
             put32(b, pe.SectionAt + 16, std::uint32_t(b.size() - 0x200));
             const std::size_t entry = groupEntry;
             put32(b, entry, std::uint32_t(0x1000 + at - 0x200));
             put32(b, entry + 4, std::uint32_t(g.size()));
         },
         "over and over"},
        {"NE resource table past the end", ne,
         [&](Bytes& b) { put16(b, ne.HeaderAt + 0x24, 0xFFF0); }, "ends inside"},
        {"NE alignment out of range", ne, [&](Bytes& b) { put16(b, ne.TreeAt, 40); }, "alignment"},
        {"NE resource past the end", ne, [&](Bytes& b) { put16(b, ne.TreeAt + 2 + 8, 0xFFFF); },
         "past the end"},
        {"NE type counting more entries than the file holds", ne,
         [&](Bytes& b) { put16(b, ne.TreeAt + 2 + 2, 0xFFFF); }, "past the end"},
        {"NE name past the end", ne, [&](Bytes& b) { put16(b, ne.TreeAt + 2 + 8 + 6, 0x7FF0); },
         "ends inside"},
        {"NE cut inside its table", ne, [&](Bytes& b) { b.resize(ne.TreeAt + 12); },
         "past the end"},
        {"NE cut inside the type list", ne, [&](Bytes& b) { b.resize(ne.TreeAt + 5); },
         "ends inside"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Bytes damaged = c.From.Bytes;
        c.Damage(damaged);
        try {
            const std::vector<ResourceGroup> groups =
                ReadProgramGroups(damaged.data(), damaged.size(), "dir/bad.dll");
            ADD_FAILURE() << "read " << groups.size() << " groups";
        } catch (const ProgramFileError& e) {
            const std::string what = e.what();
            EXPECT_EQ(what.rfind("dir/bad.dll is not a readable Windows program: ", 0), 0u) << what;
            EXPECT_NE(what.find(c.Reason), std::string::npos) << what;
        }
    }
}
