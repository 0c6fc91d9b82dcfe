#include "extbind/MimePackage.h"

#include "extbind/ArgumentText.h"
#include "extbind/MimeTypeName.h"

namespace {

// The extension ends up in a file name and after "*." in a glob: no path
// separators, no wildcards, nothing that breaks the database's line format.
bool isSafeExtension(const std::string& Extension) {
    if (Extension.empty() || !ArgumentText::isXmlText(Extension)) return false;
    for (unsigned char c : Extension) {
        if (c < 0x20 || c == 0x7f || std::string("/\\*?[]:").find(char(c)) != std::string::npos)
            return false;
    }
    return true;
}

std::string xmlEscaped(const std::string& Text) {
    std::string out;
    for (char c : Text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        // Kept as references so an attribute or a reader never folds them.
        case '\t':
            out += "&#9;";
            break;
        case '\n':
            out += "&#10;";
            break;
        case '\r':
            out += "&#13;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace

MimePackage::MimePackage(std::string Extension, std::string Type,
                         std::optional<std::string> Comment)
    : m_extension(std::move(Extension)), m_type(std::move(Type)), m_comment(std::move(Comment)) {}

std::optional<MimePackage> MimePackage::make(const std::string& Extension, const std::string& Value,
                                             std::string& Error) {
    // ".ico" is how people write the extension ico; kept, it would make the
    // glob "*..ico", which matches nothing they meant.
    const std::string extension =
        !Extension.empty() && Extension[0] == '.' ? Extension.substr(1) : Extension;
    if (!isSafeExtension(extension)) {
        Error = "unusable extension " + ArgumentText::quoted(Extension) +
                ": it must be UTF-8 text without \"/\", \"\\\", \":\", wildcards or control "
                "characters";
        return std::nullopt;
    }
    if (!ArgumentText::isXmlText(Value)) {
        Error = "unusable value " + ArgumentText::quoted(Value) +
                ": it must be UTF-8 text without control characters or noncharacters";
        return std::nullopt;
    }
    if (Value.find('/') == std::string::npos)
        return MimePackage(extension, MimeTypeName::forDescription(Value), Value);
    const std::optional<std::string> type = MimeTypeName::parse(Value);
    if (!type) {
        Error = "unusable type " + ArgumentText::quoted(Value) +
                ": a type is application, audio, font, image, model, text, video, message or "
                "multipart, \"/\" and a subtype of up to 127 letters, digits and !#$&-^_.+ "
                "starting with a letter or digit";
        return std::nullopt;
    }
    return MimePackage(extension, *type, Value);
}

MimePackage MimePackage::onlyGlobFor(const std::string& Type) const {
    return MimePackage(m_extension, Type, std::nullopt);
}

std::string MimePackage::fileName() const {
    return "extbind-" + ArgumentText::lowerAscii(m_extension) + ".xml";
}

std::string MimePackage::xml() const {
    std::string text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
        "  <mime-type type=\"" +
        xmlEscaped(m_type) + "\">\n";
    if (m_comment) text += "    <comment>" + xmlEscaped(*m_comment) + "</comment>\n";
    return text + "    <glob pattern=\"" + xmlEscaped(glob()) +
           "\" weight=\"100\"/>\n  </mime-type>\n</mime-info>\n";
}
