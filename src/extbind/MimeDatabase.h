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

    explicit MimeDatabase(std::filesystem::path Folder);

    std::filesystem::path packagesFolder() const { return m_folder / "packages"; }

    // Whether update-mime-database is on PATH; without it the packages are
    // compiled whenever something next runs it.
    static bool canRefresh();

    // Runs update-mime-database on the folder, its messages kept from the
    // user. True when it succeeded; otherwise `Error` says how it failed.
    bool refresh(std::string& Error) const;

    // Whether the compiled glob list maps Glob to Type, as it does once a
    // package holding them was compiled.
    bool mapsGlob(const std::string& Glob, const std::string& Type) const;

private:
    std::filesystem::path m_folder;
};
