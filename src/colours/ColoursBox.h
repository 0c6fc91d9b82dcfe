#pragma once

#include "colours/ColourState.h"
#include "document/PalettePicture.h"
#include "pixel/TColor32.h"

#include <QImage>
#include <Qt>
#include <optional>

class TBitmap32;

// What the palette box of the colours panel shows and what a click on it
// picks: the active image's palette as a grid (or the colour chart of a
// true-colour image), and below it one row with a "transparent" cell on the
// left half and an "inverted" cell on the right half.
//
// Picking reads the colour under the mouse from the picture itself, so a click
// on a cell outline gives black, like the cell's screen pixel would.
class ColoursBox {
public:
    static constexpr int Width = 120;
    // Gap between the box and the "Transparent Color" / "Inverted Color"
    // labels below it.
    static constexpr int LabelGap = 10;

    struct Pick {
        TColor Rgb = 0;
        int Alpha = 255;
    };

    // RebuildColoursBox: after any change of the active image's palette or
    // format, of TraColor or InvColor, on activation, after undo and redo.
    void rebuild(const PalettePicture& Palette, TColor TraColor, TColor InvColor);

    // ColoursPicture: 120 pixels wide; the box takes its height.
    const QImage& picture() const { return m_picture; }
    int pictureHeight() const { return m_picture.height(); }
    // The cell height of the grid, which is also the height of the
    // transparent/inverted row (the box's Tag).
    int cellHeight() const { return m_cellHeight; }
    // Height of the palette part above that row (the hint label's height).
    int paletteHeight() const { return m_paletteHeight; }
    // Top of the "Transparent Color" and "Inverted Color" labels.
    int labelsTop() const { return pictureHeight() + LabelGap; }

    // The colour shown at (X, Y) of the box, for the status readouts; empty
    // outside the picture.
    std::optional<TColor> colourAt(int X, int Y) const;
    // What a click at (X, Y) picks: the colour shown there, with alpha 0 in
    // the transparent/inverted row and 255 elsewhere. Empty outside the
    // picture (the hint label reaches one column past the box).
    std::optional<Pick> pickAt(int X, int Y) const;

private:
    QImage m_picture;
    int m_cellHeight = 10;
    int m_paletteHeight = 0;
};

// ColorsBoxMouseDown: the left button sets the foreground colour, the right
// button the background colour, and the WorkBitmap's PenColor or BrushColor
// follows; other buttons and clicks off the picture do nothing. Returns the
// swatch that changed, whose caption and label text colour the panel then
// refreshes.
std::optional<ColourSlot> colorsBoxMouseDown(const ColoursBox& Box, int X, int Y,
                                             Qt::MouseButton Button, ColourState& State,
                                             TBitmap32& WorkBitmap);
