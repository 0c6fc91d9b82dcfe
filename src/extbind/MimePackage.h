#pragma once

#include <optional>
#include <string>

// One freedesktop shared-mime-info package that maps a file extension to a
// MIME type. Built only from arguments that are safe to put in a file name,
// a glob and an XML document.
class MimePackage {
public:
    // The package, or nothing with `error` saying what was wrong.
    static std::optional<MimePackage> make(const std::string &extension, const std::string &value,
                                           std::string &error);

    // The type a value names: the value itself when it holds "/", otherwise
    // "application/x-" and the value in lower case, each run of blanks a "-".
    static std::string typeForValue(const std::string &value);

    // The package's file name inside mime/packages. Extensions differing only
    // in case share one file, since the database matches globs regardless of
    // case: the last run wins, as it would for the same extension.
    std::string fileName() const;
    std::string xml() const;
    const std::string &type() const { return m_type; }

private:
    MimePackage(std::string extension, std::string type, std::string comment);

    std::string m_extension;
    std::string m_type;
    std::string m_comment;
};
