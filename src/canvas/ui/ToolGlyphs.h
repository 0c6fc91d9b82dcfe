#pragma once

#include <QIcon>

// The glyphs of the tool buttons and the option buttons, drawn in code on a
// 20 x 20 grid so they stay sharp at any screen scale.
QIcon toolGlyph(int Tag);

enum class OptionGlyph {
    NoFill,      // Rect2: outline only
    SolidFill,   // Rect3: outline and interior
    Center,      // CenterE: drawn from the centre
    Transparent, // TexTran: text without a background box
};
QIcon optionGlyph(OptionGlyph Which);
