#pragma once

#include <QLine>
#include <QPoint>
#include <QRect>

// What decides where the parts of one menu item go.
struct TavroItemKind {
    bool Bar = false;       // an item on the menu bar itself
    int ImageListWidth = 0; // glyph width of the menu's image list; 0: none
    bool RightToLeft = false;
};

// Where the parts of one item go inside its rectangle R. Rectangles leave out
// their right column and bottom row; Separator's end point is not drawn.
struct TavroItemLayout {
    QRect Text;        // caption left (right-to-left: right), shortcut opposite
    QRect GlyphColumn; // empty when there is none
    QPoint GlyphPos;
    QRect CheckBox;
    // An item with no glyph of its own shows its check as a filled square
    // box with a tick, in the middle of the glyph column (or of the margin
    // when the menu has no image list).
    QRect CheckMark;
    QLine Separator;
};

TavroItemLayout layoutTavroItem(const QRect& R, const TavroItemKind& Kind);

// Width of the glyph column: the glyph and a pixel either side, or 12 without
// an image list.
int tavroGlyphColumnWidth(const TavroItemKind& Kind);
