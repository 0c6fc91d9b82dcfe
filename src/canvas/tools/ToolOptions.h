#pragma once

#include "canvas/tools/BrushShape.h"

#include <QFont>
#include <QString>
#include <algorithm>

// The values of the tool switches and option panels, as the panels show them
// at start-up. The panels bind to these fields; the tools read them at each
// event, clamped to the ranges their up-down controls allow.
struct ToolOptions {
    // Mode switches below the tools.
    bool Blen = true; // "Blend Colors": painted pixels are composited over the old ones
    bool Anti = true; // "Antialiasing"

    // EraserP: ErWUP and ErHUP.
    int EraserWidth = 2;
    int EraserHeight = 2;
    // SprayP: SprayUP.
    int SprayRadius = 4;
    // BrushP: the BrusI picture.
    BrushShape Brush = BrushShape::preset(1);

    // RectP: Rect3 down means outline and interior, Rect2 down outline only.
    bool SolidFill = false;
    bool CenterE = false; // ellipse only: the press point is the centre
    // RoundP: xup and yup, the corner ellipse.
    int RoundWidth = 0;
    int RoundHeight = 0;

    // TextP.
    QString Text = QStringLiteral("Text"); // txt
    QFont Font;                            // chosen with FontD
    bool TexTran = false;                  // transparent text background

    static constexpr int EraserMin = 2, EraserMax = 100;
    static constexpr int SprayMin = 1, SprayMax = 100;
    static constexpr int RoundMin = 0, RoundMax = 100;

    int eraserWidth() const { return std::clamp(EraserWidth, EraserMin, EraserMax); }
    int eraserHeight() const { return std::clamp(EraserHeight, EraserMin, EraserMax); }
    int sprayRadius() const { return std::clamp(SprayRadius, SprayMin, SprayMax); }
    int roundWidth() const { return std::clamp(RoundWidth, RoundMin, RoundMax); }
    int roundHeight() const { return std::clamp(RoundHeight, RoundMin, RoundMax); }
};
