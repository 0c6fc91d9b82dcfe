// Reading animated cursors as people have them: each rule real files break,
// and the files that are refused.

#include "ani_support.h"
#include "document/file/AniReader.h"
#include "document/file/IconCodecError.h"

#include <gtest/gtest.h>

using namespace ani_test;

namespace {

struct Expected {
    Expected(std::vector<int> F = {}, std::vector<AniStep> S = {}, std::string T = "",
             std::string A = "")
        : Frames(std::move(F)), Steps(std::move(S)), Title(std::move(T)), Author(std::move(A)) {}
    std::vector<int> Frames; // frameColour index of each frame
    std::vector<AniStep> Steps;
    std::string Title;
    std::string Author;
};

struct ReaderCase {
    ReaderCase(const char* W, Bytes F, Expected E, const char* R = nullptr)
        : What(W), File(std::move(F)), Want(std::move(E)), Refusal(R) {}
    const char* What;
    Bytes File;
    Expected Want;
    const char* Refusal; // the reason, when the file is refused
};

const Bytes Frames3 =
    chunk("icon", cursorFile(0)) + chunk("icon", cursorFile(1)) + chunk("icon", cursorFile(2));
const Bytes Fram3 = list("fram", Frames3);
Bytes cutShort(Bytes B, std::size_t N) {
    B.resize(B.size() - N);
    return B;
}

const Expected InOrder3{{0, 1, 2}, {{0, 6}, {1, 6}, {2, 6}}, "", ""};

std::vector<ReaderCase> readCases() {
    return {
        {"well formed", riff(anih(3, 3, 6, 1) + Fram3), InOrder3},
        {"RIFF size counts the whole file", riff(anih(3, 3, 6, 1) + Fram3, RiffSize::WholeFile),
         InOrder3},
        {"RIFF size runs past the end", riff(anih(3, 3, 6, 1) + Fram3, RiffSize::PastEnd),
         InOrder3},
        {"odd chunks without their pad byte",
         riff(chunk("junk", {1, 2, 3}, Pad::No) + anih(3, 3, 6, 1) +
              list("INFO",
                   chunk("INAM", text("Busy"), Pad::No) + chunk("IART", text("Ann"), Pad::No)) +
              Fram3),
         {{0, 1, 2}, InOrder3.Steps, "Busy", "Ann"}},
        {"LIST sizes one too large and one too small",
         riff(anih(3, 3, 6, 1) + list("INFO", chunk("INAM", text("Wait")), 1) +
              list("fram", Frames3, -1)),
         {{0, 1, 2}, InOrder3.Steps, "Wait", ""}},
        {"a LIST size one too large before the header",
         riff(list("fram", Frames3, 1) + anih(3, 3, 6, 1)), InOrder3},
        {"a chunk size one too large",
         riff(anih(3, 3, 6, 1) +
              list("fram", chunk("icon", cursorFile(0), Pad::Yes, 1) +
                               chunk("icon", cursorFile(1)) + chunk("icon", cursorFile(2)))),
         InOrder3},
        {"INFO first, rate after the frames",
         riff(list("INFO", chunk("IART", text("Bo"))) + Fram3 + chunk("rate", u32s({1, 2, 3})) +
              anih(3, 3, 6, 1)),
         {{0, 1, 2}, {{0, 1}, {1, 2}, {2, 3}}, "", "Bo"}},
        {"unknown chunks and an unknown LIST are skipped",
         riff(chunk("zzzz", {9, 9, 9, 9}) + anih(3, 3, 6, 1) +
              list("abcd", chunk("icon", cursorFile(7))) + Fram3 + chunk("ISFT", text("x"))),
         InOrder3},
        {"a second header is ignored", riff(anih(3, 3, 6, 1) + Fram3 + anih(1, 1, 99, 3)),
         InOrder3},
        {"more steps than frames and no sequence: the last frame stays",
         riff(anih(3, 5, 4, 1) + Fram3),
         {{0, 1, 2}, {{0, 4}, {1, 4}, {2, 4}, {2, 4}, {2, 4}}}},
        {"a sequence the flags do not announce is ignored",
         riff(anih(3, 3, 6, 1) + chunk("seq ", u32s({2, 1, 0})) + Fram3), InOrder3},
        {"an announced sequence with its own rates",
         riff(anih(3, 4, 6, 3) + chunk("seq ", u32s({2, 0, 1, 0})) +
              chunk("rate", u32s({10, 0, 20, 30})) + Fram3),
         {{0, 1, 2}, {{2, 10}, {0, 0}, {1, 20}, {0, 30}}}},
        {"a missing rate chunk: every step shows the header's rate",
         riff(anih(3, 3, 0, 1) + Fram3),
         {{0, 1, 2}, {{0, 0}, {1, 0}, {2, 0}}}},
        {"rate words missing at the end take the header's rate",
         riff(anih(3, 3, 5, 1) + chunk("rate", u32s({8})) + Fram3),
         {{0, 1, 2}, {{0, 8}, {1, 5}, {2, 5}}}},
        {"no steps stated: one per frame", riff(anih(3, 0, 6, 1) + Fram3), InOrder3},
        {"icon chunks past the header's count are left out",
         riff(anih(2, 2, 6, 1) + Fram3),
         {{0, 1}, {{0, 6}, {1, 6}}}},
        {"icon files as frames",
         riff(anih(2, 2, 6, 1) +
              list("fram", chunk("icon", iconFile(4)) + chunk("icon", iconFile(5)))),
         {{4, 5}, {{0, 6}, {1, 6}}}},
        {"bare bitmaps as frames (icon flag clear)",
         riff(anih(2, 2, 6, 0) +
              list("fram", chunk("icon", bareBitmap(3)) + chunk("icon", bareBitmap(1)))),
         {{3, 1}, {{0, 6}, {1, 6}}}},

        {"an empty file", {}, {}, "It is not a RIFF file of the form ACON."},
        {"another RIFF form",
         name4("RIFF") + u32s({4}) + name4("WAVE"),
         {},
         "It is not a RIFF file of the form ACON."},
        {"no header", riff(Fram3), {}, "It has no animation header (anih)."},
        {"a header cut short",
         riff(chunk("anih", u32s({36, 3, 3})) + Fram3),
         {},
         "Its animation header (anih) is cut short."},
        {"no frames", riff(anih(0, 0, 6, 1) + list("fram", {})), {}, "It holds no frames."},
        {"too many frames",
         riff(anih(4097, 1, 6, 1) + Fram3),
         {},
         "It has 4,097 frames; at most 4,096 can be read."},
        {"too many steps",
         riff(anih(3, 65537, 6, 1) + Fram3),
         {},
         "It has 65,537 steps; at most 65,536 can be read."},
        {"fewer frames than the header says",
         riff(anih(4, 4, 6, 1) + Fram3),
         {},
         "Its header promises 4 frames, but it holds 3."},
        {"a sequence naming a frame past the last",
         riff(anih(3, 3, 6, 3) + chunk("seq ", u32s({0, 3, 1})) + Fram3),
         {},
         "Step 2 shows frame 4, but there are only 3 frames."},
        {"a bare frame that is no bitmap",
         riff(anih(1, 1, 6, 0) + list("fram", chunk("icon", cursorFile(0)))),
         {},
         "Frame 1 is neither an icon file nor a bitmap."},
        {"a frame cut short",
         riff(anih(2, 2, 6, 1) + list("fram", chunk("icon", cursorFile(0)) +
                                                  chunk("icon", cutShort(cursorFile(1), 30)))),
         {},
         "Frame 2 is not an icon."},
    };
}

} // namespace

