#pragma once

#include <cstdint>
#include <string>
#include <vector>

// brisel-cli on Windows programs and libraries: their icon and cursor groups.

// True when the file at Path starts like a Windows program.
bool isProgramFile(const std::string& Path);

// One line per group appended to Out: kind, name or number, image count and
// the images' sizes.
void listProgram(const std::string& Path, const std::vector<std::uint8_t>& Bytes, std::string& Out);

// Writes each group (only the one Group names, when it is not empty) as
// Dir/<base name>-<group>.ico or .cur, its images byte for byte as the
// program holds them.
void extractProgram(const std::string& Path, const std::vector<std::uint8_t>& Bytes,
                    const std::string& Dir, const std::string& Group);
