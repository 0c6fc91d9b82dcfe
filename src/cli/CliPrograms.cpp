#include "cli/CliPrograms.h"

#include "cli/CliCommon.h"
#include "document/file/IconFileLayout.h"
#include "document/file/ProgramResources.h"

namespace {

std::vector<ResourceGroup> groupsOf(const std::string& Path,
                                    const std::vector<std::uint8_t>& Bytes) {
    try {
        std::vector<ResourceGroup> groups = ReadProgramGroups(Bytes.data(), Bytes.size(), Path);
        if (groups.empty()) throw CliError(Path + ": the program holds no icons or cursors");
        return groups;
    } catch (const ProgramFileError& e) {
        throw CliError(e.what());
    }
}

const char* kindOf(const ResourceGroup& G) {
    return G.Type == IconFile::TypeCursor ? "cursor" : "icon";
}

// A group's name as a part of a file name: no folders, no control characters.
std::string fileNamePart(const std::string& Label) {
    std::string out = Label;
    for (char& c : out)
        if (c == '/' || c == '\\' || (unsigned char)c < 0x20) c = '_';
    return out;
}

} // namespace

bool isProgramFile(const std::string& Path) {
    std::uint8_t head[2];
    return readFileStart(Path, head, 2) == 2 && LooksLikeProgram(head, 2);
}

void listProgram(const std::string& Path, const std::vector<std::uint8_t>& Bytes,
                 std::string& Out) {
    for (const ResourceGroup& g : groupsOf(Path, Bytes)) {
        const std::size_t n = g.Images.size();
        Out += Path + ": " + kindOf(g) + " group " + g.label() + ": " + std::to_string(n) +
               (n == 1 ? " image:" : " images:");
        for (std::size_t i = 0; i < n; ++i)
            Out += (i ? ", " : " ") + std::to_string(g.Images[i].Width) + " x " +
                   std::to_string(g.Images[i].Height);
        Out += '\n';
    }
}

void extractProgram(const std::string& Path, const std::vector<std::uint8_t>& Bytes,
                    const std::string& Dir, const std::string& Group) {
    const std::vector<ResourceGroup> groups = groupsOf(Path, Bytes);
    bool found = false;
    for (const ResourceGroup& g : groups) {
        if (!Group.empty() && !GroupMatches(g, Group)) continue;
        found = true;
        const std::string name = Dir + "/" + baseName(Path) + "-" + fileNamePart(g.label()) +
                                 (g.Type == IconFile::TypeCursor ? ".cur" : ".ico");
        writeFileReplacing(name, GroupFile(Bytes.data(), g));
    }
    if (!found) {
        std::string names;
        for (const ResourceGroup& g : groups)
            names += (names.empty() ? "" : ", ") + g.label();
        throw CliError(Path + ": no group is named \"" + Group + "\" (the program has " + names +
                       ")");
    }
}
