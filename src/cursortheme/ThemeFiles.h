#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// The few file operations cursor themes need, with the C library alone, so
// the batch command keeps no other dependency. Failures throw ThemeFileError
// with the path and the system's reason.
class ThemeFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

namespace ThemeFiles {
std::vector<std::uint8_t> read(const std::string& Path);
void write(const std::string& Path, const std::vector<std::uint8_t>& Bytes);
void makeFolder(const std::string& Path);
void link(const std::string& Target, const std::string& Path);
// The entries of a folder (without "." and ".."), sorted; empty when it
// cannot be read.
std::vector<std::string> list(const std::string& Folder);
bool isFolder(const std::string& Path);
bool exists(const std::string& Path);
// The file a path ends at once links are followed; empty when it does not
// exist.
std::string resolved(const std::string& Path);
// Removes a folder and everything below it (links are removed, never
// followed).
void removeTree(const std::string& Path);
// Puts the finished folder From in To's place; an existing To is replaced
// only once From is complete and is left as it was when that fails.
void replaceFolder(const std::string& From, const std::string& To);
} // namespace ThemeFiles
