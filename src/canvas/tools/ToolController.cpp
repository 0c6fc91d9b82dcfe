#include "canvas/tools/ToolController.h"

#include "canvas/tools/BrushTool.h"
#include "canvas/tools/CurveTool.h"
#include "canvas/tools/EllipseTool.h"
#include "canvas/tools/EraserTool.h"
#include "canvas/tools/FillTool.h"
#include "canvas/tools/HotSpotTool.h"
#include "canvas/tools/LineTool.h"
#include "canvas/tools/PencilTool.h"
#include "canvas/tools/PickTool.h"
#include "canvas/tools/PolygonTool.h"
#include "canvas/tools/RectangleTool.h"
#include "canvas/tools/RoundRectTool.h"
#include "canvas/tools/SprayTool.h"
#include "canvas/tools/TextTool.h"
#include "canvas/tools/ToolInfo.h"
#include "canvas/tools/ToolOptions.h"

ToolController::ToolController(ToolContext& Context)
    : m_ctx(Context), m_map(std::make_unique<CoverageMap>()) {
    registerTool(PenTag, std::make_unique<PencilTool>());
    registerTool(BrushTag, std::make_unique<BrushTool>());
    registerTool(EraseTag, std::make_unique<EraserTool>());
    registerTool(PickColorTag, std::make_unique<PickTool>());
    registerTool(SprayTag, std::make_unique<SprayTool>());
    registerTool(TextTag, std::make_unique<TextTool>());
    registerTool(LineTag, std::make_unique<LineTool>());
    registerTool(CurveTag, std::make_unique<CurveTool>());
    registerTool(RectTag, std::make_unique<RectangleTool>());
    registerTool(EllipseTag, std::make_unique<EllipseTool>());
    registerTool(RoundRectTag, std::make_unique<RoundRectTool>());
    registerTool(PolygonTag, std::make_unique<PolygonTool>());
    registerTool(HotSpotTag, std::make_unique<HotSpotTool>());
    registerTool(PatilTag, std::make_unique<FillTool>());
}

ToolController::~ToolController() = default;

void ToolController::registerTool(int Tag, std::unique_ptr<Tool> Implementation) {
    const ToolInfo* info = toolInfo(Tag);
    if (!info || !info->IsTool) return;
    m_tools[Tag] = std::move(Implementation);
}

bool ToolController::isAvailable(int Tag) const {
    return tool(Tag) != nullptr;
}

bool ToolController::currentDrawsHoverPreview() const {
    const Tool* t = currentTool();
    return t && t->drawsHoverPreview();
}

Tool* ToolController::tool(int Tag) const {
    const auto it = m_tools.find(Tag);
    return it == m_tools.end() ? nullptr : it->second.get();
}

bool ToolController::freeClick(int Tag) {
    Tool* chosen = tool(Tag);
    if (!chosen) return false;
    m_previous = m_current;
    m_current = Tag;
    const ToolInfo& info = *toolInfo(Tag);
    m_ctx.setWorkHint(info.status());
    ToolEnv e = env();
    chosen->selected(e);
    // Hover previews change the drawing colours and the fill flag (the
    // eraser paints with the background, transparent text fills nothing);
    // the next tool starts from the chosen colours.
    restoreColours();
    m_ctx.toolSelected(info);
    m_ctx.reset();
    m_ctx.renderWorkView();
    return true;
}

void ToolController::copyBlendSwitch() {
    const bool blend = m_ctx.toolOptions().Blen;
    m_ctx.workBitmap().Blend = blend;
    m_ctx.cleanBitmap().Blend = blend;
}

void ToolController::restoreColours() {
    TBitmap32& work = m_ctx.workBitmap();
    work.PenColor = m_ctx.foregroundColor32();
    work.BrushColor = m_ctx.backgroundColor32();
    work.Filled = true;
}

void ToolController::finish(StrokeEnd End) {
    if (End == StrokeEnd::Keep) return;
    if (End == StrokeEnd::ResetAndRecord)
        m_ctx.reset();
    else
        m_ctx.commit();
    // A blended stroke is snapped to the palette before it is recorded, so
    // that undo and redo bring back the colours the image really had; once
    // is enough, the release does not snap it again.
    if (End == StrokeEnd::CommitFitAndRecord || needsFit()) {
        m_ctx.fitToPalette();
        m_fitted = true;
    }
    m_ctx.pushUndo();
}

