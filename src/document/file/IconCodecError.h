#pragma once

#include <stdexcept>
#include <string>

// An icon or cursor file that cannot be read or written. what() is the whole
// text the user sees: it names the file (when there is one) and the reason.
class IconCodecError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    // "<fileName> is not an icon." followed by the reason.
    static IconCodecError notAnIcon(const std::string& fileName, const std::string& reason) {
        std::string text = fileName + " is not an icon.";
        if (!reason.empty()) text += ' ' + reason;
        return IconCodecError(text);
    }
};
