#include "canvas/tools/ToolInfo.h"

const std::vector<ToolInfo>& toolTable() {
    static const std::vector<ToolInfo> table = {
        {SelectTag, "select", "Select|Click to select tool.", true, 22, "Cursors\\cross.cur",
         NoPanel, "Drag mouse to select.", false},
        {PenTag, "pen", "Pencil|Click to select tool.", true, 25, "Cursors\\pencil.cur", NoPanel,
         "Drag mouse or click to draw.", false},
        {BrushTag, "brush", "Brush|Click to select tool.", true, 21, "Cursors\\brush.cur", BrushP,
         "Drag mouse or click to draw.", false},
        {EraseTag, "erase", "Eraser|Click to select tool.", true, 23, "Cursors\\move.cur", EraserP,
         "Drag mouse or click to erase.", false},
        {PickColorTag, "pickcolor", "Pick Color|Click to select tool.", true, 26,
         "Cursors\\pick.cur", NoPanel, "Click to select color.", false},
        {SprayTag, "spray", "Spray|Click to select tool.", true, 32, "Cursors\\spray.cur", SprayP,
         "Drag mouse or click to draw.", false},
        {PatilTag, "patil", "Fill Color|Click to select tool.", true, 24, "Cursors\\patil.cur",
         PatilP, "Click to fill.", false},
        {TextTag, "text", "Add Text|Click to select tool.", true, 28, "Cursors\\text.cur", TextP,
         "Click to write.", false},
        {PhotoTag, "photo", "", false, 0, "", NoPanel, "", false},
        {LineTag, "line", "Line|Click to select tool.", true, 22, "Cursors\\cross.cur", NoPanel,
         "Drag mouse to draw.", false},
        {CurveTag, "curve", "Curve|Click to select tool.", true, 22, "Cursors\\cross.cur", NoPanel,
         "Click to locate staring point.", false},
        {RectTag, "rectbtn", "Rectangle|Click to select tool.", true, 22, "Cursors\\cross.cur",
         RectP, "Drag mouse to draw.", false},
        {EllipseTag, "ellip", "Ellipse|Click to select tool.", true, 22, "Cursors\\cross.cur",
         RectP | CenterEButton, "Drag mouse to draw.", false},
        {RoundRectTag, "roundrect", "Round Rectangle|Click to select tool.", true, 22,
         "Cursors\\cross.cur", RectP | RoundP, "Drag mouse to draw.", false},
        {PolygonTag, "polygon", "Polygon|Click to select tool.", true, 22, "Cursors\\cross.cur",
         RectP, "Click to locate first point.", false},
        {HotSpotTag, "hotspot", "Hot Spot|Click to select tool.", true, 27, "Cursors\\hot.cur",
         NoPanel, "Click to set hot spot point.", true},
    };
    return table;
}

const ToolInfo* toolInfo(int Tag) {
    const auto& table = toolTable();
    if (Tag < 1 || Tag > int(table.size())) return nullptr;
    return &table[std::size_t(Tag - 1)];
}
