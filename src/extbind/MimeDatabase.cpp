#include "extbind/MimeDatabase.h"

#include "extbind/ArgumentText.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
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
    // Lines of "weight:type:glob", optionally followed by ":flags"; the
    // compiler stores globs in small letters (only ASCII ones in version 2.2).
    std::ifstream globs(m_folder / "globs2");
    const std::string wanted = ArgumentText::folded(Glob);
    for (std::string line; std::getline(globs, line);) {
        if (line.empty() || line[0] == '#') continue;
        const size_t typeStart = line.find(':');
        if (typeStart == std::string::npos) continue;
        const size_t globStart = line.find(':', typeStart + 1);
        if (globStart == std::string::npos) continue;
        const std::string glob =
            line.substr(globStart + 1, line.find(':', globStart + 1) - globStart - 1);
        if (line.compare(typeStart + 1, globStart - typeStart - 1, Type) == 0 &&
            ArgumentText::folded(glob) == wanted)
            return true;
    }
    return false;
}
