#pragma once

#include <filesystem>
#include <string>

// The user's shared MIME database: a "mime" folder whose "packages" hold the
// source files that update-mime-database compiles into the lookup files.
class MimeDatabase {
public:
    // $XDG_DATA_HOME/mime, or ~/.local/share/mime when that is unset, empty or
    // relative (such a value is to be ignored). Empty when neither is known.
    static std::filesystem::path userFolder();

    explicit MimeDatabase(std::filesystem::path folder);

    std::filesystem::path packagesFolder() const { return m_folder / "packages"; }

    // Runs update-mime-database on the folder when the program is on PATH.
    // True when it ran and succeeded or is not installed; otherwise `error`
    // says how it failed.
    bool refresh(std::string &error) const;

private:
    std::filesystem::path m_folder;
};
