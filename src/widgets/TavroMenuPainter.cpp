#include "widgets/TavroMenuPainter.h"

#include "widgets/DisabledGlyph.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <algorithm>

namespace {

// A box with a one-pixel outline inside R, square or with round corners.
void drawBox(QPainter& P, const QRect& R, const TavroMenuLook& Look) {
    const QRect inner(R.left(), R.top(), R.width() - 1, R.height() - 1);
    if (Look.SelectionShape == TSelectionShape::ssRoundRect)
        P.drawRoundedRect(inner, Look.CurvatureX / 2.0, Look.CurvatureY / 2.0);
    else
        P.drawRect(inner);
}

// A filled square box in Box colour with a tick in Tick colour across it.
void drawCheckMark(QPainter& P, const QRect& R, const QColor& Box, const QColor& Tick,
                   const TavroMenuLook& Look) {
    P.setPen(Box);
    P.setBrush(Box);
    drawBox(P, R, Look);
    P.save();
    P.setRenderHint(QPainter::Antialiasing, true);
    const qreal s = R.width();
    QPen pen(Tick, std::max(1.5, s / 7.0));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    P.setPen(pen);
    P.setBrush(Qt::NoBrush);
    const QPointF o = R.topLeft();
    P.drawPolyline(QPolygonF({o + QPointF(0.22 * s, 0.52 * s), o + QPointF(0.42 * s, 0.72 * s),
                              o + QPointF(0.78 * s, 0.30 * s)}));
    P.restore();
}

void drawSubMenuArrow(QPainter& P, const QRect& R, bool RightToLeft, const QColor& Colour) {
    const int cy = R.top() + R.height() / 2;
    const int tip = RightToLeft ? R.left() + 4 : R.left() + R.width() - 5;
    const int back = RightToLeft ? tip + 3 : tip - 3;
    P.setPen(Qt::NoPen);
    P.setBrush(Colour);
    P.drawPolygon(QPolygon({QPoint(back, cy - 3), QPoint(tip, cy), QPoint(back, cy + 3)}));
}

void drawCaption(QPainter& P, const QRect& Text, const TavroItemFacts& Item,
                 const TavroMenuLook& Look) {
    QFont font = Look.Font;
    font.setBold(Item.Default);
    P.setFont(font);
    P.setPen(!Item.Enabled   ? Look.DisableTextColor
             : Item.Selected ? Look.SelectedTextColor
                             : Look.TextColor);
    QRect t = Text;
    t.setTop(t.top() + (t.height() - QFontMetrics(font).height()) / 2);
    const int mnemonic = Item.ShowMnemonic ? Qt::TextShowMnemonic : Qt::TextHideMnemonic;
    // Absolute sides: the layout already mirrored them, the painter must not
    // mirror them back.
    const int lead = Qt::AlignAbsolute | (Item.Kind.RightToLeft ? Qt::AlignRight : Qt::AlignLeft);
    const int trail = Qt::AlignAbsolute | (Item.Kind.RightToLeft ? Qt::AlignLeft : Qt::AlignRight);
    P.drawText(t, Qt::AlignTop | lead | mnemonic | Qt::TextSingleLine, Item.Caption);
    if (!Item.Shortcut.isEmpty())
        P.drawText(t, Qt::AlignTop | trail | Qt::TextSingleLine, Item.Shortcut);
}

} // namespace

QImage raisedGlyph(const QImage& Glyph, const TavroMenuLook& Look) {
    const QImage glyph = Glyph.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage out = glyph;
    QPainter p(&out);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(out.rect(), Look.ShadowColor);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.drawImage(-Look.ShadowPosX, -Look.ShadowPosY, glyph);
    p.end();
    // The corner that says "transparent" in the glyph says so again.
    if (!out.isNull()) out.setPixel(0, out.height() - 1, glyph.pixel(0, glyph.height() - 1));
    return out;
}

void drawTavroItem(QPainter& P, const QRect& R, const TavroItemFacts& Item,
                   const TavroMenuLook& Look) {
    const TavroItemKind& kind = Item.Kind;
    const bool images = !kind.Bar && kind.ImageListWidth > 0;
    const TavroItemLayout layout = layoutTavroItem(R, kind);
    P.save();
    P.setRenderHint(QPainter::Antialiasing, false);
    P.fillRect(R, kind.Bar ? Look.MenuBarColor : Look.BackColor);
    if (images) P.fillRect(layout.GlyphColumn, Look.ImageBackColor);

    if (Item.Selected) {
        P.setPen(Look.SelectedBorderColor);
        P.setBrush(Look.SelectedBackColor);
        drawBox(P, R, Look);
    }
    if (images && !Item.Glyph.isNull()) {
        // A disabled glyph is never raised: nothing about it may look ready.
        if (!Item.Enabled)
            P.drawImage(layout.GlyphPos, disabledGlyph(Item.Glyph));
        else if (Item.Selected && Look.ShowImageShadow)
            P.drawImage(layout.GlyphPos, raisedGlyph(Item.Glyph, Look));
        else
            P.drawImage(layout.GlyphPos, Item.Glyph);
    }
    if (Item.Checked && !kind.Bar) {
        const QColor colour = Item.Selected ? Look.SelectedCheckColor : Look.CheckColor;
        if (images && !Item.Glyph.isNull()) {
            P.setPen(colour);
            P.setBrush(Qt::NoBrush);
            drawBox(P, layout.CheckBox, Look);
        } else {
            // The tick takes the colour the box stands on, so it stands out
            // from the box as much as the box does from the item.
            const QColor ground = Item.Selected ? Look.SelectedBackColor
                                  : images      ? Look.ImageBackColor
                                                : Look.BackColor;
            drawCheckMark(P, layout.CheckMark, colour, ground, Look);
        }
    }
    if (Item.Separator) {
        P.setPen(Look.LineColor);
        const QLine& s = layout.Separator;
        P.drawLine(std::min(s.x1(), s.x2()), s.y1(), std::max(s.x1(), s.x2()) - 1, s.y1());
    } else {
        drawCaption(P, layout.Text, Item, Look);
        if (Item.SubMenu)
            drawSubMenuArrow(P, R, kind.RightToLeft,
                             Item.Enabled && Item.Selected ? Look.SelectedTextColor
                             : Item.Enabled                ? Look.TextColor
                                                           : Look.DisableTextColor);
    }
    P.restore();
}
