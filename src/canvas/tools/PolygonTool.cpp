#include "canvas/tools/PolygonTool.h"

#include "canvas/tools/AAPlot.h"
#include "canvas/tools/AAShapes.h"
#include "canvas/tools/ToolOptions.h"

namespace {
const char* const FirstHint = "Click to locate first point.";
}

StrokeEnd PolygonTool::press(ToolEnv& Env, QPoint Pixel, const WorkShift&) {
    if (m_step != -1) {
        m_points.resize(std::size_t(m_step));
        m_points.push_back(Pixel);
    }
    if (Env.Press.Button == WorkButton::Right && m_step >= 1) {
        m_step = -1;
        Env.Ctx.reset();
    }
    ++m_step;
    Env.Ctx.setWorkHint(m_step != 0
                            ? QStringLiteral("Click: Next point; Double Click: Draw polygon; Right "
                                             "Click: Cancel.")
                            : QString::fromUtf8(FirstHint));
    return StrokeEnd::Keep;
}

void PolygonTool::segment(ToolEnv& Env, QPoint From, QPoint To) {
    TBitmap32& work = Env.work();
    if (Env.options().Anti)
        AALine(work, From.x(), From.y(), To.x(), To.y(), work.PenColor, nullptr);
    else
        work.LineTo(To.x(), To.y());
}

void PolygonTool::hover(ToolEnv& Env, QPoint Pixel, const WorkShift&) {
    if (m_step <= 0) return;
    TBitmap32& work = Env.work();
    work.MoveTo(m_points[0].x(), m_points[0].y());
    for (int i = 1; i < m_step; ++i)
        segment(Env, m_points[std::size_t(i - 1)], m_points[std::size_t(i)]);
    segment(Env, m_points[std::size_t(m_step - 1)], Pixel);
    showExtent(Env, Pixel);
}

StrokeEnd PolygonTool::doubleClick(ToolEnv& Env) {
    if (m_step < 2) return StrokeEnd::Keep;
    m_points.resize(std::size_t(m_step));
    TBitmap32& work = Env.work();
    const ToolOptions& o = Env.options();
    Env.Ctx.reset();
    work.Filled = o.SolidFill;
    if (o.SolidFill) work.BrushColor = work.PenColor;
    if (o.Anti) {
        AAPolygon(work, Env.Map, m_points);
    } else if (o.SolidFill) {
        work.Polygon(m_points);
    } else {
        std::vector<QPoint> closed = m_points;
        closed.push_back(m_points.front());
        work.Polyline(closed);
    }
    m_step = -1;
    work.BrushColor = Env.Ctx.backgroundColor32();
    Env.Ctx.setWorkHint(QString::fromUtf8(FirstHint));
    return StrokeEnd::CommitAndRecord;
}
