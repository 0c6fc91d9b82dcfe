#include "canvas/tools/CurveTool.h"

#include "canvas/tools/AAShapes.h"
#include "canvas/tools/ToolOptions.h"

namespace {
const char* const StartHint = "Click to locate staring point.";
}

void CurveTool::drawCurve(ToolEnv& Env) {
    TBitmap32& work = Env.work();
    if (Env.options().Anti)
        AABezier(work, Env.Map, m_points, Env.Ctx.traRange());
    else
        work.PolyBezier({m_points.begin(), m_points.end()});
}

StrokeEnd CurveTool::press(ToolEnv& Env, QPoint Pixel, const WorkShift&) {
    if (Env.Press.Button == WorkButton::Right && m_step >= 1) {
        Env.Ctx.reset();
        m_step = -1;
        Env.Ctx.setWorkHint(QString::fromUtf8(StartHint));
    }
    if (m_step == 3) {
        m_points[2] = Pixel;
        Env.Ctx.setWorkHint(QString::fromUtf8(StartHint));
        Env.Ctx.reset();
        drawCurve(Env);
        m_step = 0;
        return StrokeEnd::CommitAndRecord;
    }
    switch (m_step) {
    case 0:
        m_points[0] = Pixel;
        Env.Ctx.setWorkHint(QStringLiteral("Click: Ending point; Right Click: Cancel."));
        break;
    case 1:
        m_points[3] = Pixel;
        Env.Ctx.setWorkHint(QStringLiteral("Click: 1st Control point; Right Click: Cancel."));
        break;
    case 2:
        m_points[1] = Pixel;
        m_points[2] = Pixel;
        Env.Ctx.setWorkHint(QStringLiteral("Click: Draw curve; Right Click: Cancel."));
        break;
    default:
        break;
    }
    ++m_step;
    return StrokeEnd::Keep;
}

void CurveTool::hover(ToolEnv& Env, QPoint Pixel, const WorkShift&) {
    TBitmap32& work = Env.work();
    switch (m_step) {
    case 1:
        work.MoveTo(Env.Press.DownPixel.x(), Env.Press.DownPixel.y());
        work.LineTo(Pixel.x(), Pixel.y());
        break;
    case 2:
        work.MoveTo(m_points[0].x(), m_points[0].y());
        work.LineTo(m_points[3].x(), m_points[3].y());
        break;
    case 3:
        m_points[2] = Pixel;
        drawCurve(Env);
        break;
    default:
        return;
    }
    showExtent(Env, Pixel);
}
