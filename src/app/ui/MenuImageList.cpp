#include "app/ui/MenuImageList.h"

#include "widgets/Contrast.h"
#include "widgets/DisabledGlyph.h"
#include "widgets/DrawnGlyph.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

const QColor Paper(255, 255, 255);

void page(QPainter& p, const QRectF& r, const QColor& fill = Paper) {
    const qreal fold = 5;
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(QPen(glyphInk(), 1));
    p.setBrush(fill);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
    p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

void textLines(QPainter& p, qreal x1, qreal x2, qreal y, int n) {
    p.setPen(QPen(QColor(140, 150, 170), 1));
    for (int i = 0; i < n; ++i)
        p.drawLine(QPointF(x1, y + 3 * i), QPointF(x2, y + 3 * i));
}

// A small icon picture: a framed square with a few coloured pixels.
void picture(QPainter& p, const QRectF& r) {
    p.setPen(QPen(glyphInk(), 1));
    p.setBrush(QColor(200, 225, 255));
    p.drawRect(r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 160, 60));
    p.drawRect(QRectF(r.left() + 2, r.bottom() - 5, r.width() - 4, 4));
    p.setBrush(QColor(250, 200, 40));
    p.drawEllipse(QRectF(r.right() - 7, r.top() + 2, 5, 5));
}

void arrow(QPainter& p, bool Left) {
    p.save();
    if (!Left) {
        p.translate(24, 0);
        p.scale(-1, 1);
    }
    QPainterPath arc;
    arc.moveTo(7, 10);
    arc.cubicTo(12, 4, 21, 6, 20, 14);
    arc.cubicTo(19.5, 17, 17, 19, 14, 20);
    const QColor blue = glyphColour(QColor(30, 90, 180));
    p.setPen(QPen(blue, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    QPolygonF head;
    head << QPointF(2, 11) << QPointF(10, 4.5) << QPointF(10.5, 14);
    p.setPen(Qt::NoPen);
    p.setBrush(blue);
    p.drawPolygon(head);
    p.restore();
}

void drawMenuGlyph(int Index, QPainter& p) {
    switch (Index) {
    case MenuImageList::New:
        page(p, QRectF(5.5, 2.5, 13, 19));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 200, 30));
        p.drawEllipse(QRectF(13, 13, 9, 9));
        break;
    case MenuImageList::Open: {
        p.setPen(QPen(QColor(150, 110, 20), 1));
        p.setBrush(QColor(230, 185, 70));
        p.drawRect(QRectF(2.5, 6.5, 17, 13));
        p.drawRect(QRectF(2.5, 4.5, 7, 2));
        QPolygonF flap;
        flap << QPointF(5.5, 10.5) << QPointF(22.5, 10.5) << QPointF(19.5, 19.5)
             << QPointF(2.5, 19.5);
        p.setBrush(QColor(250, 215, 110));
        p.drawPolygon(flap);
        break;
    }
    case MenuImageList::Save:
        p.setPen(QPen(QColor(20, 40, 90), 1));
        p.setBrush(QColor(50, 100, 190));
        p.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 2, 2);
        p.setBrush(Paper);
        p.drawRect(QRectF(6.5, 3.5, 11, 7));
        p.setBrush(QColor(190, 190, 200));
        p.drawRect(QRectF(7.5, 14.5, 9, 6));
        p.setBrush(QColor(50, 100, 190));
        p.drawRect(QRectF(13.5, 4.5, 2, 4));
        break;
    case MenuImageList::Undo:
        arrow(p, true);
        break;
    case MenuImageList::Redo:
        arrow(p, false);
        break;
    case MenuImageList::Cut:
        p.setPen(QPen(glyphColour(QColor(120, 120, 130)), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 3), QPointF(15, 15));
        p.drawLine(QPointF(16, 3), QPointF(9, 15));
        p.setPen(QPen(glyphColour(QColor(200, 30, 30)), 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(4, 14, 6, 6));
        p.drawEllipse(QRectF(14, 14, 6, 6));
        break;
    case MenuImageList::Copy:
        page(p, QRectF(3.5, 2.5, 11, 14));
        textLines(p, 5.5, 10.5, 7.5, 3);
        page(p, QRectF(9.5, 7.5, 11, 14));
        textLines(p, 11.5, 18.5, 12.5, 3);
        break;
    case MenuImageList::Paste:
        p.setPen(QPen(QColor(110, 70, 30), 1));
        p.setBrush(QColor(180, 130, 70));
        p.drawRoundedRect(QRectF(3.5, 4.5, 14, 17), 1.5, 1.5);
        p.setBrush(QColor(200, 200, 210));
        p.drawRect(QRectF(7.5, 2.5, 6, 4));
        page(p, QRectF(10.5, 9.5, 10, 12));
        textLines(p, 12.5, 18.5, 14.5, 2);
        break;
    case MenuImageList::Clear:
        page(p, QRectF(4.5, 2.5, 13, 19));
        p.setPen(QPen(QColor(210, 30, 30), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 12), QPointF(20, 20));
        p.drawLine(QPointF(20, 12), QPointF(12, 20));
        break;
    case MenuImageList::Help: {
        p.setPen(QPen(QColor(20, 60, 140), 1));
        p.setBrush(QColor(50, 110, 210));
        p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
        QFont f = p.font();
        f.setBold(true);
        f.setPixelSize(15);
        p.setFont(f);
        p.setPen(Paper);
        p.drawText(QRectF(2, 2, 20, 20), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case MenuImageList::RemoveImage:
        picture(p, QRectF(2.5, 2.5, 15, 15));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(210, 40, 40));
        p.drawEllipse(QRectF(12, 12, 11, 11));
        p.setBrush(Paper);
        p.drawRect(QRectF(14.5, 16.5, 6, 2));
        break;
    case MenuImageList::NewImage:
        picture(p, QRectF(2.5, 2.5, 15, 15));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 150, 50));
        p.drawEllipse(QRectF(12, 12, 11, 11));
        p.setBrush(Paper);
        p.drawRect(QRectF(14.5, 16.5, 6, 2));
        p.drawRect(QRectF(16.5, 14.5, 2, 6));
        break;
    case MenuImageList::Palette: {
        QPainterPath shape;
        shape.addEllipse(QRectF(2.5, 4.5, 19, 15));
        QPainterPath hole;
        hole.addEllipse(QRectF(13, 13, 4, 4));
        p.setPen(QPen(QColor(130, 100, 60), 1));
        p.setBrush(QColor(235, 210, 160));
        p.drawPath(shape.subtracted(hole));
        const QColor dots[] = {QColor(220, 30, 30), QColor(40, 160, 40), QColor(40, 80, 220),
                               QColor(240, 200, 20)};
        const QPointF at[] = {QPointF(7, 9), QPointF(12, 7.5), QPointF(17, 9), QPointF(7, 14)};
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 4; ++i) {
            p.setBrush(dots[i]);
            p.drawEllipse(at[i], 2, 2);
        }
        break;
    }
    case MenuImageList::Grid:
        p.setPen(QPen(QColor(90, 90, 100), 1));
        p.setBrush(Paper);
        p.drawRect(QRectF(3.5, 3.5, 17, 17));
        for (int i = 1; i < 4; ++i) {
            const qreal v = 3.5 + i * 17.0 / 4;
            p.drawLine(QPointF(v, 3.5), QPointF(v, 20.5));
            p.drawLine(QPointF(3.5, v), QPointF(20.5, v));
        }
        break;
    case MenuImageList::Check: {
        QPainterPath tick;
        tick.moveTo(5, 12);
        tick.lineTo(10, 17);
        tick.lineTo(19, 6);
        p.setPen(QPen(glyphInk(), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
        break;
    }
    case MenuImageList::Preview:
        p.setPen(QPen(QColor(90, 60, 30), 3.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(14, 14), QPointF(20.5, 20.5));
        p.setPen(QPen(glyphInk(), 1.6));
        p.setBrush(QColor(200, 230, 255));
        p.drawEllipse(QRectF(3, 3, 12.5, 12.5));
        break;
    default:
        break;
    }
}

} // namespace

