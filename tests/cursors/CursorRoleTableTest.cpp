// The role table: well formed, complete for what desktops ask, and linking
// names the way Debian's Adwaita theme (read where it is installed) does.

#include "cursortheme/CursorRoleTable.h"
#include "cursortheme/ThemeFiles.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>

namespace {

bool hasSource(const CursorRoleName& N, const std::string& Source) {
    for (const std::string& s : N.Sources)
        if (s == Source) return true;
    return false;
}

// Whether one of the two roles stands in for the other, or both for a third.
const CursorRole* chainEnd(const CursorRole* R) {
    while (!R->Fallback.empty())
        R = FindCursorRole(R->Fallback);
    return R;
}

} // namespace

TEST(CursorRoleTable, MalformedTablesAreRefusedWithTheLine) {
    const struct {
        const char* Name;
        const char* Text;
        const char* Says;
    } cases[] = {
        {"a name before any role", "    default css\n", "line 1"},
        {"a role without its fields", "role Normal Select\n    default css\n", "line 1"},
        {"a name twice", "role A | - | -\n    a css\nrole B | - | A\n    a css\n", "line 4"},
        {"a role twice", "role A | - | -\n    a css\nrole A | - | -\n    b css\n", "line 3"},
        {"a role without names", "role A | - | -\nrole B | - | -\n    b css\n", "line 2"},
        {"a last role without names", "role A | - | -\n    a css\nrole B | - | -\n", "without"},
        {"a name without source", "role A | - | -\n    a\n", "line 2"},
        {"an unknown fallback", "role A | - | Nowhere\n    a css\n", "Nowhere"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        try {
            ParseCursorRoles(c.Text);
            ADD_FAILURE() << "accepted";
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(c.Says), std::string::npos) << e.what();
        }
    }
}

TEST(CursorRoleTable, HoldsTheSchemeInSlotOrderAndEveryNameDesktopsAskFor) {
    const std::vector<std::string> slots{
        "Arrow",  "Help",   "AppStarting", "Wait",     "Crosshair", "IBeam",
        "NWPen",  "No",     "SizeNS",      "SizeWE",   "SizeNWSE",  "SizeNESW",
        "SizeAll", "UpArrow", "Hand",      "Pin",      "Person"};
    const std::vector<const CursorRole*> scheme = SchemeCursorRoles();
    ASSERT_EQ(scheme.size(), slots.size());
    for (std::size_t i = 0; i < slots.size(); ++i)
        EXPECT_EQ(scheme[i]->Registry, slots[i]);
    EXPECT_EQ(scheme[0]->Title, "Normal Select");
    EXPECT_EQ(scheme[14]->Title, "Link Select");

    const char* css[] = {"default", "context-menu", "help", "pointer", "progress", "wait", "cell",
                         "crosshair", "text", "vertical-text", "alias", "copy", "move", "no-drop",
                         "not-allowed", "grab", "grabbing", "n-resize", "e-resize", "s-resize",
                         "w-resize", "ne-resize", "nw-resize", "se-resize", "sw-resize",
                         "ew-resize", "ns-resize", "nesw-resize", "nwse-resize", "col-resize",
                         "row-resize", "all-scroll", "zoom-in", "zoom-out"};
    const char* others[] = {"left_ptr", "xterm", "watch", "hand2", "question_arrow", "cross",
                            "fleur", "crossed_circle", "sb_v_double_arrow", "sb_h_double_arrow",
                            "bd_double_arrow", "fd_double_arrow", "left_ptr_watch", "hand",
                            "size_ver", "size_hor", "size_bdiag", "size_fdiag", "size_all",
                            "split_v", "split_h", "pointing_hand", "forbidden", "whats_this",
                            "openhand", "closedhand", "ibeam", "up_arrow", "pencil", "circle"};
    for (const char* n : css) {
        SCOPED_TRACE(n);
        const CursorRole* r = FindCursorRole(n);
        ASSERT_NE(r, nullptr);
        for (const CursorRoleName& name : r->Names)
            if (name.Name == n) {
                EXPECT_TRUE(hasSource(name, "css"));
            }
    }
    for (const char* n : others)
        EXPECT_NE(FindCursorRole(n), nullptr) << n;
    // Every role ends, through its fallbacks, at a role every scheme has.
    for (const CursorRole& r : CursorRoles())
        EXPECT_TRUE(chainEnd(&r)->inScheme() && chainEnd(&r)->Fallback.empty()) << r.Title;
    // The crossed diagonals.
    EXPECT_EQ(FindCursorRole("size_fdiag"), FindCursorRole("nwse-resize"));
    EXPECT_EQ(FindCursorRole("bd_double_arrow"), FindCursorRole("nwse-resize"));
    EXPECT_EQ(FindCursorRole("size_bdiag"), FindCursorRole("nesw-resize"));
    EXPECT_EQ(FindCursorRole("fd_double_arrow"), FindCursorRole("nesw-resize"));
}

TEST(CursorRoleTable, LinksNamesAsAdwaitaDoes) {
    const std::string dir = "/usr/share/icons/Adwaita/cursors";
    if (!ThemeFiles::isFolder(dir)) GTEST_SKIP() << "the Adwaita cursor theme is not installed";
    // Each name of the table Adwaita has, and the file it ends at there.
    std::map<std::string, std::string> fileOf;
    for (const CursorRole& r : CursorRoles())
        for (const CursorRoleName& n : r.Names) {
            const std::string real = ThemeFiles::resolved(dir + "/" + n.Name);
            if (!real.empty()) fileOf[n.Name] = real;
        }
    ASSERT_GT(fileOf.size(), 80u);
    // Names Adwaita gives one file stand for one role here, or for roles of
    // which one stands in for the other.
    for (const auto& [a, fileA] : fileOf)
        for (const auto& [b, fileB] : fileOf)
            if (a < b && fileA == fileB) {
                EXPECT_EQ(chainEnd(FindCursorRole(a)), chainEnd(FindCursorRole(b)))
                    << a << " and " << b << " are one cursor in Adwaita";
            }
    // Names of one role are one file in Adwaita, but for the few Adwaita
    // draws apart: the four-way move arrow beside its own all-scroll, the
    // plain circle, the plus beside cell, the link badge (and the hashes Qt
    // asks for it by) beside alias, the open hand beside hand1, and the
    // drag-move cursor beside grabbing.
    const std::set<std::string> drawnApart{"fleur",    "size_all", "circle",
                                           "plus",     "link",     "3085a0e285430894940527032f8b26df",
                                           "openhand", "dnd-move", "640fb0e74195791501fd1ed57b41487f"};
    for (const CursorRole& r : CursorRoles()) {
        std::set<std::string> files;
        for (const CursorRoleName& n : r.Names)
            if (fileOf.count(n.Name) && !drawnApart.count(n.Name)) files.insert(fileOf[n.Name]);
        EXPECT_LE(files.size(), 1u) << r.Title;
    }
}
