#include "extbind/MimeDatabase.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

const char *const refreshProgram = "update-mime-database";

std::filesystem::path findOnPath(const std::string &program)
{
    const char *path = std::getenv("PATH");
    std::string folders = path ? path : "/usr/local/bin:/usr/bin:/bin";
    size_t start = 0;
    while (start <= folders.size()) {
        const size_t end = std::min(folders.find(':', start), folders.size());
        const std::string folder = folders.substr(start, end - start);
        const std::filesystem::path candidate = std::filesystem::path(folder.empty() ? "." : folder) / program;
        if (::access(candidate.c_str(), X_OK) == 0 && !std::filesystem::is_directory(candidate))
            return candidate;
        start = end + 1;
    }
    return {};
}

} // namespace

std::filesystem::path MimeDatabase::userFolder()
{
    const char *dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && dataHome[0] == '/')
        return std::filesystem::path(dataHome) / "mime";
    const char *home = std::getenv("HOME");
    if (home && home[0] != '\0')
        return std::filesystem::path(home) / ".local" / "share" / "mime";
    return {};
}

MimeDatabase::MimeDatabase(std::filesystem::path folder) : m_folder(std::move(folder)) {}

bool MimeDatabase::refresh(std::string &error) const
{
    const std::filesystem::path program = findOnPath(refreshProgram);
    if (program.empty())
        return true;

    // Its standard output carries only notes; its warnings and errors go to
    // standard error and still reach the user.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    std::string folder = m_folder.string();
    char *argv[] = {const_cast<char *>(refreshProgram), folder.data(), nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        error = std::string("cannot run ") + program.string() + ": " + std::strerror(spawned);
        return false;
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            error = std::string("cannot wait for ") + refreshProgram + ": " + std::strerror(errno);
            return false;
        }
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
        return true;
    error = std::string(refreshProgram) + " " + folder + " failed";
    return false;
}
