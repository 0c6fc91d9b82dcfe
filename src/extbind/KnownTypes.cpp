#include "extbind/KnownTypes.h"

#include "extbind/ArgumentText.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

namespace {

std::vector<std::filesystem::path> systemDataFolders() {
    const char* dirs = std::getenv("XDG_DATA_DIRS");
    const std::string list = dirs && dirs[0] ? dirs : "/usr/local/share/:/usr/share/";
    std::vector<std::filesystem::path> folders;
    std::stringstream in(list);
    std::string folder;
    while (std::getline(in, folder, ':'))
        if (!folder.empty() && folder[0] == '/') folders.emplace_back(folder);
    return folders;
}

// The value of attribute Name inside the tag text Tag ("<alias type='x'/").
std::string attribute(const std::string& Tag, const std::string& Name) {
    for (size_t at = Tag.find(Name); at != std::string::npos; at = Tag.find(Name, at + 1)) {
        const char before = Tag[at - 1];
        if (before != ' ' && before != '\t' && before != '\n' && before != '\r') continue;
        size_t i = at + Name.size();
        while (i < Tag.size() && (Tag[i] == ' ' || Tag[i] == '\t' || Tag[i] == '\n'))
            ++i;
        if (i >= Tag.size() || Tag[i] != '=') continue;
        ++i;
        while (i < Tag.size() && (Tag[i] == ' ' || Tag[i] == '\t' || Tag[i] == '\n'))
            ++i;
        if (i >= Tag.size() || (Tag[i] != '"' && Tag[i] != '\'')) continue;
        const size_t end = Tag.find(Tag[i], i + 1);
        if (end == std::string::npos) return {};
        return Tag.substr(i + 1, end - i - 1);
    }
    return {};
}

// Whether the tag text Tag ("<alias type='x'/") opens an element Name.
bool opens(const std::string& Tag, const std::string& Name) {
    if (Tag.compare(0, Name.size() + 1, "<" + Name) != 0) return false;
    const char next = Tag.size() > Name.size() + 1 ? Tag[Name.size() + 1] : '\0';
    return next == '\0' || next == ' ' || next == '\t' || next == '\n' || next == '\r' ||
           next == '/';
}

} // namespace

KnownTypes KnownTypes::read(const std::filesystem::path& UserPackages,
                            const std::filesystem::path& Replaced) {
    KnownTypes known;
    for (const std::filesystem::path& folder : systemDataFolders())
        known.readSystemDatabase(folder / "mime");
    std::error_code code;
    for (const auto& entry : std::filesystem::directory_iterator(UserPackages, code)) {
        const std::filesystem::path file = entry.path();
        if (file.extension() == ".xml" && file.filename() != Replaced.filename())
            known.readPackage(file);
    }
    return known;
}

std::optional<std::string> KnownTypes::canonical(const std::string& Type) const {
    if (const auto alias = m_aliases.find(Type); alias != m_aliases.end()) return alias->second;
    if (m_types.count(Type)) return Type;
    return std::nullopt;
}

void KnownTypes::readSystemDatabase(const std::filesystem::path& Folder) {
    std::ifstream types(Folder / "types");
    for (std::string line; std::getline(types, line);)
        if (!line.empty()) addType(ArgumentText::lowerAscii(line));
    std::ifstream aliases(Folder / "aliases");
    for (std::string line; std::getline(aliases, line);) {
        const size_t space = line.find(' ');
        if (space != std::string::npos)
            addAlias(ArgumentText::lowerAscii(line.substr(0, space)),
                     ArgumentText::lowerAscii(line.substr(space + 1)));
    }
}

// A package is read tag by tag, enough to find each <mime-type type="...">
// that holds a <comment>, and the <alias type="..."> elements inside any; the
// database's own compiler rejects what is not well-formed, and a type wrongly
// taken for described only goes without a description of ours. A type a
// package only adds globs to (as this command does for a described type) is
// not described by it.
void KnownTypes::readPackage(const std::filesystem::path& File) {
    std::ifstream in(File, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string current;
    for (size_t open = text.find('<'); open != std::string::npos; open = text.find('<', open + 1)) {
        const size_t close = text.find('>', open);
        if (close == std::string::npos) break;
        const std::string tag = text.substr(open, close - open);
        if (opens(tag, "mime-type")) {
            current = tag.back() == '/' ? std::string()
                                        : ArgumentText::lowerAscii(attribute(tag, "type"));
        } else if (tag.rfind("</mime-type", 0) == 0) {
            current.clear();
        } else if (opens(tag, "comment") && !current.empty()) {
            addType(current);
        } else if (opens(tag, "alias") && !current.empty()) {
            const std::string alias = ArgumentText::lowerAscii(attribute(tag, "type"));
            if (!alias.empty()) addAlias(alias, current);
        }
    }
}
