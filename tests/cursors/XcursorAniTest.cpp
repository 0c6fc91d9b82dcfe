// Between animated cursors and X cursors: delays by rounding, one timeline
// and several, and the installed themes through an animated cursor and back.

#include "LibXcursor.h"

#include "document/file/AniReader.h"
#include "document/file/AnyCursorFile.h"
#include "document/file/AniWriter.h"
#include "document/file/IconCodecError.h"
#include "document/file/XcursorAni.h"
#include "document/file/XcursorPixel.h"
#include "document/file/XcursorReader.h"
#include "document/file/XcursorWriter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <dirent.h>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace {

XcursorImage frame(std::uint32_t Size, std::uint32_t Delay, std::uint32_t Colour, int Hot = 1) {
    XcursorImage i{Size, int(Size), int(Size), Hot, Hot, Delay, {}};
    i.Pixels.assign(std::size_t(Size * Size), Colour);
    return i;
}

class ScratchFolder {
public:
    ScratchFolder() {
        char name[] = "/tmp/brisel-xcursor-ani-XXXXXX";
        m_path = mkdtemp(name);
    }
    ~ScratchFolder() {
        std::remove((m_path + "/again").c_str());
        rmdir(m_path.c_str());
    }
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

std::vector<std::uint8_t> readAll(const std::string& Path) {
    std::ifstream in(Path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

TEST(XcursorAni, DelaysGoBetweenJiffiesAndMillisecondsByRounding) {
    const std::pair<std::uint32_t, std::uint32_t> rates[] = {{0, 17}, {1, 17}, {2, 33}, {3, 50},
                                                             {6, 100}, {60, 1000}};
    for (const auto& [rate, ms] : rates)
        EXPECT_EQ(AniRateToMs(rate), ms) << rate;
    const std::pair<std::uint32_t, std::uint32_t> delays[] = {
        {0, 1}, {8, 1}, {16, 1}, {17, 1}, {25, 2}, {50, 3}, {100, 6}, {1000, 60}};
    for (const auto& [ms, rate] : delays)
        EXPECT_EQ(MsToAniRate(ms), rate) << ms;
}

TEST(XcursorAni, TheSizeWithMostFramesLeadsAndTheOthersFollowItsClock) {
    XcursorContents x;
    x.Images = {frame(32, 50, 0xFF000001), frame(32, 100, 0xFF000002),
                frame(32, 16, 0xFF000003), frame(24, 120, 0xFF0000A1),
                frame(24, 60, 0xFF0000A2), frame(300, 10, 0xFFFFFFFF)};
    x.Comments = {{2, "MIT"}, {3, "Spinner"}, {1, "Someone"}};
    AniFromXcursorNotes notes;
    const AniContents ani = AniFromXcursor(x, notes);
    EXPECT_EQ(notes.TooLarge, 1);
    EXPECT_TRUE(notes.LicenceLost);
    EXPECT_EQ(notes.ChangedDelays, std::vector<std::uint32_t>{16});
    EXPECT_EQ(ani.Info.Title, "Spinner");
    EXPECT_EQ(ani.Info.Author, "Someone");
    ASSERT_EQ(ani.Frames.size(), 3u);
    ASSERT_EQ(ani.Info.Steps.size(), 3u);
    const std::uint32_t rates[] = {3, 6, 1};
    // At 0 and 50 ms the 24-pixel size shows its first frame (120 ms long),
    // at 150 ms its second.
    const std::uint32_t small[] = {0xFF0000A1, 0xFF0000A1, 0xFF0000A2};
    for (std::size_t k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(ani.Info.Steps[k].Frame, k);
        EXPECT_EQ(ani.Info.Steps[k].Rate, rates[k]);
        ASSERT_EQ(ani.Frames[k].Icon.Images.size(), 2u);
        EXPECT_EQ(ani.Frames[k].Icon.Images[0].Width, 24);
        EXPECT_EQ(ani.Frames[k].Icon.Images[0].Pixels.front(), small[k]);
        EXPECT_EQ(ani.Frames[k].Icon.Images[1].Pixels.front(), 0xFF000001 + k);
    }

    // And back: one frame per step at each size, the steps' delays.
    const std::vector<std::uint8_t> bytes = EncodeAniFile(ani, TransparencySettings());
    int inverted = 0;
    const XcursorContents back = XcursorFromAni(
        DecodeAniFile(bytes.data(), bytes.size(), "x.ani", TransparencySettings()),
        TransparencySettings(), inverted);
    ASSERT_EQ(back.Images.size(), 6u);
    const std::uint32_t delays[] = {50, 100, 17};
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(back.Images[k].NominalSize, 24u);
        EXPECT_EQ(back.Images[3 + k].NominalSize, 32u);
        EXPECT_EQ(back.Images[3 + k].DelayMs, delays[k]);
        EXPECT_EQ(back.Images[3 + k].Pixels.front(), 0xFF000001 + k);
    }
    ASSERT_EQ(back.Comments.size(), 2u);
    EXPECT_EQ(back.Comments[0].Text, "Spinner");
    EXPECT_EQ(back.Comments[1].Text, "Someone");
}

TEST(XcursorAni, AStepSequencePlaysAsItsFramesInOrder) {
    AniContents ani;
    for (std::uint32_t c : {0xFF0000FFu, 0xFF00FF00u}) {
        AniFrame f;
        f.Icon.FileType = IconFile::TypeCursor;
        IconRaster r;
        r.Width = r.Height = 16;
        r.HotSpotX = 3;
        r.Pixels.assign(256, c);
        f.Icon.Images.push_back(r);
        ani.Frames.push_back(f);
    }
    ani.Info.Steps = {{1, 6}, {0, 0}, {1, 12}};
    int inverted = 0;
    const XcursorContents x = XcursorFromAni(ani, TransparencySettings(), inverted);
    ASSERT_EQ(x.Images.size(), 3u);
    const std::uint32_t colours[] = {0xFF00FF00, 0xFF0000FF, 0xFF00FF00};
    const std::uint32_t delays[] = {100, 17, 200};
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(x.Images[k].Pixels.front(), colours[k]);
        EXPECT_EQ(x.Images[k].DelayMs, delays[k]);
        EXPECT_EQ(x.Images[k].HotSpotX, 3);
    }
}

namespace {

IconRaster square(int Side, ColourFormat Format, std::uint32_t Colour, int Hot) {
    IconRaster r;
    r.Width = r.Height = Side;
    r.Format = Format;
    r.HotSpotX = r.HotSpotY = std::uint8_t(Hot);
    r.Pixels.assign(std::size_t(Side * Side), Colour);
    return r;
}

} // namespace

TEST(XcursorAni, FramesGiveOneImagePerSizeAndAShortFrameIsScaled) {
    AniContents ani;
    // A cursor file holding 32 pixels twice (16 colours, then true colour)
    // and 16 pixels; a second frame drawn at 32 pixels only.
    AniFrame a;
    a.Icon.FileType = IconFile::TypeCursor;
    a.Icon.Images = {square(32, 4, 0xFF0000FF, 8), square(16, 32, 0xFF00FF00, 4),
                     square(32, 32, 0xFFFF0000, 8)};
    AniFrame b;
    b.Icon.FileType = IconFile::TypeCursor;
    b.Icon.Images = {square(32, 32, 0xFF123456, 9)};
    ani.Frames = {a, b};
    ani.Info.Steps = {{0, 6}, {1, 3}};
    int inverted = 0;
    const XcursorContents x = XcursorFromAni(ani, TransparencySettings(), inverted);
    // Two sizes of two frames each, not a 32-pixel size of four frames.
    ASSERT_EQ(x.Images.size(), 4u);
    struct Want {
        std::uint32_t Nominal;
        int Side, Hot;
        std::uint32_t Colour, Delay;
    };
    const Want want[] = {{16, 16, 4, 0xFF00FF00, 100},
                         {16, 16, 4, 0xFF123456, 50},
                         {32, 32, 8, 0xFFFF0000, 100},
                         {32, 32, 9, 0xFF123456, 50}};
    for (std::size_t k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(x.Images[k].NominalSize, want[k].Nominal);
        EXPECT_EQ(x.Images[k].Width, want[k].Side);
        EXPECT_EQ(x.Images[k].HotSpotX, want[k].Hot);
        EXPECT_EQ(x.Images[k].Pixels[std::size_t(want[k].Side + 1)], want[k].Colour);
        EXPECT_EQ(x.Images[k].DelayMs, want[k].Delay);
    }
}

TEST(XcursorAni, MorePixelsThanAnAnimatedCursorHoldsAreRefusedBeforeTheyAreMade) {
    // One 256-pixel frame shown by 5,000 steps: 1.3 billion pixels as X
    // cursor frames.
    AniContents ani;
    AniFrame f;
    f.Icon.FileType = IconFile::TypeCursor;
    f.Icon.Images = {square(256, 32, 0xFF000000, 0)};
    ani.Frames = {f};
    ani.Info.Steps.assign(5000, AniStep{0, 1});
    const std::vector<std::uint8_t> file = EncodeAniFile(ani, TransparencySettings());
    try {
        DecodeAnyCursor(file.data(), file.size(), "big.ani", TransparencySettings());
        ADD_FAILURE() << "read";
    } catch (const IconCodecError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("big.ani: ", 0), 0u) << e.what();
    }

