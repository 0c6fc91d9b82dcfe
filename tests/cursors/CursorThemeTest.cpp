// Cursor themes written, read back, made from a Windows scheme's
// install.inf, and resolved by libXcursor itself name by name and size by
// size.

#include "LibXcursor.h"

#include "cursortheme/CursorThemeExport.h"
#include "cursortheme/CursorThemeImport.h"
#include "cursortheme/InstallInf.h"
#include "cursortheme/ThemeFiles.h"
#include "document/file/CursorSizes.h"
#include "document/file/XcursorPixel.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <dlfcn.h>
#include <map>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A 32-pixel cursor of its own colour per role, pixel art with a hot spot
// of its own; Busy animated in three frames.
XcursorContents roleCursor(int Index, int Frames = 1) {
    XcursorContents c;
    for (int f = 0; f < Frames; ++f) {
        XcursorImage i{32, 32, 32, Index % 32, (Index * 7) % 32, std::uint32_t(40 + 10 * f), {}};
        for (int p = 0; p < 32 * 32; ++p)
            i.Pixels.push_back((p + f) % 5 == 0
                                   ? 0u
                                   : 0xFF000000u | std::uint32_t(Index * 0x0F0B07 + f * 0x20));
        c.Images.push_back(i);
    }
    c.Comments.push_back({2, "role " + std::to_string(Index)});
    return c;
}

CursorThemePlan fullScheme(std::vector<std::uint32_t> Sizes = {}) {
    CursorThemePlan plan;
    plan.Name = "Test Scheme";
    plan.Comment = "made by the tests\nover two lines";
    plan.Inherits = "Adwaita";
    plan.Sizes = std::move(Sizes);
    int index = 0;
    for (const CursorRole* r : SchemeCursorRoles()) {
        ++index;
        plan.Cursors.push_back({r, roleCursor(index, r->Registry == "Wait" ? 3 : 1)});
    }
    return plan;
}

class TempFolder {
public:
    TempFolder() {
        char name[] = "/tmp/brisel-theme-XXXXXX";
        m_path = mkdtemp(name);
    }
    ~TempFolder() { ThemeFiles::removeTree(m_path); }
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

// What the file holds: the reader's straight colours are not always the
// writer's, where shrinking made edges partly transparent.
std::vector<std::uint32_t> premultiplied(const XcursorImage& I) {
    std::vector<std::uint32_t> out;
    for (std::uint32_t c : I.Pixels)
        out.push_back(premultipliedArgb(c));
    return out;
}

std::string linkTarget(const std::string& Path) {
    char buffer[4096];
    const ssize_t n = readlink(Path.c_str(), buffer, sizeof buffer);
    return n < 0 ? std::string() : std::string(buffer, std::size_t(n));
}

} // namespace

TEST(CursorTheme, LayoutHasOneFilePerRoleAndLinksForEveryOtherName) {
    CursorThemePlan plan;
    plan.Name = "Small";
    plan.Cursors.push_back({FindCursorRole("default"), roleCursor(1)});
    plan.Cursors.push_back({FindCursorRole("nwse-resize"), roleCursor(2)});
    plan.Cursors.push_back({FindCursorRole("hand2"), roleCursor(3)});
    const CursorThemeLayout layout = LayOutCursorTheme(plan);
    EXPECT_EQ(layout.IndexTheme, "[Icon Theme]\nName=Small\n");
    ASSERT_EQ(layout.Files.size(), 3u);
    EXPECT_EQ(layout.Files[0].Name, "default");
    EXPECT_EQ(layout.Files[1].Name, "nwse-resize");
    EXPECT_EQ(layout.Files[2].Name, "pointer");
    std::map<std::string, std::string> links;
    for (const auto& l : layout.Links)
        links[l.Name] = l.Target;
    const std::map<std::string, std::string> expected{
        {"left_ptr", "default"},          {"bd_double_arrow", "nwse-resize"},
        {"size_fdiag", "nwse-resize"},    {"nw-resize", "nwse-resize"},
        {"se-resize", "nwse-resize"},     {"hand1", "pointer"},
        {"grabbing", "pointer"},          {"context-menu", "default"},
        {"copy", "default"},              {"pin", "default"},
        {"alias", "pointer"},
    };
    for (const auto& [name, target] : expected)
        EXPECT_EQ(links[name], target) << name;
    EXPECT_EQ(links.count("text"), 0u);
    EXPECT_EQ(links.count("fd_double_arrow"), 0u);
    // Roles with nothing to stand in: text, wait, the other diagonal ...
    std::vector<std::string> missing;
    for (const CursorRole* r : layout.Missing)
        missing.push_back(r->mainName());
    for (const char* n : {"text", "wait", "nesw-resize", "vertical-text", "all-scroll"})
        EXPECT_NE(std::find(missing.begin(), missing.end(), n), missing.end()) << n;
}