MenuImageList::MenuImageList() : m_images(Count), m_drawn(Count, false) {
    for (int i = 0; i < Count; ++i) {
        const QImage img =
            drawGlyph(QSize(ImageSize, ImageSize), 1.0, [i](QPainter& p) { drawMenuGlyph(i, p); });
        // An untouched slot stays empty, so it shows no glyph at all.
        bool blank = true;
        for (int y = 0; y < ImageSize && blank; ++y)
            for (int x = 0; x < ImageSize && blank; ++x)
                blank = qAlpha(img.pixel(x, y)) == 0;
        if (blank) continue;
        m_images[std::size_t(i)] = img;
        m_drawn[std::size_t(i)] = true;
    }
}

const QImage& MenuImageList::image(int Index) const {
    static const QImage none;
    if (Index < 0 || Index >= Count) return none;
    return m_images[std::size_t(Index)];
}

QIcon MenuImageList::icon(int Index) const {
    const QImage& img = image(Index);
    if (img.isNull()) return QIcon();
    // Our own glyphs are drawn again for each screen density; pictures put
    // in a slot from elsewhere are shown as they are.
    if (m_drawn[std::size_t(Index)])
        return drawnGlyphIcon(QSize(ImageSize, ImageSize),
                              [Index](QPainter& p) { drawMenuGlyph(Index, p); });
    return iconWithDisabledGlyph(img);
}

void MenuImageList::setImage(int Index, const QImage& Image) {
    if (Index < 0 || Index >= Count) return;
    m_images[std::size_t(Index)] = Image;
    m_drawn[std::size_t(Index)] = false;
}
