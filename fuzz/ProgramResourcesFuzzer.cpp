// Any bytes as a Windows program: its icon and cursor groups or a
// ProgramFileError, never a read outside the buffer or an allocation the
// bytes do not back. Every group read makes a file the icon reader takes or
// refuses cleanly, as the file core runs for brisel-cli.

#include "document/file/IconCodecError.h"
#include "document/file/IconReader.h"
#include "document/file/ProgramResources.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<ResourceGroup> groups;
    try {
        groups = ReadProgramGroups(data, size, "fuzz.exe");
    } catch (const ProgramFileError&) {
        return 0;
    }
    for (const ResourceGroup& g : groups) {
        const std::vector<std::uint8_t> file = GroupFile(data, g);
        try {
            (void)DecodeIconFile(file.data(), file.size(), "group", TransparencySettings());
        } catch (const IconCodecError&) {
        }
    }
    return 0;
}
