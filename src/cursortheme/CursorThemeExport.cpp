#include "cursortheme/CursorThemeExport.h"

#include "cursortheme/ThemeFiles.h"
#include "document/file/CursorSizes.h"
#include "document/file/XcursorWriter.h"

#include <algorithm>
#include <stdexcept>
#include <unistd.h>

namespace {

// index.theme is a desktop entry file: one line per key, so line breaks in
// the user's text would start keys of their own.
std::string oneLine(std::string Text) {
    std::replace(Text.begin(), Text.end(), '\n', ' ');
    std::replace(Text.begin(), Text.end(), '\r', ' ');
    return Text;
}

} // namespace

const CursorRole* ServingRole(const CursorRole& Role,
                              const std::vector<const CursorRole*>& Given) {
    const CursorRole* r = &Role;
    // The table's fallbacks lead back to the scheme's roles; the count stops
    // a cycle all the same.
    for (std::size_t steps = 0; r && steps <= CursorRoles().size(); ++steps) {
        if (std::find(Given.begin(), Given.end(), r) != Given.end()) return r;
        r = r->Fallback.empty() ? nullptr : FindCursorRole(r->Fallback);
    }
    return nullptr;
}

CursorThemeLayout LayOutCursorTheme(const CursorThemePlan& Plan) {
    if (Plan.Name.empty() || Plan.Name == "." || Plan.Name == ".." ||
        Plan.Name.find('/') != std::string::npos)
        throw std::invalid_argument("\"" + Plan.Name + "\" cannot be the name of a theme folder");
    if (Plan.Cursors.empty()) throw std::invalid_argument("a theme needs at least one cursor");
    std::vector<const CursorRole*> given;
    for (const ThemeRoleCursor& c : Plan.Cursors) {
        if (std::find(given.begin(), given.end(), c.Role) != given.end())
            throw std::invalid_argument(c.Role->Title + " is given twice");
        given.push_back(c.Role);
    }
    const std::vector<std::uint32_t>& sizes = Plan.Sizes.empty() ? DefaultCursorSizes() : Plan.Sizes;

    CursorThemeLayout layout;
    layout.IndexTheme = "[Icon Theme]\nName=" + oneLine(Plan.Name) + "\n";
    if (!Plan.Comment.empty()) layout.IndexTheme += "Comment=" + oneLine(Plan.Comment) + "\n";
    if (!Plan.Inherits.empty()) layout.IndexTheme += "Inherits=" + oneLine(Plan.Inherits) + "\n";
    for (const ThemeRoleCursor& c : Plan.Cursors) {
        XcursorContents sized;
        sized.Images = MakeCursorSizes(c.Cursor.Images, sizes);
        sized.Comments = c.Cursor.Comments;
        layout.Files.push_back({c.Role->mainName(), EncodeXcursorFile(sized)});
    }
    for (const CursorRole& role : CursorRoles()) {
        const CursorRole* serving = ServingRole(role, given);
        if (!serving) {
            layout.Missing.push_back(&role);
            continue;
        }
        for (const CursorRoleName& n : role.Names)
            if (n.Name != serving->mainName()) layout.Links.push_back({n.Name, serving->mainName()});
    }
    return layout;
}

void WriteCursorTheme(const std::string& Folder, const std::string& Name,
                      const CursorThemeLayout& Layout) {
    ThemeFiles::makeFolder(Folder);
    const std::string target = Folder + "/" + Name;
    const std::string partial = Folder + "/." + Name + ".partial-" + std::to_string(::getpid());
    ThemeFiles::removeTree(partial);
    try {
        ThemeFiles::makeFolder(partial);
        ThemeFiles::write(partial + "/index.theme",
                          std::vector<std::uint8_t>(Layout.IndexTheme.begin(),
                                                    Layout.IndexTheme.end()));
        const std::string cursors = partial + "/cursors";
        ThemeFiles::makeFolder(cursors);
        for (const CursorThemeLayout::File& f : Layout.Files)
            ThemeFiles::write(cursors + "/" + f.Name, f.Bytes);
        for (const CursorThemeLayout::Link& l : Layout.Links)
            ThemeFiles::link(l.Target, cursors + "/" + l.Name);
        ThemeFiles::replaceFolder(partial, target);
    } catch (...) {
        ThemeFiles::removeTree(partial);
        throw;
    }
}
