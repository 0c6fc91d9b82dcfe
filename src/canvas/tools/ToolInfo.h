#pragma once

#include <QString>
#include <vector>

// Option panels below the work view that belong to tools; a tool shows a
// combination of them and every other one is hidden.
enum OptionPanel : unsigned {
    NoPanel = 0,
    BrushP = 1u << 0,
    EraserP = 1u << 1,
    SprayP = 1u << 2,
    PatilP = 1u << 3,
    TextP = 1u << 4,
    RectP = 1u << 5,
    CenterEButton = 1u << 6, // the button CenterE inside RectP
    RoundP = 1u << 7,
};

// Tags of the tool buttons.
enum ToolTag : int {
    SelectTag = 1,
    PenTag = 2,
    BrushTag = 3,
    EraseTag = 4,
    PickColorTag = 5,
    SprayTag = 6,
    PatilTag = 7,
    TextTag = 8,
    PhotoTag = 9, // the screen-capture button: not a tool
    LineTag = 10,
    CurveTag = 11,
    RectTag = 12,
    EllipseTag = 13,
    RoundRectTag = 14,
    PolygonTag = 15,
    HotSpotTag = 16,
};

// One button of the tools panel and what choosing it shows: the window
// applies these when a tool is selected.
struct ToolInfo {
    int Tag = 0;
    const char* Button = "";     // component name
    const char* Hint = "";       // "short|long" tooltip and status hint
    bool IsTool = true;          // false for the screen-capture button
    int Cursor = 0;              // the registered cursor number, 0 for none
    const char* CursorFile = ""; // below the program folder
    unsigned Panels = NoPanel;   // OptionPanel bits
    const char* Status = "";     // the hint of Work while the tool is chosen
    bool HotSpotTimer = false;   // HotTim runs exactly while this tool is chosen

    QString status() const { return QString::fromUtf8(Status); }
};

// The buttons of the tools panel in tag order, 1 .. 16.
const std::vector<ToolInfo>& toolTable();
// The entry of a tag, or nullptr.
const ToolInfo* toolInfo(int Tag);
