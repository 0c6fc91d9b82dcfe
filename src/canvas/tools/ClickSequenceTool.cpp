#include "tools/ClickSequenceTool.h"

void ClickSequenceTool::showExtent(ToolEnv& Env, QPoint Pixel) {
    const QPoint d = Pixel - Env.Press.DownPixel;
    Env.Ctx.showExtent(QString::asprintf("%d,%d", d.x(), d.y()));
}
