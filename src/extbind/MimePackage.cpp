#include "extbind/MimePackage.h"

#include <cctype>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The database keeps each type in a file named media/subtype.xml and lists it
// in colon-separated lines, so a type is two plain names joined by one "/".
bool isValidType(const std::string &type)
{
    const auto slash = type.find('/');
    if (slash == std::string::npos)
        return false;
    const std::string media = type.substr(0, slash), subtype = type.substr(slash + 1);
    for (const std::string &part : {media, subtype}) {
        if (part.empty() || part == "." || part == "..")
            return false;
        for (unsigned char c : part) {
            if (c <= 0x20 || c == 0x7f || c == '/' || c == '\\' || c == ':')
                return false;
        }
    }
    return true;
}

// The extension ends up in a file name and after "*." in a glob: no path
// separators, no wildcards, nothing that breaks the database's line format.
bool isSafeExtension(const std::string &extension)
{
    if (extension.empty())
        return false;
    for (unsigned char c : extension) {
        if (c < 0x20 || c == 0x7f || std::string("/\\*?[]:").find(char(c)) != std::string::npos)
            return false;
    }
    return true;
}

// Text an XML 1.0 document can hold: well-formed UTF-8 without control
// characters other than tab, line feed and carriage return.
bool isXmlText(const std::string &text)
{
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        size_t length = 1;
        if (c < 0x80) {
            if (c < 0x20 && c != '\t' && c != '\n' && c != '\r')
                return false;
        } else if ((c & 0xe0) == 0xc0 && c >= 0xc2) {
            length = 2;
        } else if ((c & 0xf0) == 0xe0) {
            length = 3;
        } else if ((c & 0xf8) == 0xf0 && c <= 0xf4) {
            length = 4;
        } else {
            return false;
        }
        if (i + length > text.size())
            return false;
        for (size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xc0) != 0x80)
                return false;
        }
        i += length;
    }
    return true;
}

std::string xmlEscaped(const std::string &text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&apos;"; break;
        // Kept as references so an attribute or a reader never folds them.
        case '\t': out += "&#9;"; break;
        case '\n': out += "&#10;"; break;
        case '\r': out += "&#13;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string lowerAscii(std::string text)
{
    for (char &c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

} // namespace

MimePackage::MimePackage(std::string extension, std::string type, std::string comment)
    : m_extension(std::move(extension)), m_type(std::move(type)), m_comment(std::move(comment))
{
}

std::string MimePackage::typeForValue(const std::string &value)
{
    if (value.find('/') != std::string::npos)
        return value;
    std::string type = "application/x-";
    bool inBlanks = false;
    for (char c : lowerAscii(value)) {
        if (isBlank(c)) {
            if (!inBlanks)
                type += '-';
            inBlanks = true;
        } else {
            type += c;
            inBlanks = false;
        }
    }
    return type;
}

std::optional<MimePackage> MimePackage::make(const std::string &extension, const std::string &value,
                                             std::string &error)
{
    if (!isSafeExtension(extension)) {
        error = "unusable extension \"" + extension
                + "\": it must be a non-empty name without \"/\", \"\\\", \":\", wildcards or control characters";
        return std::nullopt;
    }
    if (!isXmlText(value)) {
        error = "unusable value: it must be UTF-8 text without control characters";
        return std::nullopt;
    }
    std::string type = typeForValue(value);
    if (!isValidType(type)) {
        error = "unusable value \"" + value + "\": \"" + type + "\" is not a valid MIME type name";
        return std::nullopt;
    }
    return MimePackage(extension, std::move(type), value);
}

std::string MimePackage::fileName() const
{
    return "extbind-" + lowerAscii(m_extension) + ".xml";
}

std::string MimePackage::xml() const
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
           "  <mime-type type=\""
           + xmlEscaped(m_type) + "\">\n    <comment>" + xmlEscaped(m_comment) + "</comment>\n"
           + "    <glob pattern=\"*." + xmlEscaped(m_extension) + "\" weight=\"100\"/>\n  </mime-type>\n</mime-info>\n";
}
