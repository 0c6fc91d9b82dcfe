// brisel-cli info: the directory and each image's own header, read with a few
// positioned reads and no pixel decoding.

#include "cli/CliInfo.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int HeaderSize = 6;
constexpr int EntrySize = 16;
constexpr int InfoHeaderSize = 40;
constexpr int PngHeaderBytes = 33; // signature, IHDR length, type and data
constexpr int TypeCursor = 2;

struct Refusal {
    std::string Reason;
};

class File {
public:
    explicit File(const char* Path) : m_fd(::open(Path, O_RDONLY | O_CLOEXEC)) {}
    ~File() {
        if (m_fd >= 0) ::close(m_fd);
    }
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    bool size(std::int64_t& Size) const {
        struct stat st;
        if (::fstat(m_fd, &st) != 0) return false;
        if (S_ISDIR(st.st_mode)) {
            errno = EISDIR;
            return false;
        }
        Size = st.st_size;
        return true;
    }
    // Exactly Count bytes at Offset, or false.
    bool readAt(std::int64_t Offset, std::uint8_t* Into, std::size_t Count) const {
        std::size_t done = 0;
        while (done < Count) {
            const ssize_t n = ::pread(m_fd, Into + done, Count - done, off_t(Offset + done));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return false;
            done += std::size_t(n);
        }
        return true;
    }

private:
    int m_fd;
};

unsigned u16(const std::uint8_t* P) {
    return unsigned(P[0]) | (unsigned(P[1]) << 8);
}
std::uint32_t u32(const std::uint8_t* P) {
    return std::uint32_t(P[0]) | (std::uint32_t(P[1]) << 8) | (std::uint32_t(P[2]) << 16) |
           (std::uint32_t(P[3]) << 24);
}
std::uint32_t be32(const std::uint8_t* P) {
    return (std::uint32_t(P[0]) << 24) | (std::uint32_t(P[1]) << 16) | (std::uint32_t(P[2]) << 8) |
           std::uint32_t(P[3]);
}

// Bits per pixel of a PNG from its header's bit depth and colour type.
int pngBitCount(int Depth, int ColourType) {
    switch (ColourType) {
    case 2:
        return Depth * 3; // RGB
    case 4:
        return Depth * 2; // grey and alpha
    case 6:
        return Depth * 4; // RGBA
    default:
        return Depth; // grey, palette
    }
}

// The lines of one file, appended to Out.
void listFile(const char* Path, std::string& Out) {
    File file(Path);
    std::int64_t size = 0;
    if (!file.isOpen() || !file.size(size)) throw Refusal{std::strerror(errno)};
    const auto refuse = [](const std::string& Why) {
        return Refusal{"not an icon or cursor file: " + Why};
    };

    std::uint8_t header[HeaderSize];
    if (size < HeaderSize || !file.readAt(0, header, HeaderSize))
        throw refuse("the file is too short");
    const unsigned type = u16(header + 2);
    const unsigned count = u16(header + 4);
    if (u16(header) != 0 || type > TypeCursor)
        throw refuse("its header is not that of an icon or a cursor");
    if (count == 0) throw refuse("it holds no images");
    const std::int64_t directoryEnd = HeaderSize + std::int64_t(count) * EntrySize;
    std::vector<std::uint8_t> directory(std::size_t(count) * EntrySize);
    if (directoryEnd > size || !file.readAt(HeaderSize, directory.data(), directory.size()))
        throw refuse("the file ends inside its directory");

    static const std::uint8_t png[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    char line[512];
    for (unsigned i = 0; i < count; ++i) {
        const std::uint8_t* e = directory.data() + std::size_t(i) * EntrySize;
        int width = e[0] ? e[0] : 256;
        int height = e[1] ? e[1] : 256;
        const std::uint32_t dataSize = u32(e + 8);
        const std::int64_t offset = u32(e + 12);
        if (offset < directoryEnd || offset + std::int64_t(dataSize) > size)
            throw refuse("the data of image " + std::to_string(i) + " lies outside the file");

        std::uint8_t head[InfoHeaderSize];
        const std::size_t want = std::size_t(std::min<std::int64_t>(InfoHeaderSize, size - offset));
        if (!file.readAt(offset, head, want)) throw Refusal{std::strerror(errno)};
        int bitCount = 0;
        bool isPng = false;
        if (want >= std::size_t(PngHeaderBytes) && std::memcmp(head, png, sizeof png) == 0) {
            isPng = true;
            width = int(be32(head + 16));
            height = int(be32(head + 20));
            bitCount = pngBitCount(head[24], head[25]);
        } else {
            if (want < std::size_t(InfoHeaderSize))
                throw refuse("the file ends inside image " + std::to_string(i));
            if (u32(head) < std::uint32_t(InfoHeaderSize))
                throw refuse("image " + std::to_string(i) + " has an unknown bitmap header");
            bitCount = int(u16(head + 14));
        }
        std::string hotSpot = "-";
        if (type == TypeCursor)
            hotSpot = std::to_string(u16(e + 4)) + "," + std::to_string(u16(e + 6));
        const int n = std::snprintf(
            line, sizeof line, "%s: %u: %d x %d, %d bits, hot spot %s, %u bytes%s\n", Path, i,
            width, height, bitCount, hotSpot.c_str(), unsigned(dataSize), isPng ? " (PNG)" : "");
        if (n > 0) Out.append(line, std::size_t(std::min<int>(n, int(sizeof line) - 1)));
    }
}

} // namespace

int runInfo(int Count, char** Files) {
    if (Count == 0) {
        std::fputs("brisel-cli: info: no file given\n", stderr);
        return 1;
    }
    int status = 0;
    std::string out;
    for (int i = 0; i < Count; ++i) {
        try {
            std::string lines;
            listFile(Files[i], lines);
            out += lines;
        } catch (const Refusal& r) {
            // Keep the order of the answers: what came before goes out first.
            std::fwrite(out.data(), 1, out.size(), stdout);
            std::fflush(stdout);
            out.clear();
            std::fprintf(stderr, "brisel-cli: %s: %s\n", Files[i], r.Reason.c_str());
            status = 1;
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return status;
}
