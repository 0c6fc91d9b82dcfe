#pragma once

#include "canvas/WorkMouse.h"
#include "canvas/tools/CoverageMap.h"
#include "canvas/tools/Tool.h"
#include "canvas/tools/ToolContext.h"

#include <QPoint>
#include <map>
#include <memory>

// The mouse protocol of the work view, written once for every tool: which
// colour each button paints with, resetting the WorkBitmap before every move
// so previews never accumulate, committing and recording finished changes,
// restoring the colours after a release, snapping a blended stroke to the
// palette, and choosing tools. The session owns one and feeds it image pixels.
class ToolController {
public:
    // Registers every painting tool; the select tool is registered by its
    // owner.
    explicit ToolController(ToolContext& Context);
    ~ToolController();
    ToolController(const ToolController&) = delete;
    ToolController& operator=(const ToolController&) = delete;

    void registerTool(int Tag, std::unique_ptr<Tool> Implementation);
    // Whether a tool button can be used: a tool tag with an implementation.
    bool isAvailable(int Tag) const;
    Tool* tool(int Tag) const;

    // freeClick: chooses the tool of a button. False (and nothing changes)
    // for a tag that is not an available tool.
    bool freeClick(int Tag);
    int CurrentTool() const { return m_current; }
    int PreviousTool() const { return m_previous; }
    // Whether the current tool previews under the hovering mouse.
    bool currentDrawsHoverPreview() const;

    void WorkMouseDown(QPoint Pixel, WorkButton Button, const WorkShift& Shift);
    void WorkMouseMove(QPoint Pixel, const WorkShift& Shift);
    void WorkMouseUp(QPoint Pixel, WorkButton Button, const WorkShift& Shift);
    // Arrives before the press of the second click of a double click.
    void WorkDblClick();
    void SprayTimTimer();

    // The mode switches: Blen copies into both bitmaps at once; Anti going
    // down pushes Blen down too (re-read toolOptions().Blen afterwards).
    void BlenClick(bool Down);
    void AntiClick(bool Down);
    // txtChange: the text tool previews the new text at the last mouse pixel.
    void txtChange();
    // An unfinished curve or polygon is given up: its preview leaves the
    // WorkBitmap and its clicks start again from the first.
    void cancelPendingShape();

    const Stroke& stroke() const { return m_stroke; }
    CoverageMap& coverageMap() { return *m_map; }

private:
    ToolEnv env() { return ToolEnv{m_ctx, *m_map, m_stroke}; }
    Tool* currentTool() const { return tool(m_current); }
    void finish(StrokeEnd End);
    bool needsFit();
    void copyBlendSwitch();
    void restoreColours();

    ToolContext& m_ctx;
    std::unique_ptr<CoverageMap> m_map;
    std::map<int, std::unique_ptr<Tool>> m_tools;
    int m_current = 2;
    int m_previous = 2;
    Stroke m_stroke;
    QPoint m_lastMovePixel;
    bool m_timerRunning = false;
    bool m_fitted = false; // this press's change was already snapped
};