bool ToolController::needsFit() {
    return m_ctx.workBitmap().Blend && m_ctx.imageFormat() <= 8;
}

void ToolController::WorkMouseDown(QPoint Pixel, WorkButton Button, const WorkShift& Shift) {
    m_stroke.DownPixel = Pixel;
    m_stroke.LastPixel = Pixel;
    m_stroke.Button = Button;
    m_stroke.LeftButtonDown = Button == WorkButton::Left;
    TBitmap32& work = m_ctx.workBitmap();
    const TColor32 fore = m_ctx.foregroundColor32(), back = m_ctx.backgroundColor32();
    work.PenColor = Button == WorkButton::Right ? back : fore;
    work.BrushColor = Button == WorkButton::Right ? fore : back;
    copyBlendSwitch();
    m_stroke.MouseIsDown = true;
    m_fitted = false;
    if (Tool* t = currentTool()) {
        ToolEnv e = env();
        finish(t->press(e, Pixel, Shift));
        if (t->usesTimer()) {
            m_timerRunning = true;
            m_ctx.setSprayTimer(true);
        }
    }
    m_ctx.renderWorkView();
}

void ToolController::WorkMouseMove(QPoint Pixel, const WorkShift& Shift) {
    copyBlendSwitch();
    m_lastMovePixel = Pixel;
    m_ctx.reset();
    if (Tool* t = currentTool()) {
        ToolEnv e = env();
        t->hover(e, Pixel, Shift);
        if (m_stroke.MouseIsDown) {
            t->drag(e, Pixel, Shift);
            m_stroke.LastPixel = Pixel;
        }
    } else if (m_stroke.MouseIsDown) {
        m_stroke.LastPixel = Pixel;
    }
    m_ctx.renderWorkView();
}

void ToolController::WorkMouseUp(QPoint Pixel, WorkButton /*Button*/, const WorkShift& Shift) {
    if (!m_stroke.MouseIsDown) return;
    m_stroke.MouseIsDown = false;
    if (m_timerRunning) {
        m_timerRunning = false;
        m_ctx.setSprayTimer(false);
    }
    m_ctx.reset();
    if (Tool* t = currentTool()) {
        ToolEnv e = env();
        const StrokeEnd end = t->release(e, Pixel, Shift);
        if (t->returnsToPreviousTool()) freeClick(m_previous);
        finish(end);
    }
    restoreColours();
    if (!m_fitted && needsFit()) m_ctx.fitToPalette();
    m_ctx.renderWorkView();
}

void ToolController::WorkDblClick() {
    Tool* t = currentTool();
    if (!t) return;
    ToolEnv e = env();
    finish(t->doubleClick(e));
    m_ctx.renderWorkView();
}

void ToolController::SprayTimTimer() {
    Tool* t = currentTool();
    if (!t || !m_stroke.MouseIsDown || !t->usesTimer()) return;
    ToolEnv e = env();
    t->tick(e);
    m_ctx.renderWorkView();
}

void ToolController::BlenClick(bool Down) {
    m_ctx.toolOptions().Blen = Down;
    copyBlendSwitch();
    if (Down) m_ctx.reset();
    m_ctx.renderWorkView();
}

void ToolController::AntiClick(bool Down) {
    ToolOptions& o = m_ctx.toolOptions();
    o.Anti = Down;
    if (Down) o.Blen = true;
}

void ToolController::cancelPendingShape() {
    Tool* t = currentTool();
    if (!t) return;
    ToolEnv e = env();
    if (!t->cancel(e)) return;
    m_ctx.reset();
    restoreColours();
    m_ctx.setWorkHint(toolInfo(m_current)->status());
    m_ctx.renderWorkView();
}

void ToolController::txtChange() {
    Tool* t = currentTool();
    if (!t) return;
    ToolEnv e = env();
    t->textChanged(e, m_lastMovePixel);
    m_ctx.renderWorkView();
}