TEST(CursorTheme, PlansThatCannotBeWrittenAreRefused) {
    const struct {
        const char* Name;
        void (*Spoil)(CursorThemePlan&);
    } cases[] = {
        {"no name", [](CursorThemePlan& P) { P.Name.clear(); }},
        {"a name with a slash", [](CursorThemePlan& P) { P.Name = "a/b"; }},
        {"dot dot", [](CursorThemePlan& P) { P.Name = ".."; }},
        {"no cursors", [](CursorThemePlan& P) { P.Cursors.clear(); }},
        {"a role twice", [](CursorThemePlan& P) { P.Cursors.push_back(P.Cursors.front()); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        CursorThemePlan plan = fullScheme({24});
        c.Spoil(plan);
        EXPECT_THROW(LayOutCursorTheme(plan), std::invalid_argument);
    }
}

TEST(CursorTheme, WrittenThemeReadsBackRoleForRole) {
    TempFolder dir;
    const CursorThemePlan plan = fullScheme({24, 48});
    WriteCursorTheme(dir.path(), plan.Name, LayOutCursorTheme(plan));
    const std::string cursors = dir.path() + "/Test Scheme/cursors";
    EXPECT_EQ(linkTarget(cursors + "/left_ptr"), "default");
    EXPECT_EQ(linkTarget(cursors + "/size_bdiag"), "nesw-resize");
    EXPECT_EQ(linkTarget(cursors + "/default"), "");

    const ImportedTheme back = ReadCursorTheme(dir.path() + "/Test Scheme");
    EXPECT_EQ(back.Name, "Test Scheme");
    EXPECT_EQ(back.Comment, "made by the tests over two lines");
    EXPECT_EQ(back.Inherits, "Adwaita");
    EXPECT_TRUE(back.Unreadable.empty());
    // The scheme's roles, each once: the roles linked to them are not
    // listed again.
    ASSERT_EQ(back.Roles.size(), plan.Cursors.size());
    for (std::size_t i = 0; i < plan.Cursors.size(); ++i) {
        SCOPED_TRACE(plan.Cursors[i].Role->Title);
        EXPECT_EQ(back.Roles[i].Role, plan.Cursors[i].Role);
        const std::vector<XcursorImage> want =
            MakeCursorSizes(plan.Cursors[i].Cursor.Images, {24, 48});
        ASSERT_EQ(back.Roles[i].Cursor.Images.size(), want.size());
        for (std::size_t k = 0; k < want.size(); ++k) {
            EXPECT_EQ(premultiplied(back.Roles[i].Cursor.Images[k]), premultiplied(want[k]));
            EXPECT_EQ(back.Roles[i].Cursor.Images[k].HotSpotX, want[k].HotSpotX);
            EXPECT_EQ(back.Roles[i].Cursor.Images[k].DelayMs, want[k].DelayMs);
        }
        EXPECT_EQ(back.Roles[i].Cursor.Comments.size(), 1u);
    }
    // Given the cursors folder itself, the same roles.
    EXPECT_EQ(ReadCursorTheme(cursors).Roles.size(), plan.Cursors.size());
}

TEST(CursorTheme, RewritingReplacesTheOldThemeAndAFailureKeepsIt) {
    TempFolder dir;
    CursorThemePlan plan = fullScheme({24});
    WriteCursorTheme(dir.path(), plan.Name, LayOutCursorTheme(plan));
    // Fewer roles: the old files must not linger.
    plan.Cursors.resize(1);
    WriteCursorTheme(dir.path(), plan.Name, LayOutCursorTheme(plan));
    const std::string cursors = dir.path() + "/Test Scheme/cursors";
    EXPECT_TRUE(ThemeFiles::exists(cursors + "/default"));
    EXPECT_FALSE(ThemeFiles::exists(cursors + "/text"));
    EXPECT_EQ(ThemeFiles::list(dir.path()), std::vector<std::string>{"Test Scheme"});

    // A theme that cannot be put in place (a file has the name) leaves that
    // file and no half-made folder.
    ThemeFiles::write(dir.path() + "/Blocked", {'x'});
    plan.Name = "Blocked";
    EXPECT_THROW(WriteCursorTheme(dir.path(), plan.Name, LayOutCursorTheme(plan)),
                 ThemeFileError);
    EXPECT_EQ(ThemeFiles::read(dir.path() + "/Blocked"), std::vector<std::uint8_t>{'x'});
    EXPECT_EQ(ThemeFiles::list(dir.path()), (std::vector<std::string>{"Blocked", "Test Scheme"}));
}

TEST(InstallInf, SchemesGiveTheirFilesInSlotOrder) {
    const std::string schemeInf =
        "[Version]\r\nsignature=\"$CHICAGO$\"\r\n\r\n[Scheme.Reg]\r\n"
        "HKCU,\"Control Panel\\Cursors\\Schemes\",\"%SCHEME_NAME%\",,\"%10%\\%CUR_DIR%\\%pointer%,"
        "%10%\\%CUR_DIR%\\%help%,%10%\\%CUR_DIR%\\%work%,,%10%\\%CUR_DIR%\\Cross.CUR\"\r\n"
        "\r\n[Strings]\r\nCUR_DIR = \"Cursors\\Neon\"\r\nSCHEME_NAME = \"Neon, bright\"\r\n"
        "Pointer = \"Normal.ani\" ; the arrow\r\nhelp=help.cur\r\nWORK = \"work.ani\"\r\n";
    const std::string registryInf =
        "[Wreg]\nHKCU,\"Control Panel\\Cursors\",Hand,0x00020000,\"%10%\\%CUR_DIR%\\link.cur\"\n"
        "HKCU,\"Control Panel\\Cursors\",Arrow,0x00020000,\"%10%\\%CUR_DIR%\\%arrow%\"\n"
        "HKCU,\"Control Panel\\Cursors\",Unknown,0x00020000,\"x.cur\"\n"
        "[Strings]\narrow=\"a.cur\"\n";
    std::string utf16 = "\xFF\xFE";
    for (char c : schemeInf) {
        utf16 += c;
        utf16 += '\0';
    }
    const struct {
        const char* Name;
        std::string Text;
        std::string Scheme;
        std::vector<std::pair<std::string, std::string>> Slots; // registry name, file
    } cases[] = {
        {"scheme list", schemeInf, "Neon, bright",
         {{"Arrow", "Normal.ani"}, {"Help", "help.cur"}, {"AppStarting", "work.ani"},
          {"Crosshair", "Cross.CUR"}}},
        {"UTF-16", utf16, "Neon, bright",
         {{"Arrow", "Normal.ani"}, {"Help", "help.cur"}, {"AppStarting", "work.ani"},
          {"Crosshair", "Cross.CUR"}}},
        {"registry values", registryInf, "", {{"Arrow", "a.cur"}, {"Hand", "link.cur"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const InstallInfScheme s = ParseInstallInf(c.Text);
        EXPECT_EQ(s.Name, c.Scheme);
        ASSERT_EQ(s.Slots.size(), c.Slots.size());
        for (std::size_t i = 0; i < s.Slots.size(); ++i) {
            EXPECT_EQ(s.Slots[i].Role->Registry, c.Slots[i].first);
            EXPECT_EQ(s.Slots[i].File, c.Slots[i].second);
        }
    }
    EXPECT_THROW(ParseInstallInf("[Version]\nsignature=x\n"), std::runtime_error);
}

// libXcursor caches its search path on first use, so each theme is looked
// up from a child process with XCURSOR_PATH set to the export folder alone.
// The theme at the default sizes, where most requests fall between two, and
// at every size asked for.
class LibXcursorTheme : public ::testing::TestWithParam<std::vector<std::uint32_t>> {};

INSTANTIATE_TEST_SUITE_P(CursorTheme, LibXcursorTheme,
                         ::testing::Values(std::vector<std::uint32_t>{},
                                           std::vector<std::uint32_t>{16, 24, 28, 32, 36, 48,
                                                                      60, 64, 96, 128}));

TEST_P(LibXcursorTheme, ResolvesEveryNameAtEverySize) {
    void* lib = dlopen("libXcursor.so.1", RTLD_NOW | RTLD_LOCAL);
    if (!lib) GTEST_SKIP() << "libXcursor.so.1 is not installed";
    TempFolder dir;
    const CursorThemePlan plan = fullScheme(GetParam());
    const std::vector<std::uint32_t> themeSizes =
        plan.Sizes.empty() ? DefaultCursorSizes() : plan.Sizes;
    WriteCursorTheme(dir.path(), plan.Name, LayOutCursorTheme(plan));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        setenv("XCURSOR_PATH", dir.path().c_str(), 1);
        int failures = 0;
        const auto fail = [&](const std::string& What) {
            std::fprintf(stderr, "%s\n", What.c_str());
            ++failures;
        };
        std::vector<const CursorRole*> given;
        for (const ThemeRoleCursor& c : plan.Cursors)
            given.push_back(c.Role);
        const int requests[] = {16, 24, 28, 32, 36, 48, 60, 64, 96, 128};
        // libXcursor's own rule: the nearest nominal size, the smaller on a tie.
        const auto picked = [&](int Request) -> std::uint32_t {
            std::uint32_t best = 0;
            for (std::uint32_t s : themeSizes)
                if (best == 0 || std::abs(int(s) - Request) < std::abs(int(best) - Request))
                    best = s;
            return best;
        };
        for (const CursorRole& role : CursorRoles()) {
            const CursorRole* serving = ServingRole(role, given);
            const XcursorContents* cursor = nullptr;
            for (const ThemeRoleCursor& c : plan.Cursors)
                if (c.Role == serving) cursor = &c.Cursor;
            for (const CursorRoleName& n : role.Names) {
                bool asked = false;
                for (const std::string& s : n.Sources)
                    asked = asked || s == "css" || s == "x11";
                if (!asked) continue;
                for (int request : requests) {
                    const std::string what = n.Name + " at " + std::to_string(request) + ": ";
                    const std::vector<LibXcursorImage> got =
                        LibXcursor::instance().loadFromTheme(n.Name, plan.Name, request);
                    const std::vector<XcursorImage> want =
                        MakeCursorSizes(cursor->Images, {picked(request)});
                    if (got.size() != want.size()) {
                        fail(what + std::to_string(got.size()) + " frames, not " +
                             std::to_string(want.size()));
                        continue;
                    }
                    for (std::size_t k = 0; k < got.size(); ++k) {
                        const XcursorImage& w = want[k];
                        bool pixels = got[k].Argb.size() == w.Pixels.size();
                        for (std::size_t p = 0; pixels && p < w.Pixels.size(); ++p)
                            pixels = got[k].Argb[p] == premultipliedArgb(w.Pixels[p]);
                        if (got[k].NominalSize != w.NominalSize ||
                            got[k].HotSpotX != std::uint32_t(w.HotSpotX) ||
                            got[k].HotSpotY != std::uint32_t(w.HotSpotY) ||
                            got[k].DelayMs != w.DelayMs || !pixels)
                            fail(what + "frame " + std::to_string(k) + " differs");
                    }
                }
            }
        }
        _exit(failures == 0 ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "libXcursor resolved names otherwise (see the lines above)";
}
