#include "document/file/PaletteText.h"

#include <cstdio>

PaletteText::PaletteText(const std::uint8_t* Data, std::size_t Size) : m_data(Data), m_size(Size) {}

bool PaletteText::next(std::string& Line) {
    if (m_pos >= m_size) return false;
    std::size_t end = m_pos;
    while (end < m_size && m_data[end] != '\n' && m_data[end] != '\r')
        ++end;
    Line.assign(reinterpret_cast<const char*>(m_data + m_pos), end - m_pos);
    if (end < m_size && m_data[end] == '\r' && end + 1 < m_size && m_data[end + 1] == '\n') ++end;
    m_pos = end + 1;
    ++m_line;
    return true;
}

bool ReadPaletteNumber(const std::string& Text, std::size_t& Pos, int Max, int& Value) {
    while (Pos < Text.size() && (Text[Pos] == ' ' || Text[Pos] == '\t'))
        ++Pos;
    const std::size_t start = Pos;
    long v = 0;
    while (Pos < Text.size() && Text[Pos] >= '0' && Text[Pos] <= '9') {
        v = v * 10 + (Text[Pos] - '0');
        if (v > Max) return false;
        ++Pos;
    }
    if (Pos == start) return false;
    // "12abc" is no number.
    if (Pos < Text.size() && Text[Pos] != ' ' && Text[Pos] != '\t') return false;
    Value = int(v);
    return true;
}

bool ReadPaletteRgb(const std::string& Text, std::size_t& Pos, std::uint32_t& RGB) {
    int r, g, b;
    if (!ReadPaletteNumber(Text, Pos, 255, r) || !ReadPaletteNumber(Text, Pos, 255, g) ||
        !ReadPaletteNumber(Text, Pos, 255, b))
        return false;
    RGB = std::uint32_t(r) | std::uint32_t(g) << 8 | std::uint32_t(b) << 16;
    return true;
}

std::string PaletteRgbText(std::uint32_t RGB, int Width) {
    char text[32];
    std::snprintf(text, sizeof text, "%*u %*u %*u", Width, unsigned(RGB & 0xFF), Width,
                  unsigned(RGB >> 8 & 0xFF), Width, unsigned(RGB >> 16 & 0xFF));
    return text;
}

void AppendText(std::vector<std::uint8_t>& Out, const std::string& Text) {
    Out.insert(Out.end(), Text.begin(), Text.end());
}