TEST(AniReader, ReadsTheFilesPeopleHaveAndRefusesTheRest) {
    for (const ReaderCase& c : readCases()) {
        SCOPED_TRACE(c.What);
        if (c.Refusal) {
            try {
                DecodeAniFile(c.File.data(), c.File.size(), "t.ani", TransparencySettings());
                ADD_FAILURE() << "read a file that should be refused";
            } catch (const IconCodecError& e) {
                const std::string message = e.what();
                EXPECT_EQ(message.rfind("t.ani is not an animated cursor. ", 0), 0u) << message;
                EXPECT_NE(message.find(c.Refusal), std::string::npos) << message;
            }
            continue;
        }
        AniContents ani;
        ASSERT_NO_THROW(
            ani = DecodeAniFile(c.File.data(), c.File.size(), "t.ani", TransparencySettings()));
        ASSERT_EQ(ani.Frames.size(), c.Want.Frames.size());
        for (std::size_t f = 0; f < ani.Frames.size(); ++f) {
            SCOPED_TRACE("frame " + std::to_string(f + 1));
            ASSERT_EQ(ani.Frames[f].Icon.Images.size(), 1u);
            const IconRaster& image = ani.Frames[f].Icon.Images[0];
            EXPECT_EQ(image.Format, 32);
            ASSERT_EQ(image.Pixels.size(), 4u);
            EXPECT_EQ(image.Pixels[3], frameColour(c.Want.Frames[f]));
        }
        EXPECT_EQ(ani.Info.Steps, c.Want.Steps);
        EXPECT_EQ(ani.Info.Title, c.Want.Title);
        EXPECT_EQ(ani.Info.Author, c.Want.Author);
    }
}

// A cursor frame keeps its hot spot; an icon file or a bare bitmap has none,
// and the fields where a cursor keeps it hold something else.
TEST(AniReader, HotSpotsOfCursorsIconsAndBitmaps) {
    const struct {
        const char* What;
        Bytes Frame;
        std::uint32_t Flags;
        int X, Y;
    } cases[] = {
        {"cursor", cursorFile(0, 1, 0), 1, 1, 0},
        {"cursor with another hot spot", cursorFile(0, 0, 1), 1, 0, 1},
        {"icon", iconFile(0), 1, 0, 0},
        {"bare bitmap", bareBitmap(0), 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        const Bytes file = riff(anih(1, 1, 6, c.Flags) + list("fram", chunk("icon", c.Frame)));
        const AniContents ani = DecodeAniFile(file.data(), file.size(), "t.ani", {});
        const IconRaster& image = ani.Frames.at(0).Icon.Images.at(0);
        EXPECT_EQ(image.HotSpotX, c.X);
        EXPECT_EQ(image.HotSpotY, c.Y);
    }
}

// Every prefix of a good file is read or refused with the one message, never
// read past its end (the sanitizer build checks the reads).
TEST(AniReader, EveryTruncationIsReadOrRefused) {
    const Bytes file = riff(anih(3, 4, 6, 3) + chunk("seq ", u32s({2, 0, 1, 0})) +
                            chunk("rate", u32s({10, 0, 20, 30})) +
                            list("INFO", chunk("INAM", text("Busy"))) + Fram3);
    for (std::size_t n = 0; n < file.size(); ++n) {
        const Bytes cut(file.begin(), file.begin() + std::ptrdiff_t(n));
        try {
            DecodeAniFile(cut.data(), cut.size(), "t.ani", {});
        } catch (const IconCodecError& e) {
            EXPECT_EQ(std::string(e.what()).rfind("t.ani is not an animated cursor.", 0), 0u)
                << n << ": " << e.what();
        }
    }
}
