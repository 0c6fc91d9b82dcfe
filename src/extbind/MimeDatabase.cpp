#include "extbind/MimeDatabase.h"

#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <cwctype>
#include <fcntl.h>
#include <fstream>
#include <locale.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

const char* const refreshProgram = "update-mime-database";

std::filesystem::path findOnPath(const std::string& Program) {
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "/usr/local/bin:/usr/bin:/bin";
    size_t start = 0;
    while (start <= folders.size()) {
        const size_t end = std::min(folders.find(':', start), folders.size());
        const std::string folder = folders.substr(start, end - start);
        const std::filesystem::path candidate =
            std::filesystem::path(folder.empty() ? "." : folder) / Program;
        if (::access(candidate.c_str(), X_OK) == 0 && !std::filesystem::is_directory(candidate))
            return candidate;
        start = end + 1;
    }
    return {};
}

// The compiler stores globs folded to lower case, non-ASCII letters included,
// so a glob is looked up folded the same way. The text is well-formed UTF-8.
std::string folded(const std::string& Text) {
    static const locale_t unicode = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(0));
    std::string out;
    for (size_t i = 0; i < Text.size();) {
        const auto lead = static_cast<unsigned char>(Text[i]);
        const size_t length = lead < 0x80 ? 1 : lead < 0xe0 ? 2 : lead < 0xf0 ? 3 : 4;
        if (length == 1 || !unicode || i + length > Text.size()) {
            out += lead >= 'A' && lead <= 'Z' ? char(lead - 'A' + 'a') : char(lead);
            ++i;
            continue;
        }
        uint32_t cp = lead & (0xff >> (length + 1));
        for (size_t k = 1; k < length; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(Text[i + k]) & 0x3f);
        cp = static_cast<uint32_t>(::towlower_l(static_cast<wint_t>(cp), unicode));
        if (cp < 0x800) {
            out += char(0xc0 | (cp >> 6));
        } else if (cp < 0x10000) {
            out += char(0xe0 | (cp >> 12));
            out += char(0x80 | ((cp >> 6) & 0x3f));
        } else {
            out += char(0xf0 | (cp >> 18));
            out += char(0x80 | ((cp >> 12) & 0x3f));
            out += char(0x80 | ((cp >> 6) & 0x3f));
        }
        out += char(0x80 | (cp & 0x3f));
        i += length;
    }
    return out;
}

} // namespace

std::filesystem::path MimeDatabase::userFolder() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && dataHome[0] == '/') return std::filesystem::path(dataHome) / "mime";
    const char* home = std::getenv("HOME");
    if (home && home[0] != '\0') return std::filesystem::path(home) / ".local" / "share" / "mime";
    return {};
}

MimeDatabase::MimeDatabase(std::filesystem::path Folder) : m_folder(std::move(Folder)) {}

bool MimeDatabase::canRefresh() {
    return !findOnPath(refreshProgram).empty();
}

bool MimeDatabase::refresh(std::string& Error) const {
    const std::filesystem::path program = findOnPath(refreshProgram);
    // Its notes, warnings and errors are its own; this command answers in one
    // line of its own when something went wrong.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    std::string folder = m_folder.string();
    char* argv[] = {const_cast<char*>(refreshProgram), folder.data(), nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        Error = std::string("cannot run ") + program.string() + ": " + std::strerror(spawned);
        return false;
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            Error = std::string("cannot wait for ") + refreshProgram + ": " + std::strerror(errno);
            return false;
        }
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return true;
    Error = std::string(refreshProgram) + " failed on " + folder;
    return false;
}

bool MimeDatabase::mapsGlob(const std::string& Glob, const std::string& Type) const {
    // Lines of "weight:type:glob", optionally followed by ":flags".
    std::ifstream globs(m_folder / "globs2");
    const std::string wanted = folded(Glob);
    for (std::string line; std::getline(globs, line);) {
        if (line.empty() || line[0] == '#') continue;
        const size_t typeStart = line.find(':');
        if (typeStart == std::string::npos) continue;
        const size_t globStart = line.find(':', typeStart + 1);
        if (globStart == std::string::npos) continue;
        const std::string glob =
            line.substr(globStart + 1, line.find(':', globStart + 1) - globStart - 1);
        if (line.compare(typeStart + 1, globStart - typeStart - 1, Type) == 0 &&
            folded(glob) == wanted)
            return true;
    }
    return false;
}
