#pragma once

// What the work view tells the tools about a mouse event, in image terms only:
// the tools never see the widget toolkit's event types.
enum class WorkButton { Left, Right, Middle };

// The keys and buttons held during a mouse event. Double marks the press that
// belongs to a double click.
struct WorkShift {
    bool Shift = false;
    bool Ctrl = false;
    bool Alt = false;
    bool Left = false;
    bool Right = false;
    bool Middle = false;
    bool Double = false;
};
