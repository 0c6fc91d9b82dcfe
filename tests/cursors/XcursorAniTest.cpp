// Between animated cursors and X cursors: delays by rounding, one timeline
// and several, and the installed themes through an animated cursor and back.

#include "document/file/AniReader.h"
#include "document/file/AniWriter.h"
#include "document/file/IconCodecError.h"
#include "document/file/XcursorAni.h"
#include "document/file/XcursorPixel.h"
#include "document/file/XcursorReader.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <fstream>
#include <iterator>
#include <sys/stat.h>

namespace {

XcursorImage frame(std::uint32_t Size, std::uint32_t Delay, std::uint32_t Colour, int Hot = 1) {
    XcursorImage i{Size, int(Size), int(Size), Hot, Hot, Delay, {}};
    i.Pixels.assign(std::size_t(Size * Size), Colour);
    return i;
}

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

TEST(XcursorAni, InstalledThemesSurviveAnAnimatedCursorAndBack) {
    int files = 0;
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
            const XcursorContents x = DecodeXcursorFile(bytes.data(), bytes.size(), path);
            AniFromXcursorNotes notes;
            const std::vector<std::uint8_t> ani =
                EncodeAniFile(AniFromXcursor(x, notes), TransparencySettings());
            int inverted = 0;
            const XcursorContents back = XcursorFromAni(
                DecodeAniFile(ani.data(), ani.size(), path, TransparencySettings()),
                TransparencySettings(), inverted);
            // Sizes in the same order (an animated cursor keeps pixel sizes,
            // not nominal ones), each with its frames.
            const std::vector<std::uint32_t> sizes = NominalSizes(x.Images);
            const std::vector<std::uint32_t> backSizes = NominalSizes(back.Images);
            ASSERT_EQ(sizes.size(), backSizes.size());
            ++files;
            for (std::size_t s = 0; s < sizes.size(); ++s) {
                const auto was = FramesOfSize(x.Images, sizes[s]);
                const auto is = FramesOfSize(back.Images, backSizes[s]);
                ASSERT_EQ(was.size(), is.size()) << "size " << sizes[s];
                for (std::size_t k = 0; k < was.size(); ++k) {
                    EXPECT_EQ(is[k]->Width, was[k]->Width);
                    EXPECT_EQ(is[k]->HotSpotX, was[k]->HotSpotX);
                    EXPECT_EQ(is[k]->HotSpotY, was[k]->HotSpotY);
                    if (was.size() > 1) {
                        EXPECT_EQ(is[k]->DelayMs, AniRateToMs(MsToAniRate(was[k]->DelayMs)));
                    }
                    int worst = 0;
                    for (std::size_t p = 0; p < was[k]->Pixels.size(); ++p) {
                        const std::uint32_t a = premultipliedArgb(was[k]->Pixels[p]);
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
