#include "cursortheme/ThemeFiles.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

ThemeFileError failure(const std::string& Path) {
    return ThemeFileError(Path + ": " + std::strerror(errno));
}

// Largest file taken in: no cursor comes near it.
constexpr off_t MaxFileSize = off_t(1) << 30;

} // namespace

namespace ThemeFiles {

std::vector<std::uint8_t> read(const std::string& Path) {
    const int fd = ::open(Path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw failure(Path);
    struct stat st;
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        if (S_ISDIR(st.st_mode)) errno = EISDIR;
        const ThemeFileError e = failure(Path);
        ::close(fd);
        throw e;
    }
    if (st.st_size > MaxFileSize) {
        ::close(fd);
        throw ThemeFileError(Path + ": the file is too large");
    }
    std::vector<std::uint8_t> bytes(std::size_t(st.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += std::size_t(n);
    }
    ::close(fd);
    bytes.resize(done);
    return bytes;
}

void write(const std::string& Path, const std::vector<std::uint8_t>& Bytes) {
    const int fd = ::open(Path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) throw failure(Path);
    std::size_t done = 0;
    while (done < Bytes.size()) {
        const ssize_t n = ::write(fd, Bytes.data() + done, Bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const ThemeFileError e = failure(Path);
            ::close(fd);
            throw e;
        }
        done += std::size_t(n);
    }
    if (::close(fd) != 0) throw failure(Path);
}

void makeFolder(const std::string& Path) {
    if (::mkdir(Path.c_str(), 0755) != 0 && !(errno == EEXIST && isFolder(Path)))
        throw failure(Path);
}

void link(const std::string& Target, const std::string& Path) {
    if (::symlink(Target.c_str(), Path.c_str()) != 0) throw failure(Path);
}

std::vector<std::string> list(const std::string& Folder) {
    std::vector<std::string> names;
    DIR* d = ::opendir(Folder.c_str());
    if (!d) return names;
    while (const dirent* e = ::readdir(d)) {
        const std::string name = e->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    ::closedir(d);
    std::sort(names.begin(), names.end());
    return names;
}

bool isFolder(const std::string& Path) {
    struct stat st;
    return ::stat(Path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool exists(const std::string& Path) {
    struct stat st;
    return ::stat(Path.c_str(), &st) == 0;
}

std::string resolved(const std::string& Path) {
    char* real = ::realpath(Path.c_str(), nullptr);
    if (!real) return std::string();
    std::string out = real;
    std::free(real);
    return out;
}

void removeTree(const std::string& Path) {
    struct stat st;
    if (::lstat(Path.c_str(), &st) != 0) return;
    if (S_ISDIR(st.st_mode)) {
        for (const std::string& name : list(Path))
            removeTree(Path + "/" + name);
        ::rmdir(Path.c_str());
    } else {
        ::unlink(Path.c_str());
    }
}

void replaceFolder(const std::string& From, const std::string& To) {
    struct stat st;
    if (::lstat(To.c_str(), &st) != 0) {
        if (::rename(From.c_str(), To.c_str()) != 0) throw failure(To);
        return;
    }
    if (!S_ISDIR(st.st_mode)) {
        errno = ENOTDIR;
        throw failure(To);
    }
    const std::string old = From + ".old";
    if (::rename(To.c_str(), old.c_str()) != 0) throw failure(To);
    if (::rename(From.c_str(), To.c_str()) != 0) {
        const ThemeFileError e = failure(To);
        ::rename(old.c_str(), To.c_str());
        throw e;
    }
    removeTree(old);
}

} // namespace ThemeFiles
