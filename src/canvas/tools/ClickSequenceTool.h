#pragma once

#include "canvas/tools/Tool.h"

// Shapes placed by a sequence of clicks (curve, polygon): the count of clicks
// made so far starts afresh whenever the tool is chosen, a right click after
// the first one cancels, and every mouse move previews the shape so far.
class ClickSequenceTool : public Tool {
public:
    void selected(ToolEnv&) override { m_step = 0; }
    bool cancel(ToolEnv&) override;
    int step() const { return m_step; }

protected:
    // The preview's drag extent: mouse pixel minus the last press pixel.
    static void showExtent(ToolEnv& Env, QPoint Pixel);

    int m_step = 0;
};
