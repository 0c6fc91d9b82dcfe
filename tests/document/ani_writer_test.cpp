// What the animated-cursor writer puts in a file, chunk by chunk, and what
// reading it back gives.

#include "ani_support.h"
#include "document/file/AniReader.h"
#include "document/file/AniWriter.h"
#include "document/file/IconCodecError.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace ani_test;

namespace {

struct Listed {
    std::string Id; // "LIST fram" for a list
    Bytes Data;     // a list's contents after its type
};

std::uint32_t u32at(const Bytes& B, std::size_t At) {
    return std::uint32_t(B[At]) | (std::uint32_t(B[At + 1]) << 8) |
           (std::uint32_t(B[At + 2]) << 16) | (std::uint32_t(B[At + 3]) << 24);
}

// The chunks from From to To strictly by the rules: every size exact, every
// odd chunk padded. A rule broken fails the test.
std::vector<Listed> strictChunks(const Bytes& B, std::size_t From, std::size_t To) {
    std::vector<Listed> out;
    while (From < To) {
        EXPECT_LE(From + 8, To);
        if (From + 8 > To) break;
        std::string id(B.begin() + std::ptrdiff_t(From), B.begin() + std::ptrdiff_t(From + 4));
        const std::size_t size = u32at(B, From + 4);
        std::size_t at = From + 8;
        EXPECT_LE(at + size, To) << id;
        if (at + size > To) break;
        if (id == "LIST") {
            id += " " +
                  std::string(B.begin() + std::ptrdiff_t(at), B.begin() + std::ptrdiff_t(at + 4));
            at += 4;
        }
        out.push_back({id, Bytes(B.begin() + std::ptrdiff_t(at),
                                 B.begin() + std::ptrdiff_t(From + 8 + size))});
        From += 8 + size + (size & 1);
    }
    EXPECT_EQ(From, To);
    return out;
}

std::vector<Listed> topChunks(const Bytes& File) {
    EXPECT_GE(File.size(), 12u);
    EXPECT_EQ(std::string(File.begin(), File.begin() + 4), "RIFF");
    EXPECT_EQ(u32at(File, 4), File.size() - 8);
    EXPECT_EQ(std::string(File.begin() + 8, File.begin() + 12), "ACON");
    return strictChunks(File, 12, File.size());
}

std::vector<std::string> ids(const std::vector<Listed>& Chunks) {
    std::vector<std::string> out;
    for (const Listed& c : Chunks)
        out.push_back(c.Id);
    return out;
}

// N frames of cursorFile(k), as the reader gives them.
AniContents framesOf(int N) {
    const Bytes file = simpleAni(N);
    return DecodeAniFile(file.data(), file.size(), "t.ani", {});
}

} // namespace

