// brisel-cli: lists, unpacks, makes and converts icon and cursor files from
// the command line, with the same reader and writer as the editor.
//
// This front end has no dependencies beyond the C++ library, so that "info"
// and "--help" answer at once: loading the picture libraries costs far more
// than listing a directory. The commands that decode or encode pixels are run
// by brisel-cli-work, which this program becomes (exec) with the same
// arguments.

#include "cli/CliInfo.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

const char* const Usage =
    "Usage: brisel-cli COMMAND ARGUMENTS...\n"
    "\n"
    "Reads and writes Windows icon (.ico) and cursor (.cur) files.\n"
    "\n"
    "Commands:\n"
    "  info FILE...\n"
    "      One line per image of each FILE: index, width x height, bits per\n"
    "      pixel, hot spot (cursors; \"-\" for icons) and the bytes of its data.\n"
    "  extract FILE DIR\n"
    "      Writes every image of FILE as an RGBA PNG picture DIR/NAME-INDEX.png\n"
    "      (NAME: FILE without folder and extension; INDEX from 0 in the file's\n"
    "      order). Transparent and screen-inverting pixels get alpha 0.\n"
    "  create OUT [--cursor] [--format 1|4|8|24|32] [--hotspot X,Y] PICTURE...\n"
    "      Makes OUT with one image per PICTURE (PNG, BMP or any picture the\n"
    "      system reads; at most 255 x 255 pixels). --cursor makes a cursor,\n"
    "      --hotspot sets every image's hot spot (cursors only), --format the\n"
    "      bits per pixel (default 32). The palette formats (1, 4, 8) take the\n"
    "      picture's first 2, 16 or 256 colours as their palette and show every\n"
    "      other colour as the nearest of them.\n"
    "  convert IN OUT\n"
    "      Rewrites the icon or cursor file IN as OUT, an icon when OUT ends in\n"
    "      .ico, a cursor when it ends in .cur (hot spots of an icon start at 0,0).\n"
    "\n"
    "Examples:\n"
    "  brisel-cli info app.ico\n"
    "  brisel-cli extract app.ico pictures\n"
    "  brisel-cli create app.ico app-16.png app-32.png app-48.png\n"
    "  brisel-cli create pointer.cur --cursor --hotspot 3,2 --format 4 pointer.png\n"
    "  brisel-cli convert pointer.cur pointer.ico\n"
    "\n"
    "Files are replaced only once they are completely written. The status is 0\n"
    "on success; on failure a one-line message on standard error names the file\n"
    "and the reason, and the status is 1.\n";

void fail(const std::string& Message) {
    const std::string line = "brisel-cli: " + Message + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
}

// The folder this program was started from, found through the kernel so a
// relative or PATH-searched name makes no difference.
std::string ownFolder() {
    std::vector<char> buffer(4096);
    const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (n <= 0) return std::string();
    std::string path(buffer.data(), std::size_t(n));
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

bool isExecutable(const std::string& Path) {
    return ::access(Path.c_str(), X_OK) == 0;
}

// Beside this program in the build tree; in the library folder once installed.
std::string workerPath() {
    const std::string folder = ownFolder();
    for (const std::string& candidate :
         {folder + "/brisel-cli-work", folder + "/" BRISEL_CLI_WORKER_RELATIVE "/brisel-cli-work"})
        if (isExecutable(candidate)) return candidate;
    return std::string();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs(Usage, stderr);
        return 1;
    }
    const std::string command = argv[1];
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(Usage, stdout);
        return 0;
    }
    if (command == "info") return runInfo(argc - 2, argv + 2);
    if (command != "extract" && command != "create" && command != "convert") {
        fail("unknown command \"" + command + "\"; see brisel-cli --help");
        return 1;
    }
    const std::string worker = workerPath();
    if (worker.empty()) {
        fail("brisel-cli-work, which runs \"" + command + "\", is not installed beside brisel-cli");
        return 1;
    }
    // The worker allocates and frees large pixel buffers; letting the C
    // library back its heap with huge pages spares it most page faults.
    const char* tunables = std::getenv("GLIBC_TUNABLES");
    std::string value = tunables ? tunables : "";
    if (value.find("glibc.malloc.hugetlb") == std::string::npos) {
        value += (value.empty() ? "" : ":") + std::string("glibc.malloc.hugetlb=1");
        ::setenv("GLIBC_TUNABLES", value.c_str(), 1);
    }
    std::vector<char*> args(argv, argv + argc);
    args.push_back(nullptr);
    ::execv(worker.c_str(), args.data());
    fail("cannot start " + worker + ": " + std::strerror(errno));
    return 1;
}
