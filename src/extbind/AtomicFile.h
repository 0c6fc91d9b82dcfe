#pragma once

#include <filesystem>
#include <string>

// Writes a whole file or nothing: the text goes to a temporary file in the
// same folder, which is flushed and then renamed over the target, so readers
// see the old file or the new one, never a half-written one.
class AtomicFile {
public:
    explicit AtomicFile(std::filesystem::path path);

    // True on success; otherwise `error` holds the reason.
    bool write(const std::string& text, std::string& error) const;

private:
    std::filesystem::path m_path;
};