TEST(AniWriter, ChunksFollowTheStepsAndTexts) {
    const struct {
        const char* What;
        std::vector<AniStep> Steps;
        std::uint32_t DisplayRate;
        std::string Title, Author;
        std::vector<std::string> Chunks;
        std::uint32_t Flags;
    } cases[] = {
        {"in order, one rate", {{0, 6}, {1, 6}, {2, 6}}, 6, "", "", {"anih", "LIST fram"}, 1},
        {"rates differ from the header's",
         {{0, 6}, {1, 9}, {2, 6}},
         6,
         "",
         "",
         {"anih", "rate", "LIST fram"},
         1},
        {"one rate that is not the header's",
         {{0, 4}, {1, 4}, {2, 4}},
         6,
         "",
         "",
         {"anih", "rate", "LIST fram"},
         1},
        {"a sequence", {{2, 6}, {1, 6}, {0, 6}}, 6, "", "", {"anih", "seq ", "LIST fram"}, 3},
        {"more steps than frames",
         {{0, 6}, {1, 6}, {2, 6}, {2, 6}},
         6,
         "",
         "",
         {"anih", "seq ", "LIST fram"},
         3},
        {"fewer steps than frames", {{0, 6}, {1, 6}}, 6, "", "", {"anih", "seq ", "LIST fram"}, 3},
        {"title and author",
         {{0, 6}, {1, 6}, {2, 6}},
         6,
         "Busy",
         "Ann",
         {"anih", "LIST fram", "LIST INFO"},
         1},
        {"everything",
         {{1, 0}, {1, 5}},
         6,
         "W",
         "",
         {"anih", "rate", "seq ", "LIST fram", "LIST INFO"},
         3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        AniContents ani = framesOf(3);
        ani.Info = {c.Steps, c.DisplayRate, c.Title, c.Author};
        const Bytes file = EncodeAniFile(ani, {});
        const std::vector<Listed> chunks = topChunks(file);
        ASSERT_EQ(ids(chunks), c.Chunks);
        EXPECT_EQ(chunks[0].Data,
                  u32s({36, 3, std::uint32_t(c.Steps.size()), 0, 0, 0, 0, c.DisplayRate, c.Flags}));
        for (const Listed& l : chunks) {
            if (l.Id == "rate" || l.Id == "seq ") {
                ASSERT_EQ(l.Data.size(), 4 * c.Steps.size());
                for (std::size_t i = 0; i < c.Steps.size(); ++i)
                    EXPECT_EQ(u32at(l.Data, 4 * i),
                              l.Id == "rate" ? c.Steps[i].Rate : c.Steps[i].Frame);
            }
            if (l.Id == "LIST fram") {
                const std::vector<Listed> icons = strictChunks(l.Data, 0, l.Data.size());
                ASSERT_EQ(icons.size(), 3u);
                for (int k = 0; k < 3; ++k)
                    EXPECT_EQ(icons[std::size_t(k)].Data, cursorFile(k)) << "frame " << k + 1;
            }
            if (l.Id == "LIST INFO") {
                std::vector<Listed> texts;
                if (!c.Title.empty()) texts.push_back({"INAM", text(c.Title)});
                if (!c.Author.empty()) texts.push_back({"IART", text(c.Author)});
                const std::vector<Listed> got = strictChunks(l.Data, 0, l.Data.size());
                ASSERT_EQ(got.size(), texts.size());
                for (std::size_t i = 0; i < got.size(); ++i) {
                    EXPECT_EQ(got[i].Id, texts[i].Id);
                    EXPECT_EQ(got[i].Data, texts[i].Data);
                }
            }
        }
        const AniContents back = DecodeAniFile(file.data(), file.size(), "t.ani", {});
        EXPECT_EQ(back.Info.Steps, c.Steps);
        EXPECT_EQ(back.Info.DisplayRate, c.DisplayRate);
        EXPECT_EQ(back.Info.Title, c.Title);
        EXPECT_EQ(back.Info.Author, c.Author);
    }
}

// A file that nobody edited comes out byte for byte as it went in, even where
// its frames were made by another writer; an edited frame is made anew, and
// a frame that was an icon file becomes a cursor file.
TEST(AniWriter, UneditedFramesStayByteForByte) {
    Bytes foreign = cursorFile(1);
    foreign[8] = 7; // the directory's colour count, which our writer leaves 0
    const Bytes file =
        riff(anih(3, 3, 6, 1) + list("fram", chunk("icon", cursorFile(0)) + chunk("icon", foreign) +
                                                 chunk("icon", iconFile(2))));
    AniContents ani = DecodeAniFile(file.data(), file.size(), "t.ani", {});
    const Bytes written = EncodeAniFile(ani, {});
    const std::vector<Listed> top = topChunks(written);
    ASSERT_EQ(ids(top), (std::vector<std::string>{"anih", "LIST fram"}));
    const std::vector<Listed> icons = strictChunks(top[1].Data, 0, top[1].Data.size());
    ASSERT_EQ(icons.size(), 3u);
    EXPECT_EQ(icons[0].Data, cursorFile(0));
    EXPECT_EQ(icons[1].Data, foreign);
    EXPECT_EQ(icons[2].Data, cursorFile(2, 0, 0)) << "an icon frame is written as a cursor";

    ani.Frames[1].Icon.Images[0].Pixels[0] = frameColour(5);
    const Bytes edited = EncodeAniFile(ani, {});
    const Bytes editedFrames = topChunks(edited).at(1).Data;
    const std::vector<Listed> editedIcons = strictChunks(editedFrames, 0, editedFrames.size());
    ASSERT_EQ(editedIcons.size(), 3u);
    EXPECT_EQ(editedIcons[0].Data, cursorFile(0));
    EXPECT_NE(editedIcons[1].Data, foreign);
    const AniContents back = DecodeAniFile(edited.data(), edited.size(), "t.ani", {});
    EXPECT_EQ(back.Frames[1].Icon.Images[0].Pixels[0], frameColour(5));
    EXPECT_EQ(back.Frames[1].Icon.Images[0].Pixels[1], frameColour(1));
}

TEST(AniWriter, WhatOurWriterMadeReadsAndWritesBackIdentically) {
    for (int n : {1, 2, 5}) {
        SCOPED_TRACE(n);
        const Bytes file = simpleAni(n, 3);
        const AniContents ani = DecodeAniFile(file.data(), file.size(), "t.ani", {});
        EXPECT_EQ(EncodeAniFile(ani, {}), file);
    }
}

// Wine's loader walks the frame list by the chunk sizes without their pad
// bytes: an `icon` chunk of odd size put every later frame one byte off and
// crashed it. A cursor file of odd length goes out with a zero after it.
TEST(AniWriter, FrameChunksAreEvenWithoutPadBytes) {
    Bytes odd = cursorFile(1);
    odd.push_back(0xAB); // what another writer left after its images
    const Bytes file =
        riff(anih(3, 3, 6, 1) + list("fram", chunk("icon", cursorFile(0)) + chunk("icon", odd) +
                                                 chunk("icon", cursorFile(2))));
    const AniContents ani = DecodeAniFile(file.data(), file.size(), "t.ani", {});
    const Bytes written = EncodeAniFile(ani, {});
    const std::vector<Listed> top = topChunks(written);
    ASSERT_EQ(ids(top), (std::vector<std::string>{"anih", "LIST fram"}));
    const Bytes& list = top[1].Data;
    std::vector<Bytes> icons;
    for (std::size_t at = 0; at + 8 <= list.size();) {
        const std::size_t size = u32at(list, at + 4);
        EXPECT_EQ(size % 2, 0u) << "frame " << icons.size() + 1;
        icons.emplace_back(list.begin() + std::ptrdiff_t(at + 8),
                           list.begin() + std::ptrdiff_t(std::min(list.size(), at + 8 + size)));
        at += 8 + size; // as Wine steps: no pad byte
    }
    ASSERT_EQ(icons.size(), 3u);
    EXPECT_EQ(icons[0], cursorFile(0));
    EXPECT_EQ(icons[1], odd + Bytes{0});
    EXPECT_EQ(icons[2], cursorFile(2));
    const AniContents back = DecodeAniFile(written.data(), written.size(), "t.ani", {});
    ASSERT_EQ(back.Frames.size(), 3u);
    EXPECT_EQ(back.Frames[1].Icon.Images[0].Pixels, ani.Frames[1].Icon.Images[0].Pixels);
    EXPECT_EQ(EncodeAniFile(back, {}), written) << "saved again, nothing moves";
}

TEST(AniWriter, OddTextsArePaddedAndNulsEndThem) {
    AniContents ani = framesOf(1);
    ani.Info.Steps = {{0, 6}};
    ani.Info.DisplayRate = 6;
    ani.Info.Title = std::string("Bu\0sy", 5);
    ani.Info.Author = "Anna";
    const Bytes file = EncodeAniFile(ani, {});
    const std::vector<Listed> top = topChunks(file); // checks every pad
    const std::vector<Listed> info = strictChunks(top.back().Data, 0, top.back().Data.size());
    ASSERT_EQ(info.size(), 2u);
    EXPECT_EQ(info[0].Data, text("Bu"));
    EXPECT_EQ(info[1].Data, text("Anna"));
}

TEST(AniWriter, RefusesWhatCannotBeStored) {
    const struct {
        const char* What;
        int Frames;
        std::vector<AniStep> Steps;
        const char* Reason;
    } cases[] = {
        {"no frames", 0, {{0, 6}}, "An animated cursor needs at least one frame."},
        {"no steps", 2, {}, "An animated cursor needs at least one step."},
        {"a step naming no frame",
         2,
         {{0, 6}, {2, 6}},
         "Step 2 shows frame 3, but there are only 2 frames."},
        {"too many steps", 1, std::vector<AniStep>(65537), "at most 65,536 steps"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        AniContents ani = c.Frames > 0 ? framesOf(c.Frames) : AniContents();
        ani.Info.Steps = c.Steps;
        try {
            EncodeAniFile(ani, {});
            ADD_FAILURE() << "wrote it";
        } catch (const IconCodecError& e) {
            EXPECT_NE(std::string(e.what()).find(c.Reason), std::string::npos) << e.what();
        }
    }
}
