#include "cursortheme/InstallInf.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <sstream>
#include <stdexcept>

namespace {

std::string lowered(std::string Text) {
    for (char& c : Text)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return Text;
}

std::string trimmed(const std::string& Text) {
    const std::size_t first = Text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return std::string();
    return Text.substr(first, Text.find_last_not_of(" \t\r") - first + 1);
}

// UTF-16 little or big endian (by its byte order mark) to UTF-8; other text
// as it is, without a UTF-8 byte order mark.
std::string utf8(const std::string& Bytes) {
    const auto u = [&](std::size_t I) { return static_cast<unsigned char>(Bytes[I]); };
    if (Bytes.size() >= 2 && ((u(0) == 0xFF && u(1) == 0xFE) || (u(0) == 0xFE && u(1) == 0xFF))) {
        const bool little = u(0) == 0xFF;
        std::string out;
        for (std::size_t i = 2; i + 1 < Bytes.size(); i += 2) {
            const unsigned c = little ? u(i) | u(i + 1) << 8 : u(i) << 8 | u(i + 1);
            if (c < 0x80) {
                out += char(c);
            } else if (c < 0x800) {
                out += char(0xC0 | c >> 6);
                out += char(0x80 | (c & 0x3F));
            } else {
                // Surrogate halves come out as they are; file names of
                // cursors do not reach beyond the first plane in practice.
                out += char(0xE0 | c >> 12);
                out += char(0x80 | ((c >> 6) & 0x3F));
                out += char(0x80 | (c & 0x3F));
            }
        }
        return out;
    }
    if (Bytes.size() >= 3 && u(0) == 0xEF && u(1) == 0xBB && u(2) == 0xBF) return Bytes.substr(3);
    return Bytes;
}

// A line's comma-separated fields; commas inside double quotes belong to the
// field, the quotes do not; "" inside quotes is one quote. A ';' outside
// quotes starts a comment.
std::vector<std::string> fields(const std::string& Line) {
    std::vector<std::string> out(1);
    bool quoted = false;
    for (std::size_t i = 0; i < Line.size(); ++i) {
        const char c = Line[i];
        if (c == '"') {
            if (quoted && i + 1 < Line.size() && Line[i + 1] == '"') {
                out.back() += '"';
                ++i;
            } else {
                quoted = !quoted;
            }
        } else if (c == ',' && !quoted) {
            out.push_back(std::string());
        } else if (c == ';' && !quoted) {
            break;
        } else {
            out.back() += c;
        }
    }
    for (std::string& f : out)
        f = trimmed(f);
    return out;
}

// Puts the [Strings] values in for %key%; %10% (the Windows folder) and
// other unknown keys become nothing, and %% one percent sign.
std::string expanded(const std::string& Text, const std::map<std::string, std::string>& Strings) {
    std::string out;
    for (std::size_t i = 0; i < Text.size(); ++i) {
        const std::size_t end = Text[i] == '%' ? Text.find('%', i + 1) : std::string::npos;
        if (end == std::string::npos) {
            out += Text[i];
            continue;
        }
        const std::string key = lowered(Text.substr(i + 1, end - i - 1));
        if (key.empty()) out += '%';
        const auto it = Strings.find(key);
        if (it != Strings.end()) out += it->second;
        i = end;
    }
    return out;
}

std::string fileNameOf(const std::string& Path) {
    const std::size_t cut = Path.find_last_of("\\/");
    return trimmed(cut == std::string::npos ? Path : Path.substr(cut + 1));
}

} // namespace

InstallInfScheme ParseInstallInf(const std::string& Bytes) {
    std::vector<std::string> lines;
    {
        std::istringstream in(utf8(Bytes));
        for (std::string line; std::getline(in, line);)
            lines.push_back(trimmed(line));
    }
    std::map<std::string, std::string> strings;
    std::string section;
    for (const std::string& line : lines) {
        if (!line.empty() && line[0] == '[') {
            section = lowered(line);
            continue;
        }
        const std::size_t eq = line.find('=');
        if (section != "[strings]" || eq == std::string::npos || line[0] == ';') continue;
        const std::vector<std::string> value = fields(line.substr(eq + 1));
        strings[lowered(trimmed(line.substr(0, eq)))] = value.front();
    }

    InstallInfScheme scheme;
    const std::vector<const CursorRole*> slots = SchemeCursorRoles();
    for (const std::string& line : lines) {
        const std::vector<std::string> f = fields(line);
        if (f.size() < 5 || lowered(f[1]) != "control panel\\cursors\\schemes") continue;
        scheme.Name = expanded(f[2], strings);
        std::string list = expanded(f[4], strings);
        for (std::size_t i = 5; i < f.size(); ++i)
            list += "," + expanded(f[i], strings); // an unquoted list
        std::istringstream parts(list);
        std::size_t slot = 0;
        for (std::string part; std::getline(parts, part, ','); ++slot) {
            const std::string name = fileNameOf(part);
            if (!name.empty() && slot < slots.size()) scheme.Slots.push_back({slots[slot], name});
        }
        break;
    }
    if (scheme.Slots.empty()) {
        for (const std::string& line : lines) {
            const std::vector<std::string> f = fields(line);
            if (f.size() < 5 || lowered(f[1]) != "control panel\\cursors") continue;
            const std::string value = lowered(expanded(f[2], strings));
            for (const CursorRole* r : slots)
                if (lowered(r->Registry) == value &&
                    std::none_of(scheme.Slots.begin(), scheme.Slots.end(),
                                 [r](const InstallInfScheme::Slot& S) { return S.Role == r; })) {
                    const std::string name = fileNameOf(expanded(f[4], strings));
                    if (!name.empty()) scheme.Slots.push_back({r, name});
                }
        }
        std::stable_sort(scheme.Slots.begin(), scheme.Slots.end(),
                         [&](const InstallInfScheme::Slot& A, const InstallInfScheme::Slot& B) {
                             return std::find(slots.begin(), slots.end(), A.Role) <
                                    std::find(slots.begin(), slots.end(), B.Role);
                         });
    }
    if (scheme.Slots.empty())
        throw std::runtime_error("it sets up no cursor scheme (no \"Control Panel\\Cursors\" "
                                 "entries)");
    return scheme;
}
