#pragma once

#include "pixel/TColor32.h"
#include "session/CustomColours.h"

#include <QRect>
#include <QString>
#include <cstdint>

// The program-wide settings that live between runs. The values start as a
// first run sees them; the settings store overwrites what it holds.
struct ProgramSettings {
    // Main window bounds.
    int Left = 197;
    int Top = 114;
    int Width = 712;
    int Height = 550;
    // Display colours, RGB with red in the low byte.
    TColor GridColor = 0x808080;
    TColor TraColor = 0xD2BB6A;
    TColor InvColor = 0x72B0CB;
    int UndoMax = 10;
    bool Grid = true;   // the grid is shown
    bool Tool = true;   // the tool bar is shown
    bool Status = true; // the status bar is shown
    int Icons = 121;    // width of the image list panel
    std::uint8_t TraRange = 100;
    // The text tool's font.
    QString FontName = QStringLiteral("MS Sans Serif");
    int FontSize = 8;
    bool FontBold = false;
    bool FontItalic = false;
    bool FontUnderline = false;
    bool FontStrikeout = false;
    CustomColours CustomColors;

    static constexpr int UndoMaxLimit = 999;
};
