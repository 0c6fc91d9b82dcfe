#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The lines of a text palette file (GIMP, JASC), whatever its line ends
// (LF, CR LF or CR), for the readers to take apart.
class PaletteText {
public:
    PaletteText(const std::uint8_t* Data, std::size_t Size);

    // The next line without its end, false at the end of the text.
    bool next(std::string& Line);
    // The number of the line next() gave last, from 1, for messages.
    int lineNumber() const { return m_line; }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
    int m_line = 0;
};

// Reads the whole decimal number at Text[Pos] onwards (after blanks and
// tabs) into Value; false when there is none or it lies outside 0..Max. Pos
// moves past it.
bool ReadPaletteNumber(const std::string& Text, std::size_t& Pos, int Max, int& Value);

// Reads "R G B" (each 0 to 255, separated by blanks or tabs) from Text at
// Pos into RGB, red in the low byte; false when there are not three numbers
// there. Pos moves past them.
bool ReadPaletteRgb(const std::string& Text, std::size_t& Pos, std::uint32_t& RGB);

// The text "R G B" of RGB, with Width columns per number (right-aligned).
std::string PaletteRgbText(std::uint32_t RGB, int Width);

// Text appended to Out as bytes.
void AppendText(std::vector<std::uint8_t>& Out, const std::string& Text);
