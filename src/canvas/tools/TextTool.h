#pragma once

#include "canvas/tools/Tool.h"

// One line of text centred on the clicked pixel, in the pressed button's
// colour, on a box of the other colour unless the background is transparent
// (TexTran). Every move previews it under the mouse.
class TextTool : public Tool {
public:
    bool drawsHoverPreview() const override { return true; }
    StrokeEnd press(ToolEnv& Env, QPoint Pixel, const WorkShift& Shift) override;
    void hover(ToolEnv& Env, QPoint Pixel, const WorkShift& Shift) override;
    void textChanged(ToolEnv& Env, QPoint Pixel) override;

    // Writes the text of the options centred on Pixel with the WorkBitmap's
    // current colours.
    static void write(ToolEnv& Env, QPoint Pixel);

private:
    static void preview(ToolEnv& Env, QPoint Pixel);
};
