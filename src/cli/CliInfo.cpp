// brisel-cli info: the directory and each image's own header as the reader
// plans them, read with a few positioned reads and no pixel decoding.

#include "cli/CliInfo.h"

#include "cli/CliAni.h"
#include "cli/CliCommon.h"
#include "cli/CliPrograms.h"
#include "cli/CliXcursor.h"
#include "document/file/AniPlan.h"
#include "document/file/IconCodecError.h"
#include "document/file/IconFilePlan.h"
#include "document/file/IconFileLayout.h"
#include "document/file/XcursorReader.h"
#include "document/file/ProgramResources.h"

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

// The file read on demand: info needs only the header, the directory and the
// first bytes of each image, never the pixels.
class FileSource : public IconByteSource {
public:
    explicit FileSource(const char* Path) : m_fd(::open(Path, O_RDONLY | O_CLOEXEC)) {}
    ~FileSource() override {
        if (m_fd >= 0) ::close(m_fd);
    }
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    // False, with errno set, when the file cannot be opened or is a folder.
    bool open() {
        struct stat st;
        if (m_fd < 0 || ::fstat(m_fd, &st) != 0) return false;
        if (S_ISDIR(st.st_mode)) {
            errno = EISDIR;
            return false;
        }
        m_size = st.st_size;
        return true;
    }
    std::int64_t size() const override { return m_size; }
    bool read(std::int64_t Offset, std::uint8_t* Into, std::size_t Count) const override {
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
    std::int64_t m_size = 0;
};

// The lines of one file, appended to Out; images numbered from 1, as extract
// numbers its pictures and the reader its messages.
void listFile(const char* Path, std::string& Out) {
    FileSource file(Path);
    if (!file.open()) throw CliError(std::string(Path) + ": " + std::strerror(errno));
    std::uint8_t head[12];
    if (file.size() >= 2 && file.read(0, head, 2) && LooksLikeProgram(head, 2))
        return listProgram(Path, readWholeFile(Path), Out);
    if (file.size() >= 12 && file.read(0, head, sizeof head) && LooksLikeAniFile(head, sizeof head))
        return listAniFile(Path, Out);
    if (file.size() >= 4 && file.read(0, head, 4) && IsXcursorFile(head, 4))
        return listXcursor(Path, readWholeFile(Path), Out);
    IconFilePlan plan;
    try {
        plan = PlanIconFile(file, Path);
    } catch (const IconCodecError& e) {
        throw CliError(e.what());
    }
    char line[512];
    for (std::size_t i = 0; i < plan.Images.size(); ++i) {
        const IconImagePlan& p = plan.Images[i];
        std::string hotSpot = "-";
        if (plan.FileType == IconFile::TypeCursor)
            hotSpot = std::to_string(p.Planes) + "," + std::to_string(p.BitField);
        std::string notes = p.IsPng ? " (PNG)" : "";
        if (p.Width != p.DirectoryWidth || p.Height != p.DirectoryHeight)
            notes += " (directory: " + std::to_string(p.DirectoryWidth) + " x " +
                     std::to_string(p.DirectoryHeight) + ")";
        const int n = std::snprintf(line, sizeof line,
                                    "%s: %zu: %d x %d, %d bits, hot spot %s, %u bytes%s\n", Path,
                                    i + 1, p.Width, p.Height, p.BitCount, hotSpot.c_str(),
                                    unsigned(p.DataSize), notes.c_str());
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
        } catch (const CliError& e) {
            // Keep the order of the answers: what came before goes out first.
            std::fwrite(out.data(), 1, out.size(), stdout);
            std::fflush(stdout);
            out.clear();
            printError(e.what());
            status = 1;
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return status;
}
