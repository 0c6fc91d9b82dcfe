#pragma once

#include <string>
#include <vector>

// The cursor roles of a theme and the names desktops look each one up by, as
// CursorRoles.txt states them (compiled into the program).
struct CursorRoleName {
    std::string Name;
    std::vector<std::string> Sources; // css, x11, legacy, hash, windows
};

struct CursorRole {
    std::string Title;    // "Normal Select"
    std::string Registry; // the Windows scheme's value name ("Arrow"); empty beyond it
    std::string Fallback; // the title of the role standing in; empty for none
    std::vector<CursorRoleName> Names; // the first is the file, the rest links
    const std::string& mainName() const { return Names.front().Name; }
    bool inScheme() const { return !Registry.empty(); }
};

// Every role, the scheme's in slot order first.
const std::vector<CursorRole>& CursorRoles();
// The role with this title, or with this name among its names; null if none.
const CursorRole* FindCursorRole(const std::string& TitleOrName);
// The roles of the Windows scheme, in the order of its slots.
std::vector<const CursorRole*> SchemeCursorRoles();

// Reads the table's text; throws std::runtime_error naming the line when it
// is malformed (a name given twice, an unknown fallback, a role without
// names).
std::vector<CursorRole> ParseCursorRoles(const std::string& Text);
