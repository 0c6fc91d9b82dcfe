#pragma once

#include "canvas/tools/SelectionContext.h"
#include "canvas/tools/Tool.h"

// What a press with the select tool takes hold of: nothing (a new rectangle
// is dragged out), the selection itself, or one of its handles, which are its
// last column and its last row.
enum class SelectHandle { None, Move, Right, Bottom, Corner };

// The handle at Pixel of a selection lying at SelectionRect.
SelectHandle HandleAt(const QRect& SelectionRect, QPoint Pixel);
// The registered cursor that shows a handle.
int HandleCursor(SelectHandle Handle);

// The select tool: drags out a rubber band and lifts the rectangle into a
// floating selection, moves the selection and stretches it from its right,
// bottom and corner handles. The handle under the mouse when the button goes
// down decides what the drag does.
class SelectTool : public Tool {
public:
    explicit SelectTool(SelectionContext& Selection) : m_selection(Selection) {}

    void selected(ToolEnv& Env) override;
    StrokeEnd press(ToolEnv& Env, QPoint Pixel, const WorkShift& Shift) override;
    void hover(ToolEnv& Env, QPoint Pixel, const WorkShift& Shift) override;
    void drag(ToolEnv& Env, QPoint Pixel, const WorkShift& Shift) override;
    StrokeEnd release(ToolEnv& Env, QPoint Pixel, const WorkShift& Shift) override;

private:
    void showHandle(SelectHandle Handle);
    void lift(ToolEnv& Env, const QRect& Rect);

    SelectionContext& m_selection;
    SelectHandle m_handle = SelectHandle::None;
};

// The rubber band between two corners, drawn into Work: every edge pixel
// shows the inverse colour, opaque, of the top and left edges' own pixels and
// of the pixels just inside the bottom and right edges. Nothing is drawn
// when the corners share a row or a column.
void DrawRubberBand(TBitmap32& Work, QPoint From, QPoint To);
