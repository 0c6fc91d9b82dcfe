#pragma once

#include "pixel/TBitmap32.h"

#include <QPoint>
#include <QString>
#include <cstdint>

struct ToolInfo;
struct FillOptions;
struct ToolOptions;

// What the painting tools may read and the few operations they may call: the
// two working copies of the active image, the colours, the active image's
// format and hot spot, the tool options, and the steps that finish a change.
// The editing session implements it; tests answer it with a fake.
class ToolContext {
public:
    virtual ~ToolContext() = default;

    virtual TBitmap32& workBitmap() = 0;  // what is shown and painted into
    virtual TBitmap32& cleanBitmap() = 0; // the last committed state
    // Drops whatever is only previewed: WorkBitmap := CleanBitmap.
    void reset() { workBitmap().Assign(cleanBitmap()); }
    // Keeps what is painted: CleanBitmap := WorkBitmap.
    void commit() { cleanBitmap().Assign(workBitmap()); }
    // Records the committed state in the undo history (PushUndo).
    virtual void pushUndo() = 0;
    // FitToPalette(false): snaps the committed image to the palette of a
    // 2-, 16- or 256-colour image and copies it back into the WorkBitmap;
    // nothing for true colour.
    virtual void fitToPalette() = 0;

    virtual std::uint8_t imageFormat() const = 0; // bit count 1, 4, 8, 24 or 32
    virtual void setHotSpot(QPoint Pixel) = 0;    // of the active image
    virtual int traRange() const = 0;             // the "Tra Range" setting

    virtual TColor32 foregroundColor32() const = 0;
    virtual TColor32 backgroundColor32() const = 0;
    virtual void setForegroundColor32(TColor32 Color) = 0; // the colours panel follows
    virtual void setBackgroundColor32(TColor32 Color) = 0;

    virtual ToolOptions& toolOptions() = 0;
    // The fill tool's mode, angle and gradient.
    virtual FillOptions& fillOptions() = 0;

    // The hint of Work (status bar, first panel, while the mouse is over it).
    virtual void setWorkHint(const QString& Text) = 0;
    // The drag extent of a shape (third panel), "%d,%d".
    virtual void showExtent(const QString& Text) = 0;
    // RenderWorkView.
    virtual void renderWorkView() = 0;
    // A tool was selected: the window sets the cursor and the option panels
    // from Info, runs HotTim exactly while Info.HotSpotTimer, and drops a
    // floating selection into the image.
    virtual void toolSelected(const ToolInfo& Info) = 0;
    // SprayTim (10 ms) starts or stops; each tick calls SprayTimTimer.
    virtual void setSprayTimer(bool Running) = 0;
};
