#pragma once

#include <string>

// What the command line may carry into a package and into a message.
namespace ArgumentText {

// Well-formed UTF-8 (no overlong forms, surrogates or code points past
// U+10FFFF) made only of characters an XML 1.0 document may hold: tab, line
// feed, carriage return, U+0020 to U+D7FF, U+E000 to U+FFFD and the
// supplementary planes.
bool isXmlText(const std::string& Text);

// Text with the ASCII capitals A to Z made small, every other byte kept.
std::string lowerAscii(std::string Text);

// Well-formed UTF-8 text with every letter made small, for comparing text
// that a reader matches regardless of case.
std::string folded(const std::string& Text);

// The text in double quotes for a one-line message: control characters,
// quotes, backslashes and bytes that are not UTF-8 are written as escapes.
std::string quoted(const std::string& Text);

} // namespace ArgumentText
