#include "widgets/DisabledGlyph.h"
#include "widgets/DrawnGlyph.h"

#include <QPainter>
#include <QPixmap>
#include <gtest/gtest.h>

namespace {

// A glyph with a hard diagonal edge: sharp only when drawn at the size shown.
void wedge(QPainter& P) {
    P.setPen(Qt::NoPen);
    P.setBrush(QColor(20, 40, 200));
    P.drawPolygon(QPolygonF{QPointF(1, 1), QPointF(19, 1), QPointF(1, 19)});
}

} // namespace

// At every screen density the icon hands out the glyph drawn afresh at that
// density, not the plain one enlarged; disabled, it is the faded grey.
TEST(DrawnGlyph, DrawnAtEveryDensity) {
    const QIcon icon = drawnGlyphIcon(QSize(20, 20), wedge);
    for (const qreal scale : {1.0, 1.25, 1.5, 2.0, 3.0}) {
        SCOPED_TRACE(scale);
        const QImage want = drawGlyph(QSize(20, 20), scale, wedge);
        ASSERT_EQ(want.size(), QSize(qRound(20 * scale), qRound(20 * scale)));
        const QPixmap got = icon.pixmap(QSize(20, 20), scale);
        EXPECT_EQ(got.devicePixelRatio(), scale);
        EXPECT_EQ(got.toImage().convertToFormat(want.format()), want);
        const QPixmap off = icon.pixmap(QSize(20, 20), scale, QIcon::Disabled);
        EXPECT_EQ(off.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                  disabledGlyph(want).convertToFormat(QImage::Format_ARGB32_Premultiplied));

        // Painted through a painter, as buttons and menus paint it.
        QImage target(want.size(), QImage::Format_ARGB32_Premultiplied);
        target.setDevicePixelRatio(scale);
        target.fill(Qt::transparent);
        QPainter p(&target);
        icon.paint(&p, QRect(0, 0, 20, 20));
        p.end();
        EXPECT_EQ(target, want);
    }
}

// Asked for another size than its own, the glyph is drawn at that size.
TEST(DrawnGlyph, FollowsTheAskedSize) {
    const QIcon icon = drawnGlyphIcon(QSize(20, 20), wedge);
    const QImage want = drawGlyph(QSize(40, 40), 1.0, [](QPainter& P) {
        P.scale(2, 2);
        wedge(P);
    });
    EXPECT_EQ(icon.pixmap(QSize(40, 40), 1.0).toImage().convertToFormat(want.format()), want);
    EXPECT_EQ(icon.actualSize(QSize(40, 30)), QSize(30, 30));
}
