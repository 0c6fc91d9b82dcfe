#include "extbind/MimeTypeName.h"

#include "extbind/ArgumentText.h"

#include <array>
#include <cstdio>

namespace {

// The top-level media types IANA registers; "x-" and made-up ones such as
// "packages" or "globs2" would name the database's own files.
constexpr std::array<const char*, 9> registeredMedia = {
    "application", "audio", "font", "image", "model", "text", "video", "message", "multipart"};

// RFC 6838, section 4.2: at most 127 characters.
constexpr size_t longestName = 127;

bool isAlphaNumeric(char C) {
    return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z') || (C >= '0' && C <= '9');
}

bool isRestrictedNameChar(char C) {
    return isAlphaNumeric(C) || std::string("!#$&-^_.+").find(C) != std::string::npos;
}

bool isRestrictedName(const std::string& Name) {
    if (Name.empty() || Name.size() > longestName || !isAlphaNumeric(Name[0])) return false;
    for (char c : Name)
        if (!isRestrictedNameChar(c)) return false;
    return true;
}

} // namespace

std::optional<std::string> MimeTypeName::parse(const std::string& Value) {
    const size_t slash = Value.find('/');
    if (slash == std::string::npos) return std::nullopt;
    const std::string media = ArgumentText::lowerAscii(Value.substr(0, slash));
    const std::string subtype = ArgumentText::lowerAscii(Value.substr(slash + 1));
    bool registered = false;
    for (const char* m : registeredMedia)
        registered = registered || media == m;
    if (!registered || !isRestrictedName(subtype)) return std::nullopt;
    return media + "/" + subtype;
}

std::string MimeTypeName::forDescription(const std::string& Description) {
    std::string name;
    bool replaced = false;
    for (char c : ArgumentText::lowerAscii(Description)) {
        if (isRestrictedNameChar(c)) {
            name += c;
            replaced = false;
        } else if (!replaced) {
            name += '-';
            replaced = true;
        }
    }
    // A description in a script the name cannot spell still needs a type of
    // its own: its bytes in hexadecimal tell it from every other one.
    bool spelled = false;
    for (char c : name)
        spelled = spelled || isAlphaNumeric(c);
    if (!spelled) {
        name.clear();
        for (unsigned char c : Description) {
            char hex[3];
            std::snprintf(hex, sizeof hex, "%02x", c);
            name += hex;
        }
    }
    name = "x-" + name;
    if (name.size() > longestName) name.resize(longestName);
    while (name.back() == '-')
        name.pop_back();
    return "application/" + name;
}
