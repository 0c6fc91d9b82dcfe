// libXcursor, the desktop's own reader, as the witness: it reads what Brisel
// writes as Brisel meant it, and Brisel reads the themes Debian ships (read
// where they are installed) as libXcursor does.

#include "LibXcursor.h"

#include "document/file/XcursorPixel.h"
#include "document/file/XcursorReader.h"
#include "document/file/XcursorWriter.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <fstream>
#include <iterator>
#include <sys/stat.h>

namespace {

std::vector<std::uint8_t> readAll(const std::string& Path) {
    std::ifstream in(Path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string writeTemp(const std::vector<std::uint8_t>& Bytes) {
    static const std::string dir = [] {
        char name[] = "/tmp/brisel-xcursor-XXXXXX";
        return std::string(mkdtemp(name));
    }();
    static int n = 0;
    const std::string path = dir + "/cursor" + std::to_string(n++);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(Bytes.data()), std::streamsize(Bytes.size()));
    return path;
}

// Brisel's reading of a file equals libXcursor's, image by image, pixels as
// the premultiplied words the library hands out.
void expectSameAsLibrary(const std::vector<XcursorImage>& Ours,
                         const std::vector<LibXcursorImage>& Theirs) {
    ASSERT_EQ(Ours.size(), Theirs.size());
    for (std::size_t i = 0; i < Ours.size(); ++i) {
        SCOPED_TRACE(i);
        const XcursorImage& o = Ours[i];
        const LibXcursorImage& t = Theirs[i];
        EXPECT_EQ(o.NominalSize, t.NominalSize);
        EXPECT_EQ(std::uint32_t(o.Width), t.Width);
        EXPECT_EQ(std::uint32_t(o.Height), t.Height);
        EXPECT_EQ(std::uint32_t(o.HotSpotX), t.HotSpotX);
        EXPECT_EQ(std::uint32_t(o.HotSpotY), t.HotSpotY);
        EXPECT_EQ(o.DelayMs, t.DelayMs);
        ASSERT_EQ(o.Pixels.size(), t.Argb.size());
        for (std::size_t p = 0; p < o.Pixels.size(); ++p)
            ASSERT_EQ(premultipliedArgb(o.Pixels[p]), t.Argb[p]) << "pixel " << p;
    }
}

XcursorImage sample(std::uint32_t Nominal, int W, int H, int Hx, int Hy, std::uint32_t Delay) {
    XcursorImage i{Nominal, W, H, Hx, Hy, Delay, {}};
    for (int p = 0; p < W * H; ++p) {
        const std::uint32_t a = std::uint32_t(p * 37 + int(Nominal)) & 0xFF;
        i.Pixels.push_back(a == 0 ? 0 : a << 24 | std::uint32_t(p * 2654435761u) >> 8);
    }
    return i;
}

class LibXcursorTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!LibXcursor::instance().loaded()) GTEST_SKIP() << "libXcursor.so.1 is not installed";
    }
    const LibXcursor& lib() { return LibXcursor::instance(); }
};

std::vector<std::string> cursorFiles(const std::string& Dir) {
    std::vector<std::string> files;
    if (DIR* d = opendir(Dir.c_str())) {
        while (const dirent* e = readdir(d)) {
            const std::string path = Dir + "/" + e->d_name;
            struct stat st;
            if (e->d_name[0] != '.' && lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode))
                files.push_back(path);
        }
        closedir(d);
    }
    return files;
}

} // namespace

TEST_F(LibXcursorTest, ReadsWhatWeWriteImageForImage) {
    XcursorContents c;
    c.Images = {sample(24, 24, 24, 3, 4, 0),   sample(32, 40, 30, 39, 29, 50),
                sample(32, 31, 33, 0, 32, 120), sample(48, 48, 48, 20, 10, 16),
                sample(96, 100, 90, 50, 45, 0)};
    c.Comments = {{1, "copyright"}, {2, "licence"}};
    const std::string path = writeTemp(EncodeXcursorFile(c));
    expectSameAsLibrary(c.Images, lib().loadAll(path));
    // libXcursor picks the nominal size nearest the request, the smaller on
    // a tie, with all its frames.
    struct Pick {
        int Request;
        std::uint32_t Nominal;
        std::size_t Frames;
    };
    const Pick picks[] = {{1, 24, 1},  {24, 24, 1},  {28, 24, 1}, {29, 32, 2}, {40, 32, 2},
                          {41, 48, 1}, {72, 48, 1},  {73, 96, 1}, {500, 96, 1}};
    for (const Pick& p : picks) {
        SCOPED_TRACE(p.Request);
        const std::vector<LibXcursorImage> frames = lib().load(path, p.Request);
        ASSERT_EQ(frames.size(), p.Frames);
        for (const LibXcursorImage& f : frames)
            EXPECT_EQ(f.NominalSize, p.Nominal);
    }
}

TEST_F(LibXcursorTest, InstalledThemesReadAsLibXcursorReadsThemAndSurviveRewriting) {
    int files = 0;
    for (const char* theme : {"Adwaita", "whiteglass", "redglass", "handhelds", "DMZ-White"}) {
        for (const std::string& path :
             cursorFiles(std::string("/usr/share/icons/") + theme + "/cursors")) {
            SCOPED_TRACE(path);
            ++files;
            const std::vector<std::uint8_t> bytes = readAll(path);
            const XcursorContents ours = DecodeXcursorFile(bytes.data(), bytes.size(), path);
            expectSameAsLibrary(ours.Images, lib().loadAll(path));
            // Written again (the table sorted by size) and read by the library,
            // every image is what it was.
            std::vector<XcursorImage> sorted = ours.Images;
            std::stable_sort(sorted.begin(), sorted.end(),
                             [](const XcursorImage& A, const XcursorImage& B) {
                                 return A.NominalSize < B.NominalSize;
                             });
            expectSameAsLibrary(sorted, lib().loadAll(writeTemp(EncodeXcursorFile(ours))));
            if (HasFatalFailure()) return;
        }
    }
    if (files == 0) GTEST_SKIP() << "no cursor theme is installed";
}
