#pragma once

#include <optional>
#include <string>

// The type a VALUE names. The shared MIME database turns each type into a file
// name below its own folder and into fields of colon-separated lines, so only
// names that can never collide with its own files or break its lines get in.
namespace MimeTypeName {

// A VALUE holding "/" names a type: a registered top-level media type and a
// subtype, each an RFC 6838 restricted name, given in lower case. Nothing when
// the VALUE is not such a name.
std::optional<std::string> parse(const std::string& Value);

// A VALUE without "/" describes the files: the type is "application/x-" and
// the description in lower case, each run of characters a type name cannot
// hold turned into "-", cut to the longest subtype allowed.
std::string forDescription(const std::string& Description);

} // namespace MimeTypeName
