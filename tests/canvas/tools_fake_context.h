#pragma once

#include "canvas/tools/ToolContext.h"
#include "canvas/tools/FillOptions.h"
#include "canvas/tools/ToolController.h"
#include "canvas/tools/ToolInfo.h"
#include "canvas/tools/ToolOptions.h"

#include <QStringList>
#include <initializer_list>
#include <ostream>
#include <vector>

// The editing session as the tools see it, with every call recorded. Each
// PushUndo keeps a snapshot so a test can undo a stroke and compare.
class FakeToolContext : public ToolContext {
public:
    explicit FakeToolContext(int W = 32, int H = 32, TColor32 Fill = 0) : work(W, H), clean(W, H) {
        std::fill(work.Bits.begin(), work.Bits.end(), Fill);
        work.PenColor = fore;
        work.BrushColor = back;
        clean.Assign(work);
        history.push_back(clean);
    }

    TBitmap32& workBitmap() override { return work; }
    TBitmap32& cleanBitmap() override { return clean; }
    void pushUndo() override {
        history.push_back(work);
        log << "push";
    }
    void fitToPalette() override {
        log << "fit";
        work.Assign(clean);
    }
    std::uint8_t imageFormat() const override { return format; }
    void setHotSpot(QPoint Pixel) override { hotSpot = Pixel; }
    int traRange() const override { return 100; }
    TColor32 foregroundColor32() const override { return fore; }
    TColor32 backgroundColor32() const override { return back; }
    // The colours panel keeps the WorkBitmap's colours in step.
    void setForegroundColor32(TColor32 Color) override {
        fore = Color;
        work.PenColor = Color;
    }
    void setBackgroundColor32(TColor32 Color) override {
        back = Color;
        work.BrushColor = Color;
    }
    ToolOptions& toolOptions() override { return options; }
    FillOptions& fillOptions() override { return fillOpts; }
    void setWorkHint(const QString& Text) override { hint = Text; }
    void showExtent(const QString& Text) override { extent = Text; }
    void renderWorkView() override { ++renders; }
    void toolSelected(const ToolInfo& Info) override { selected.push_back(Info.Tag); }
    void setSprayTimer(bool Running) override { sprayTimer = Running; }

    // Puts the state before the last recorded change back, as Undo does.
    void undo() {
        history.pop_back();
        work.Assign(history.back());
        clean.Assign(work);
    }
    void fill(TColor32 Color) {
        std::fill(work.Bits.begin(), work.Bits.end(), Color);
        clean.Assign(work);
        history.back() = clean;
    }

    TColor32 fore = 0xFF0000FFu; // opaque red
    TColor32 back = 0xFFFF0000u; // opaque blue
    TBitmap32 work, clean;
    std::vector<TBitmap32> history;
    QStringList log;
    ToolOptions options;
    FillOptions fillOpts;
    std::uint8_t format = 32;
    QPoint hotSpot{-1, -1};
    QString hint, extent;
    int renders = 0;
    std::vector<int> selected;
    bool sprayTimer = false;
};

// Drives the controller like the work view does.
struct Mouse {
    ToolController& c;
    void down(QPoint P, WorkButton B = WorkButton::Left, bool Shift = false) {
        c.WorkMouseDown(P, B, shift(Shift));
    }
    void move(QPoint P, bool Shift = false) { c.WorkMouseMove(P, shift(Shift)); }
    void up(QPoint P, WorkButton B = WorkButton::Left, bool Shift = false) {
        c.WorkMouseUp(P, B, shift(Shift));
    }
    void click(QPoint P, WorkButton B = WorkButton::Left) {
        move(P);
        down(P, B);
        up(P, B);
    }
    // Press at the first point, move through the rest, release at the last.
    void drag(std::initializer_list<QPoint> Points, WorkButton B = WorkButton::Left,
              bool Shift = false) {
        const QPoint* p = Points.begin();
        move(*p, Shift);
        down(*p, B, Shift);
        for (++p; p != Points.end(); ++p)
            move(*p, Shift);
        up(*(Points.end() - 1), B, Shift);
    }
    static WorkShift shift(bool Shift) {
        WorkShift s;
        s.Shift = Shift;
        return s;
    }
};

// The pixels of B that differ from Fill, as "x,y" strings, row by row.
inline QStringList changedPixels(const TBitmap32& B, TColor32 Fill = 0) {
    QStringList out;
    for (int y = 0; y < B.Height; ++y)
        for (int x = 0; x < B.Width; ++x)
            if (B.GetPixel(x, y) != Fill) out << QString("%1,%2").arg(x).arg(y);
    return out;
}

inline void PrintTo(const QString& S, std::ostream* Os) {
    *Os << '"' << S.toStdString() << '"';
}
inline void PrintTo(const QStringList& L, std::ostream* Os) {
    *Os << "[" << L.join(" ").toStdString() << "]";
}
