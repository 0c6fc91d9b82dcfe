#include "cursortheme/CursorThemeImport.h"

#include "cursortheme/ThemeFiles.h"
#include "document/file/IconCodecError.h"
#include "document/file/XcursorReader.h"

#include <algorithm>
#include <sstream>

std::string IndexThemeValue(const std::string& Text, const std::string& Key) {
    std::istringstream in(Text);
    bool inGroup = false;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line[0] == '[') {
            inGroup = line == "[Icon Theme]";
            continue;
        }
        const std::size_t eq = line.find('=');
        if (!inGroup || eq == std::string::npos) continue;
        std::string key = line.substr(0, eq);
        key.erase(key.find_last_not_of(" \t") + 1);
        if (key != Key) continue;
        const std::size_t value = line.find_first_not_of(" \t", eq + 1);
        return value == std::string::npos ? std::string() : line.substr(value);
    }
    return std::string();
}

ImportedTheme ReadCursorTheme(const std::string& Folder) {
    std::string cursors = Folder + "/cursors";
    std::string top = Folder;
    if (!ThemeFiles::isFolder(cursors)) {
        // Given the cursors/ folder itself.
        cursors = Folder;
        top = Folder + "/..";
        if (!ThemeFiles::exists(Folder) || ThemeFiles::list(Folder).empty() ||
            !ThemeFiles::isFolder(Folder))
            throw ThemeFileError(Folder + ": no cursor theme here (it has no cursors folder)");
    }
    ImportedTheme theme;
    if (ThemeFiles::exists(top + "/index.theme")) {
        const std::vector<std::uint8_t> bytes = ThemeFiles::read(top + "/index.theme");
        const std::string text(bytes.begin(), bytes.end());
        theme.Name = IndexThemeValue(text, "Name");
        theme.Comment = IndexThemeValue(text, "Comment");
        theme.Inherits = IndexThemeValue(text, "Inherits");
    }
    std::vector<std::string> taken;
    for (const CursorRole& role : CursorRoles()) {
        for (const CursorRoleName& n : role.Names) {
            const std::string real = ThemeFiles::resolved(cursors + "/" + n.Name);
            if (real.empty()) continue;
            if (std::find(taken.begin(), taken.end(), real) != taken.end()) break;
            taken.push_back(real);
            try {
                const std::vector<std::uint8_t> bytes = ThemeFiles::read(real);
                theme.Roles.push_back(
                    {&role, real, DecodeXcursorFile(bytes.data(), bytes.size(), real)});
            } catch (const std::exception& e) {
                theme.Unreadable.push_back(e.what());
            }
            break;
        }
    }
    return theme;
}
