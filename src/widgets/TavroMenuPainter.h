#pragma once

#include "widgets/TavroMenuLayout.h"
#include "widgets/TavroMenuLook.h"

#include <QImage>
#include <QString>

class QPainter;

// Everything the drawing of one menu item depends on.
struct TavroItemFacts {
    TavroItemKind Kind;
    bool Selected = false;
    bool Enabled = true;
    bool Checked = false;
    bool Separator = false;
    bool Default = false; // the menu's default item: bold caption
    bool SubMenu = false; // opens a menu of its own: an arrow at the far end
    bool ShowMnemonic = true;
    QImage Glyph;    // null: the item has no glyph
    QString Caption; // "&" marks the access key
    QString Shortcut;
};

// Draws one item into its rectangle R.
void drawTavroItem(QPainter& P, const QRect& R, const TavroItemFacts& Item,
                   const TavroMenuLook& Look);

// The glyph raised over its shadow: its silhouette in ShadowColor where it
// stands, the glyph itself moved up and left by (ShadowPosX, ShadowPosY).
QImage raisedGlyph(const QImage& Glyph, const TavroMenuLook& Look);
