#pragma once

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <exception>
#include <functional>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "document/file/Parallel.h"

// A command that cannot be carried out. The message names the file and the
// reason; the program prints it on one line and ends with status 1.
class CliError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

using Arguments = std::vector<std::string>;

// The commands; each returns the exit status. Args are the arguments after
// the command's name.
int runExtract(const Arguments& Args);
int runCreate(const Arguments& Args);
int runConvert(const Arguments& Args);
int runThumbnail(const Arguments& Args);

// "brisel-cli: " and the message on one line of standard error.
void printError(const std::string& Message);

// "3 sizes larger than 256 pixels are left out": what a cursor or icon
// file, or an animated cursor, made from an X cursor could not hold.
std::string largeSizesLeftOut(int Count);

// The whole file at Path; throws CliError naming it when it cannot be read.
std::vector<std::uint8_t> readWholeFile(const std::string& Path);

// Up to Count bytes from the start of the file at Path into Into; returns how
// many there were. Throws CliError naming Path when it cannot be read.
std::size_t readFileStart(const std::string& Path, std::uint8_t* Into, std::size_t Count);

// Writes Bytes to a new file beside Path and only then puts it in Path's
// place, so an existing Path is never left half-written; a Path that does
// not exist yet is written in place and removed again if writing fails. An existing file keeps its
// permissions. Unlike the editor's save this does not wait for the disk: a
// batch of files would otherwise wait once per file.
void writeFileReplacing(const std::string& Path, const std::vector<std::uint8_t>& Bytes);
// The same with the file's bytes put in by Write, given the new file's
// descriptor (and Path, for messages); when Write throws, the new file is
// removed and Path left as it was.
void writeFileReplacing(const std::string& Path, const std::function<void(int Fd)>& Write);
// Count bytes of Data at Offset of the file Fd; throws CliError naming Path.
void writeAt(int Fd, const std::string& Path, const std::uint8_t* Data, std::size_t Count,
             std::uint64_t Offset);

// A whole number from Low to High in Text (spaces around it allowed); throws
// CliError "<Command>: <What> must be a number from Low to High, ...".
int parseNumber(const std::string& Command, const std::string& Text, int Low, int High,
                const std::string& What);
// A comma-separated list of whole numbers from Low to High, as parseNumber
// reads each.
std::vector<int> parseNumbers(const std::string& Command, const std::string& List, int Low,
                              int High, const std::string& What);
// A comma-separated list of sizes from 1 to Max, each kept once, in order.
std::vector<int> parseSizes(const std::string& Command, const std::string& List, int Max);
// A hot spot written "X,Y", each from 0 to High; throws CliError
// "<Command>: the hot spot is written X,Y" or as parseNumber does.
void parseHotSpot(const std::string& Command, const std::string& XY, int High, int& X, int& Y);

// A command's arguments in order: its options, each with its value where it
// takes one, and its plain arguments.
class ArgumentReader {
public:
    ArgumentReader(std::string Command, const Arguments& Args)
        : m_command(std::move(Command)), m_args(Args) {}
    // Moves to the next argument; false when there is none.
    bool next() { return ++m_at < m_args.size(); }
    const std::string& argument() const { return m_args[m_at]; }
    bool isOption() const { return argument().compare(0, 2, "--") == 0; }
    // The argument after the current option; throws CliError
    // "<Command>: <option> needs a value" when there is none.
    const std::string& value();

private:
    std::string m_command;
    const Arguments& m_args;
    std::size_t m_at = std::size_t(-1);
};

// Makes the folder Path and the folders above it that are missing.
void makeFolders(const std::string& Path);

// Path without its folder and its last extension ("a/b/app.ico" -> "app").
std::string baseName(const std::string& Path);

