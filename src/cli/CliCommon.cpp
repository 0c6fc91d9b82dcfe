#include "cli/CliCommon.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A file descriptor closed when it goes out of scope.
class Fd {
public:
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd() {
        if (m_fd >= 0) ::close(m_fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }
    int release() {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }

private:
    int m_fd;
};

CliError systemError(const std::string& Path) {
    return CliError(Path + ": " + std::strerror(errno));
}

// Largest input taken in: no icon or picture comes near it.
constexpr std::int64_t MaxFileSize = std::int64_t(1) << 30;

std::string trimmed(const std::string& Text) {
    const std::size_t first = Text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    return Text.substr(first, Text.find_last_not_of(" \t") - first + 1);
}

} // namespace

int parseNumber(const std::string& Command, const std::string& Text, int Low, int High,
                const std::string& What) {
    const std::string t = trimmed(Text);
    char* end = nullptr;
    errno = 0;
    const long v = t.empty() ? 0 : std::strtol(t.c_str(), &end, 10);
    if (t.empty() || *end != '\0' || errno != 0 || v < Low || v > High)
        throw CliError(Command + ": " + What + " must be a number from " + std::to_string(Low) +
                       " to " + std::to_string(High) + ", not \"" + Text + "\"");
    return int(v);
}

std::vector<int> parseNumbers(const std::string& Command, const std::string& List, int Low,
                              int High, const std::string& What) {
    std::vector<int> values;
    std::size_t from = 0;
    for (;;) {
        const std::size_t comma = List.find(',', from);
        values.push_back(parseNumber(Command, List.substr(from, comma - from), Low, High, What));
        if (comma == std::string::npos) return values;
        from = comma + 1;
    }
}

std::vector<int> parseSizes(const std::string& Command, const std::string& List, int Max) {
    std::vector<int> sizes;
    for (int side : parseNumbers(Command, List, 1, Max, "each size"))
        if (std::find(sizes.begin(), sizes.end(), side) == sizes.end()) sizes.push_back(side);
    return sizes;
}

void parseHotSpot(const std::string& Command, const std::string& XY, int High, int& X, int& Y) {
    const std::size_t comma = XY.find(',');
    if (comma == std::string::npos || XY.find(',', comma + 1) != std::string::npos)
        throw CliError(Command + ": the hot spot is written X,Y");
    X = parseNumber(Command, XY.substr(0, comma), 0, High, "the hot spot's X");
    Y = parseNumber(Command, XY.substr(comma + 1), 0, High, "the hot spot's Y");
}

const std::string& ArgumentReader::value() {
    if (m_at + 1 >= m_args.size()) throw CliError(m_command + ": " + argument() + " needs a value");
    return m_args[++m_at];
}

void printError(const std::string& Message) {
    // One line, whatever the reason's text holds.
    std::string line = "brisel-cli: " + Message;
    std::replace(line.begin(), line.end(), '\n', ' ');
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stderr);
}

std::string largeSizesLeftOut(int Count) {
    return std::to_string(Count) +
           (Count == 1 ? " size larger than 256 pixels is" : " sizes larger than 256 pixels are") +
           " left out";
}

std::vector<std::uint8_t> readWholeFile(const std::string& Path) {
    Fd fd(::open(Path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat st;
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0) throw systemError(Path);
    if (S_ISDIR(st.st_mode)) {
        errno = EISDIR;
        throw systemError(Path);
    }
    if (st.st_size > MaxFileSize) throw CliError(Path + ": the file is too large");
    std::vector<std::uint8_t> bytes(std::size_t(st.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw systemError(Path);
        if (n == 0) break;
        done += std::size_t(n);
    }
    bytes.resize(done);
    return bytes;
}

std::size_t readFileStart(const std::string& Path, std::uint8_t* Into, std::size_t Count) {
    Fd fd(::open(Path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) throw systemError(Path);
    std::size_t done = 0;
    while (done < Count) {
        const ssize_t n = ::read(fd.get(), Into + done, Count - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw systemError(Path);
        if (n == 0) break;
        done += std::size_t(n);
    }
    return done;
}

void writeFileReplacing(const std::string& Path, const std::vector<std::uint8_t>& Bytes) {
    writeFileReplacing(Path, [&](int fd) { writeAt(fd, Path, Bytes.data(), Bytes.size(), 0); });
}

void writeFileReplacing(const std::string& Path, const std::function<void(int Fd)>& Write) {
    // A name that is free is written in place: there is nothing to replace,
    // and a rename per file is a good part of the work of extracting many
    // small pictures. Should the writing fail, the new file goes again.
    {
        Fd fresh(::open(Path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (fresh.get() >= 0) {
            try {
                Write(fresh.get());
            } catch (...) {
                ::unlink(Path.c_str());
                throw;
            }
            if (::close(fresh.release()) != 0) {
                const int error = errno;
                ::unlink(Path.c_str());
                errno = error;
                throw systemError(Path);
            }
            return;
        }
        if (errno != EEXIST) throw systemError(Path);
    }
    // A name of its own beside the target: threads and other runs write
    // their own, and the rename stays on one file system.
    static std::atomic<unsigned> serial{0};
    static const std::string pid = std::to_string(::getpid());
    const std::size_t slash = Path.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : Path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? Path : Path.substr(slash + 1);
    const std::string temp =
        folder + "." + name + "." + pid + "-" + std::to_string(serial++) + ".part";
    struct stat old;
    const bool replacing = ::stat(Path.c_str(), &old) == 0 && !S_ISDIR(old.st_mode);
    Fd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                 replacing ? (old.st_mode & 07777) : 0666));
    if (fd.get() < 0) throw systemError(Path);
    if (replacing) (void)::fchmod(fd.get(), old.st_mode & 07777);
    const auto fail = [&] {
        const int error = errno;
        ::unlink(temp.c_str());
        errno = error;
        return systemError(Path);
    };
    try {
        Write(fd.get());
    } catch (...) {
        ::unlink(temp.c_str());
        throw;
    }
    if (::close(fd.release()) != 0) throw fail();
    // Over an old file, the two names trade places and the old file goes
    // after: ext4 starts writing a file out to disk when a rename replaces
    // another, which takes longer than all the rest of a small extract. The
    // name always holds a whole file either way.
    if (replacing &&
        ::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, Path.c_str(), RENAME_EXCHANGE) == 0) {
        ::unlink(temp.c_str());
        return;
    }
    if (::rename(temp.c_str(), Path.c_str()) != 0) throw fail();
}

void writeAt(int Fd, const std::string& Path, const std::uint8_t* Data, std::size_t Count,
             std::uint64_t Offset) {
    std::size_t done = 0;
    while (done < Count) {
        const ssize_t n = ::pwrite(Fd, Data + done, Count - done, off_t(Offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            throw systemError(Path);
        }
        done += std::size_t(n);
    }
}

void makeFolders(const std::string& Path) {
    for (std::size_t at = 1; at <= Path.size(); ++at) {
        if (at < Path.size() && Path[at] != '/') continue;
        const std::string part = Path.substr(0, at);
        struct stat st;
        if (::stat(part.c_str(), &st) == 0) {
            if (S_ISDIR(st.st_mode)) continue;
            throw CliError(Path + ": the folder cannot be created");
        }
        if (::mkdir(part.c_str(), 0777) != 0 && errno != EEXIST)
            throw CliError(Path + ": the folder cannot be created (" + std::strerror(errno) + ")");
    }
}

std::string baseName(const std::string& Path) {
    const std::size_t slash = Path.rfind('/');
    std::string name = slash == std::string::npos ? Path : Path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos) name.erase(dot);
    return name;
}
