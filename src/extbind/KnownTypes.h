#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>

// The types the shared MIME database already describes: those compiled into
// the system's databases and those the user's other packages describe. A glob
// added for one of them must leave its description and its other globs alone.
class KnownTypes {
public:
    // The system databases of $XDG_DATA_DIRS (or /usr/local/share and
    // /usr/share) and the packages in UserPackages, except the one named
    // Replaced, which a run is about to replace.
    static KnownTypes read(const std::filesystem::path& UserPackages,
                           const std::filesystem::path& Replaced);

    // The type Type stands for (itself, or what it is an alias of), or
    // nothing when no database knows it.
    std::optional<std::string> canonical(const std::string& Type) const;

private:
    void addType(const std::string& Type) { m_types.insert(Type); }
    void addAlias(const std::string& Alias, const std::string& Type) { m_aliases[Alias] = Type; }
    void readSystemDatabase(const std::filesystem::path& Folder);
    void readPackage(const std::filesystem::path& File);

    std::set<std::string> m_types;
    std::map<std::string, std::string> m_aliases;
};
