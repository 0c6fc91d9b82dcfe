#include "canvas/tools/ClickSequenceTool.h"

bool ClickSequenceTool::cancel(ToolEnv&) {
    const bool underWay = m_step > 0;
    m_step = 0;
    return underWay;
}

void ClickSequenceTool::showExtent(ToolEnv& Env, QPoint Pixel) {
    const QPoint d = Pixel - Env.Press.DownPixel;
    Env.Ctx.showExtent(QString::asprintf("%d,%d", d.x(), d.y()));
}
