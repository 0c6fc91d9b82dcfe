#include "cursortheme/CursorRoleTable.h"

#include <set>
#include <sstream>
#include <stdexcept>

extern const char* const CursorRolesText; // CursorRoles.txt, made into a string at build time

namespace {

std::string trimmed(const std::string& Text) {
    const std::size_t first = Text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    return Text.substr(first, Text.find_last_not_of(" \t") - first + 1);
}

std::vector<std::string> split(const std::string& Text, char By) {
    std::vector<std::string> parts;
    std::stringstream in(Text);
    for (std::string part; std::getline(in, part, By);)
        parts.push_back(trimmed(part));
    return parts;
}

} // namespace

std::vector<CursorRole> ParseCursorRoles(const std::string& Text) {
    std::vector<CursorRole> roles;
    std::set<std::string> names, titles;
    std::istringstream in(Text);
    int number = 0;
    const auto fail = [&](const std::string& Why) {
        throw std::runtime_error("cursor role table, line " + std::to_string(number) + ": " + Why);
    };
    for (std::string line; std::getline(in, line);) {
        ++number;
        const std::string t = trimmed(line);
        if (t.empty() || t[0] == '#') continue;
        if (t.compare(0, 5, "role ") == 0) {
            const std::vector<std::string> f = split(t.substr(5), '|');
            if (f.size() != 3 || f[0].empty()) fail("a role is written TITLE | REGISTRY | FALLBACK");
            if (!titles.insert(f[0]).second) fail("the role " + f[0] + " is given twice");
            if (!roles.empty() && roles.back().Names.empty()) fail("a role without names");
            roles.push_back({f[0], f[1] == "-" ? "" : f[1], f[2] == "-" ? "" : f[2], {}});
            continue;
        }
        if (roles.empty()) fail("a name before the first role");
        std::istringstream words(t);
        std::string name, sources, extra;
        words >> name >> sources;
        if (name.empty() || sources.empty() || (words >> extra)) fail("a name is written NAME SOURCE");
        if (!names.insert(name).second) fail("the name " + name + " is given twice");
        roles.back().Names.push_back({name, split(sources, ',')});
    }
    if (roles.empty() || roles.back().Names.empty()) fail("a role without names");
    for (const CursorRole& r : roles)
        if (!r.Fallback.empty() && !titles.count(r.Fallback))
            throw std::runtime_error("cursor role table: " + r.Title + " falls back to " +
                                     r.Fallback + ", which is no role");
    return roles;
}

const std::vector<CursorRole>& CursorRoles() {
    static const std::vector<CursorRole> roles = ParseCursorRoles(CursorRolesText);
    return roles;
}

const CursorRole* FindCursorRole(const std::string& TitleOrName) {
    for (const CursorRole& r : CursorRoles()) {
        if (r.Title == TitleOrName) return &r;
        for (const CursorRoleName& n : r.Names)
            if (n.Name == TitleOrName) return &r;
    }
    return nullptr;
}

std::vector<const CursorRole*> SchemeCursorRoles() {
    std::vector<const CursorRole*> scheme;
    for (const CursorRole& r : CursorRoles())
        if (r.inScheme()) scheme.push_back(&r);
    return scheme;
}
