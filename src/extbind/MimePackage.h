#pragma once

#include <optional>
#include <string>

// One freedesktop shared-mime-info package that maps a file extension to a
// MIME type. Built only from arguments that are safe to put in a file name,
// a glob and an XML document.
class MimePackage {
public:
    // The package for EXTENSION (a leading dot dropped) and VALUE, or nothing
    // with `Error` saying in one line what was wrong. A VALUE naming a type is
    // that type, in lower case; any other VALUE describes a type of its own.
    // Either way the VALUE is the description.
    static std::optional<MimePackage> make(const std::string& Extension, const std::string& Value,
                                           std::string& Error);

    // The same glob for Type, which the database already describes: the
    // package then adds the glob and nothing else, so the type's description
    // and its other globs stay as they were.
    MimePackage onlyGlobFor(const std::string& Type) const;

    // The package's file name inside mime/packages. Extensions differing only
    // in case share one file, since the database matches globs regardless of
    // case: the last run wins, as it would for the same extension.
    std::string fileName() const;
    std::string xml() const;
    const std::string& type() const { return m_type; }
    std::string glob() const { return "*." + m_extension; }

private:
    MimePackage(std::string Extension, std::string Type, std::optional<std::string> Comment);

    std::string m_extension;
    std::string m_type;
    std::optional<std::string> m_comment;
};
