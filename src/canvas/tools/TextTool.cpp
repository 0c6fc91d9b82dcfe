#include "canvas/tools/TextTool.h"

#include "canvas/tools/ToolOptions.h"

void TextTool::write(ToolEnv& Env, QPoint Pixel) {
    TBitmap32& work = Env.work();
    const ToolOptions& o = Env.options();
    work.Font = o.Font;
    const QSize extent = work.TextExtent(o.Text);
    work.TextOut(Pixel.x() - extent.width() / 2, Pixel.y() - extent.height() / 2, o.Text);
}

void TextTool::preview(ToolEnv& Env, QPoint Pixel) {
    TBitmap32& work = Env.work();
    work.FontColor = work.PenColor;
    work.BrushColor = Env.Ctx.backgroundColor32();
    work.Filled = !Env.options().TexTran;
    write(Env, Pixel);
}

void TextTool::hover(ToolEnv& Env, QPoint Pixel, const WorkShift&) {
    preview(Env, Pixel);
}

StrokeEnd TextTool::press(ToolEnv& Env, QPoint Pixel, const WorkShift&) {
    TBitmap32& work = Env.work();
    work.FontColor = work.PenColor;
    work.Filled = !Env.options().TexTran;
    Env.Ctx.reset();
    write(Env, Pixel);
    return StrokeEnd::CommitAndRecord;
}

void TextTool::textChanged(ToolEnv& Env, QPoint Pixel) {
    Env.Ctx.reset();
    preview(Env, Pixel);
}
