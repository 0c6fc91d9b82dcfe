#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

enum class TSelectionShape { ssRect, ssRoundRect };

// The colours, shapes and font of the owner-drawn menu. The defaults stand
// in the platform's palette roles for the desktop's system colours.
struct TavroMenuLook {
    QColor BackColor = Qt::white; // popup items (a dark desktop's own on one)
    QColor ImageBackColor;        // the glyph column
    QColor LineColor;             // separators
    QColor TextColor;             // enabled captions and shortcuts
    QColor DisableTextColor;      // disabled captions and shortcuts
    QColor ShadowColor;           // the selected glyph's shadow
    QColor CheckColor;            // check box, unselected
    QColor SelectedBackColor;     // selection box fill
    QColor SelectedBorderColor;   // selection box outline
    QColor SelectedTextColor;     // selected enabled caption
    QColor SelectedCheckColor;    // check box, selected
    QColor MenuBarColor;          // items on the menu bar
    TSelectionShape SelectionShape = TSelectionShape::ssRoundRect;
    int CurvatureX = 3;
    int CurvatureY = 3;
    int ShadowPosX = 1;
    int ShadowPosY = 1;
    QFont Font;
    bool ShowImageShadow = true;
};

// The defaults, taken from Palette, with the captions kept readable on what
// they lie on whatever the desktop's scheme.
TavroMenuLook defaultTavroMenuLook(const QPalette& Palette);
