#pragma once

#include "canvas/WorkMouse.h"
#include "canvas/tools/ToolContext.h"

#include <QPoint>

class CoverageMap;
struct FillOptions;
struct ToolOptions;

// The state of the press in progress, kept by the controller.
struct Stroke {
    bool MouseIsDown = false;
    WorkButton Button = WorkButton::Left;
    bool LeftButtonDown = true;
    QPoint DownPixel;
    QPoint LastPixel; // pixel of the previous event of the drag
};

// What a tool gets at every call.
struct ToolEnv {
    ToolContext& Ctx;
    CoverageMap& Map;
    const Stroke& Press;

    TBitmap32& work() { return Ctx.workBitmap(); }
    ToolOptions& options() { return Ctx.toolOptions(); }
    FillOptions& fill() { return Ctx.fillOptions(); }
};

// How a tool's event ends: with nothing more, or with the WorkBitmap committed
// (or reset to the committed state) and the result recorded for undo.
// CommitFitAndRecord also snaps the committed image to a palette image's
// palette whatever the blend switch, for a change that brings colours of its
// own (a gradient).
enum class StrokeEnd { Keep, CommitAndRecord, ResetAndRecord, CommitFitAndRecord };

// One painting tool. The controller runs the shared mouse protocol (colours
// of the pressed button, reset before every move, committing, recording,
// restoring the colours) and calls these steps in between; pixels are image
// pixels, never widget positions.
class Tool {
public:
    virtual ~Tool() = default;
    // The tool was chosen: a click sequence starts afresh.
    virtual void selected(ToolEnv&) {}
    virtual StrokeEnd press(ToolEnv&, QPoint /*Pixel*/, const WorkShift&) {
        return StrokeEnd::Keep;
    }
    // Every mouse move, with or without a button, after the reset.
    virtual void hover(ToolEnv&, QPoint /*Pixel*/, const WorkShift&) {}
    // A mouse move while the button is down, after hover.
    virtual void drag(ToolEnv&, QPoint /*Pixel*/, const WorkShift&) {}
    virtual StrokeEnd release(ToolEnv&, QPoint /*Pixel*/, const WorkShift&) {
        return StrokeEnd::Keep;
    }
    virtual StrokeEnd doubleClick(ToolEnv&) { return StrokeEnd::Keep; }
    // One tick of the tool's timer while the button is down.
    virtual void tick(ToolEnv&) {}
    virtual bool usesTimer() const { return false; }
    // The tool paints a preview into the WorkBitmap while the mouse only
    // hovers (brush, eraser, text): leaving the image must not keep it.
    virtual bool drawsHoverPreview() const { return false; }
    // After its release the tool used before this one is chosen again.
    virtual bool returnsToPreviousTool() const { return false; }
    // The text to write changed: show it at Pixel, the last mouse position.
    virtual void textChanged(ToolEnv&, QPoint /*Pixel*/) {}
    // Something else is about to read the working copy or show another
    // image: a shape placed click by click is given up. True when one was
    // under way, so its preview must go.
    virtual bool cancel(ToolEnv&) { return false; }
};