    // 5,000 frames of one size are more than an animated cursor holds.
    XcursorContents x;
    x.Images.assign(5000, frame(1, 10, 0xFF000000, 0));
    AniFromXcursorNotes notes;
    EXPECT_THROW(AniFromXcursor(x, notes), IconCodecError);
}

TEST(XcursorAni, ChangedDelaysAreNamedWithWhatTheyBecome) {
    EXPECT_EQ(ChangedDelaysText({16}),
              "the delay of 16 ms becomes 17 ms (an animated cursor counts in 1/60 s)");
    EXPECT_EQ(ChangedDelaysText({25, 40}),
              "the delays of 25 ms, 40 ms become 33 ms, 33 ms (an animated cursor counts in "
              "1/60 s)");
}

// What libXcursor reports for every file of the installed themes (our own
// reading where the library is missing) is what comes back from an animated
// cursor: the sizes in the same order (an animated cursor keeps pixel sizes,
// not nominal ones), each with its frames, hot spots and the delays jiffies
// can hold, pixels within one unit of premultiplied colour.
TEST(XcursorAni, InstalledThemesSurviveAnAnimatedCursorAndBack) {
    int files = 0;
    const LibXcursor& lib = LibXcursor::instance();
    const ScratchFolder scratch;
    for (const char* theme : {"Adwaita", "whiteglass", "redglass", "handhelds"}) {
        const std::string dir = std::string("/usr/share/icons/") + theme + "/cursors";
        DIR* d = opendir(dir.c_str());
        if (!d) continue;
        while (const dirent* e = readdir(d)) {
            const std::string path = dir + "/" + e->d_name;
            struct stat st;
            if (e->d_name[0] == '.' || lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
                continue;
            SCOPED_TRACE(path);
            const std::vector<std::uint8_t> bytes = readAll(path);
            const XcursorContents ours = DecodeXcursorFile(bytes.data(), bytes.size(), path);
            std::vector<XcursorImage> was = ours.Images;
            if (lib.loaded()) {
                const std::vector<LibXcursorImage> theirs = lib.loadAll(path);
                ASSERT_EQ(theirs.size(), was.size());
                for (std::size_t k = 0; k < was.size(); ++k) {
                    const LibXcursorImage& t = theirs[k];
                    XcursorImage& w = was[k];
                    w = {t.NominalSize, int(t.Width), int(t.Height), int(t.HotSpotX),
                         int(t.HotSpotY), t.DelayMs, {}};
                    for (std::uint32_t p : t.Argb)
                        w.Pixels.push_back(straightFromArgb(p));
                }
            }
            AniFromXcursorNotes notes;
            const std::vector<std::uint8_t> ani = EncodeAniFromXcursor(ours, notes);
            int inverted = 0;
            const XcursorContents back = XcursorFromAni(
                DecodeAniFile(ani.data(), ani.size(), path, TransparencySettings()),
                TransparencySettings(), inverted);
            // libXcursor reads the X cursor made from the animated cursor as
            // we wrote it.
            if (lib.loaded()) {
                const std::vector<std::uint8_t> x = EncodeXcursorFile(back);
                const std::string written = scratch.path() + "/again";
                std::ofstream(written, std::ios::binary)
                    .write(reinterpret_cast<const char*>(x.data()), std::streamsize(x.size()));
                const std::vector<LibXcursorImage> read = lib.loadAll(written);
                ASSERT_EQ(read.size(), back.Images.size());
                for (std::size_t k = 0; k < read.size(); ++k) {
                    const XcursorImage& b = back.Images[k];
                    ASSERT_TRUE(read[k].NominalSize == b.NominalSize &&
                                read[k].Width == std::uint32_t(b.Width) &&
                                read[k].HotSpotX == std::uint32_t(b.HotSpotX) &&
                                read[k].HotSpotY == std::uint32_t(b.HotSpotY) &&
                                read[k].DelayMs == b.DelayMs)
                        << "image " << k;
                    for (std::size_t p = 0; p < b.Pixels.size(); ++p)
                        ASSERT_EQ(read[k].Argb[p], premultipliedArgb(b.Pixels[p])) << k;
                }
            }
            const std::vector<std::uint32_t> sizes = NominalSizes(was);
            const std::vector<std::uint32_t> backSizes = NominalSizes(back.Images);
            ASSERT_EQ(sizes.size(), backSizes.size());
            ++files;
            for (std::size_t s = 0; s < sizes.size(); ++s) {
                const auto from = FramesOfSize(was, sizes[s]);
                const auto is = FramesOfSize(back.Images, backSizes[s]);
                ASSERT_EQ(from.size(), is.size()) << "size " << sizes[s];
                for (std::size_t k = 0; k < from.size(); ++k) {
                    SCOPED_TRACE("size " + std::to_string(sizes[s]) + ", frame " +
                                 std::to_string(k));
                    ASSERT_EQ(is[k]->Width, from[k]->Width);
                    ASSERT_EQ(is[k]->Height, from[k]->Height);
                    EXPECT_EQ(is[k]->HotSpotX, from[k]->HotSpotX);
                    EXPECT_EQ(is[k]->HotSpotY, from[k]->HotSpotY);
                    if (from.size() > 1) {
                        EXPECT_EQ(is[k]->DelayMs, AniRateToMs(MsToAniRate(from[k]->DelayMs)));
                    }
                    int worst = 0;
                    for (std::size_t p = 0; p < from[k]->Pixels.size(); ++p) {
                        const std::uint32_t a = premultipliedArgb(from[k]->Pixels[p]);
                        const std::uint32_t b = premultipliedArgb(is[k]->Pixels[p]);
                        for (int c = 0; c < 32; c += 8)
                            worst = std::max(worst, std::abs(int((a >> c) & 0xFF) -
                                                             int((b >> c) & 0xFF)));
                    }
                    EXPECT_LE(worst, 1);
                }
            }
            if (HasFatalFailure()) break;
        }
        closedir(d);
    }
    if (files == 0) GTEST_SKIP() << "no cursor theme is installed";
}
