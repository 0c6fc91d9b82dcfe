#include "extbind/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// Closes and removes the temporary file unless it was renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::filesystem::path& target) {
        // The temporary name does not end in ".xml", so a database refresh
        // running meanwhile never reads it as a package.
        const std::string pattern =
            target.parent_path() / ("." + target.filename().string() + ".XXXXXX");
        m_name.assign(pattern.begin(), pattern.end());
        m_name.push_back('\0');
        m_fd = mkstemp(m_name.data());
        m_exists = m_fd >= 0;
    }
    ~TemporaryFile() {
        if (m_fd >= 0) ::close(m_fd);
        if (m_exists) ::unlink(m_name.data());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return m_fd; }
    const char* name() const { return m_name.data(); }
    bool close() {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result == 0;
    }
    // Renamed into place: nothing left to remove.
    void keep() { m_exists = false; }

private:
    std::vector<char> m_name;
    int m_fd = -1;
    bool m_exists = false;
};

mode_t permissionsFromUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

AtomicFile::AtomicFile(std::filesystem::path path) : m_path(std::move(path)) {}

bool AtomicFile::write(const std::string& text, std::string& error) const {
    TemporaryFile temporary(m_path);
    if (temporary.fd() < 0) {
        error = std::strerror(errno);
        return false;
    }
    // mkstemp makes the file private; a package is as readable as any file the user makes.
    ::fchmod(temporary.fd(), permissionsFromUmask());
    const char* data = text.data();
    size_t left = text.size();
    while (left > 0) {
        const ssize_t written = ::write(temporary.fd(), data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            error = std::strerror(errno);
            return false;
        }
        data += written;
        left -= static_cast<size_t>(written);
    }
    if (::fsync(temporary.fd()) != 0 || !temporary.close() ||
        ::rename(temporary.name(), m_path.c_str()) != 0) {
        error = std::strerror(errno);
        return false;
    }
    temporary.keep();
    return true;
}
