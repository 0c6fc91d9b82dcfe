#include "extbind/ArgumentText.h"

#include <cstdint>
#include <cstdio>
#include <cwctype>
#include <locale.h>

namespace {

// The code point at Text[At] and its length in bytes, or a length of 0 when
// the bytes there are not well-formed UTF-8.
struct Decoded {
    uint32_t CodePoint = 0;
    size_t Length = 0;
};

Decoded decode(const std::string& Text, size_t At) {
    const auto byte = [&](size_t I) { return static_cast<unsigned char>(Text[I]); };
    const unsigned char lead = byte(At);
    if (lead < 0x80) return {lead, 1};
    size_t length = 0;
    uint32_t cp = 0, least = 0;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2, cp = lead & 0x1f, least = 0x80;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3, cp = lead & 0x0f, least = 0x800;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4, cp = lead & 0x07, least = 0x10000;
    } else {
        return {};
    }
    if (At + length > Text.size()) return {};
    for (size_t k = 1; k < length; ++k) {
        if ((byte(At + k) & 0xc0) != 0x80) return {};
        cp = (cp << 6) | (byte(At + k) & 0x3f);
    }
    if (cp < least || cp > 0x10ffff || (cp >= 0xd800 && cp <= 0xdfff)) return {};
    return {cp, length};
}

bool isXmlChar(uint32_t C) {
    return C == 0x9 || C == 0xa || C == 0xd || (C >= 0x20 && C <= 0xd7ff) ||
           (C >= 0xe000 && C <= 0xfffd) || C >= 0x10000;
}

void appendUtf8(std::string& Out, uint32_t C) {
    if (C < 0x80) {
        Out += char(C);
        return;
    }
    if (C < 0x800) {
        Out += char(0xc0 | (C >> 6));
    } else if (C < 0x10000) {
        Out += char(0xe0 | (C >> 12));
        Out += char(0x80 | ((C >> 6) & 0x3f));
    } else {
        Out += char(0xf0 | (C >> 18));
        Out += char(0x80 | ((C >> 12) & 0x3f));
        Out += char(0x80 | ((C >> 6) & 0x3f));
    }
    Out += char(0x80 | (C & 0x3f));
}

std::string hexEscape(const char* Format, unsigned Value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, Format, Value);
    return buffer;
}

} // namespace

bool ArgumentText::isXmlText(const std::string& Text) {
    for (size_t i = 0; i < Text.size();) {
        const Decoded d = decode(Text, i);
        if (d.Length == 0 || !isXmlChar(d.CodePoint)) return false;
        i += d.Length;
    }
    return true;
}

std::string ArgumentText::lowerAscii(std::string Text) {
    for (char& c : Text)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return Text;
}

std::string ArgumentText::folded(const std::string& Text) {
    // The case mapping of the C.UTF-8 locale, whatever locale the user runs.
    static const locale_t unicode = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(0));
    if (!unicode) return lowerAscii(Text);
    std::string out;
    for (size_t i = 0; i < Text.size();) {
        const Decoded d = decode(Text, i);
        if (d.Length == 0) {
            out += Text[i++];
            continue;
        }
        appendUtf8(out, uint32_t(::towlower_l(wint_t(d.CodePoint), unicode)));
        i += d.Length;
    }
    return out;
}

std::string ArgumentText::quoted(const std::string& Text) {
    std::string out = "\"";
    for (size_t i = 0; i < Text.size();) {
        const Decoded d = decode(Text, i);
        if (d.Length == 0) {
            out += hexEscape("\\x%02x", static_cast<unsigned char>(Text[i]));
            i += 1;
            continue;
        }
        if (d.CodePoint == '"' || d.CodePoint == '\\')
            out += '\\', out += char(d.CodePoint);
        else if (d.CodePoint < 0x20 || d.CodePoint == 0x7f ||
                 (d.CodePoint >= 0x80 && d.CodePoint < 0xa0))
            out += hexEscape("\\x%02x", d.CodePoint);
        else if (d.CodePoint == 0x2028 || d.CodePoint == 0x2029 || !isXmlChar(d.CodePoint))
            out += hexEscape("\\u%04x", d.CodePoint);
        else
            out.append(Text, i, d.Length);
        i += d.Length;
    }
    return out + "\"";
}
