#include "widgets/TavroMenu.h"
#include "widgets/DisabledGlyph.h"
#include "widgets/TavroMenuLayout.h"
#include "widgets/TavroMenuPainter.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// (left, top, right, bottom), right and bottom left out.
QRect box(int L, int T, int R, int B) {
    return QRect(QPoint(L, T), QPoint(R - 1, B - 1));
}

TEST(TavroMenuLayout, PartsOfAnItemMirrorForRightToLeft) {
    const QRect r = box(10, 20, 210, 46);
    struct Case {
        const char* name;
        TavroItemKind kind;
        QRect column, text, check;
        QPoint glyph;
        QLine separator;
    };
    const Case cases[] = {
        {"popup with images",
         {false, 24, false},
         box(10, 20, 36, 46),
         box(40, 20, 198, 46),
         box(11, 21, 35, 45),
         {11, 21},
         {40, 33, 210, 33}},
        {"popup with images, rtl",
         {false, 24, true},
         box(184, 20, 210, 46),
         box(22, 20, 180, 46),
         box(185, 21, 209, 45),
         {185, 21},
         {10, 33, 180, 33}},
        {"popup without images",
         {false, 0, false},
         QRect(),
         box(22, 20, 198, 46),
         box(11, 21, 17, 45),
         {11, 21},
         {22, 33, 210, 33}},
        {"popup without images, rtl",
         {false, 0, true},
         QRect(),
         box(22, 20, 198, 46),
         box(203, 21, 209, 45),
         {199, 21},
         {10, 33, 198, 33}},
        {"bar item",
         {true, 24, false},
         QRect(),
         box(16, 20, 210, 46),
         box(11, 21, 17, 45),
         {11, 21},
         {16, 33, 222, 33}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TavroItemLayout l = layoutTavroItem(r, c.kind);
        EXPECT_EQ(l.GlyphColumn, c.column);
        EXPECT_EQ(l.Text, c.text);
        EXPECT_EQ(l.CheckBox, c.check);
        EXPECT_EQ(l.GlyphPos, c.glyph);
        EXPECT_EQ(l.Separator, c.separator);
    }
}

class TavroMenuDraw : public ::testing::Test {
protected:
    TavroMenuDraw() {
        look = defaultTavroMenuLook(QPalette());
        look.BackColor = Qt::white;
        look.ImageBackColor = QColor(200, 200, 200);
        look.SelectedBackColor = QColor(0, 0, 200);
        look.SelectedBorderColor = QColor(0, 0, 0);
        look.ShadowColor = QColor(60, 60, 60);
        look.CheckColor = QColor(0, 160, 0);
        look.SelectedCheckColor = QColor(255, 255, 0);
        look.TextColor = QColor(10, 10, 10);
        look.SelectedTextColor = QColor(250, 250, 250);
        look.DisableTextColor = QColor(150, 150, 150);
        glyph = QImage(24, 24, QImage::Format_ARGB32);
        glyph.fill(Qt::transparent);
        for (int y = 8; y < 16; ++y)
            for (int x = 8; x < 16; ++x)
                glyph.setPixel(x, y, qRgb(255, 0, 0));
    }
    QImage draw(const TavroItemFacts& Item) {
        QImage out(200, 26, QImage::Format_RGB32);
        out.fill(Qt::magenta);
        QPainter p(&out);
        drawTavroItem(p, out.rect(), Item, look);
        return out;
    }
    TavroItemFacts item(bool Selected, bool Checked, bool Images = true) {
        TavroItemFacts f;
        f.Kind.ImageListWidth = Images ? 24 : 0;
        f.Selected = Selected;
        f.Checked = Checked;
        f.Glyph = Images ? glyph : QImage();
        f.Caption = QStringLiteral("&Grid");
        f.Shortcut = QStringLiteral("Ctrl+G");
        return f;
    }
    static bool anyPixel(const QImage& Img, const QRect& R, QColor C) {
        for (int y = R.top(); y <= R.bottom(); ++y)
            for (int x = R.left(); x <= R.right(); ++x)
                if (Img.pixelColor(x, y) == C) return true;
        return false;
    }
    TavroMenuLook look;
    QImage glyph;
};

TEST_F(TavroMenuDraw, SelectedCheckedGlyphIsRaisedOverItsShadowInsideAnOutline) {
    const QImage img = draw(item(true, true));
    // The glyph's red square moved up-left by one, its shadow where it stood.
    EXPECT_EQ(img.pixelColor(1 + 7, 1 + 7), QColor(255, 0, 0));
    EXPECT_EQ(img.pixelColor(1 + 15, 1 + 15), look.ShadowColor);
    // Outline only: the check box is yellow at its edge, the selection inside.
    EXPECT_EQ(img.pixelColor(1, 12), look.SelectedCheckColor);
    EXPECT_EQ(img.pixelColor(4, 12), look.SelectedBackColor);
    EXPECT_TRUE(anyPixel(img, QRect(30, 0, 160, 26), look.SelectedTextColor));
}

TEST_F(TavroMenuDraw, UnselectedItemsKeepTheirGlyphColumnAndPlainGlyph) {
    look.ShowImageShadow = false;
    for (const bool selected : {false, true}) {
        SCOPED_TRACE(selected);
        const QImage img = draw(item(selected, true));
        EXPECT_EQ(img.pixelColor(1 + 8, 1 + 8), QColor(255, 0, 0));
        EXPECT_EQ(img.pixelColor(1 + 15, 1 + 15), QColor(255, 0, 0));
        EXPECT_EQ(img.pixelColor(1, 12), selected ? look.SelectedCheckColor : look.CheckColor);
    }
    EXPECT_EQ(draw(item(false, false)).pixelColor(4, 4), look.ImageBackColor);
    EXPECT_EQ(draw(item(false, false)).pixelColor(100, 2), look.BackColor);
}

TEST_F(TavroMenuDraw, CheckWithoutGlyphIsAFilledNarrowBox) {
    // No image list at all, and an item without glyph in a menu that has one
    // (Toolbar, Status bar): checked must not look like unchecked.
    const QImage img = draw(item(false, true, false));
    EXPECT_EQ(img.pixelColor(4, 12), look.CheckColor);
    EXPECT_EQ(img.pixelColor(8, 12), look.BackColor);
    TavroItemFacts f = item(false, true);
    f.Glyph = QImage();
    const QImage listed = draw(f);
    EXPECT_EQ(listed.pixelColor(4, 12), look.CheckColor);
    EXPECT_EQ(listed.pixelColor(10, 12), look.ImageBackColor);
}

TEST_F(TavroMenuDraw, DisabledItemIsGreyEvenWhenSelected) {
    TavroItemFacts f = item(true, false);
    f.Enabled = false;
    const QImage img = draw(f);
    EXPECT_EQ(img.pixelColor(100, 1), look.SelectedBackColor);
    EXPECT_TRUE(anyPixel(img, QRect(30, 0, 160, 26), look.DisableTextColor));
    EXPECT_FALSE(anyPixel(img, QRect(30, 0, 160, 26), look.SelectedTextColor));
    // The glyph is neither raised nor in colour.
    const QColor g = img.pixelColor(1 + 10, 1 + 10);
    EXPECT_EQ(g.red(), g.green());
    EXPECT_FALSE(anyPixel(img, QRect(0, 0, 26, 26), look.ShadowColor));
}

TEST_F(TavroMenuDraw, RightToLeftPutsCaptionBesideTheGlyphsAndShortcutFarLeft) {
    for (const bool withShortcut : {false, true}) {
        SCOPED_TRACE(withShortcut);
        TavroItemFacts f = item(false, false);
        f.Kind.RightToLeft = true;
        if (!withShortcut) f.Shortcut.clear();
        QImage img(200, 26, QImage::Format_RGB32);
        QPainter p(&img);
        p.setLayoutDirection(Qt::RightToLeft); // as on a mirrored menu
        drawTavroItem(p, img.rect(), f, look);
        p.end();
        EXPECT_EQ(img.pixelColor(190, 4), look.ImageBackColor);
        EXPECT_TRUE(anyPixel(img, QRect(130, 0, 41, 26), look.TextColor)); // "Grid"
        EXPECT_FALSE(anyPixel(img, QRect(70, 0, 50, 26), look.TextColor));
        EXPECT_EQ(anyPixel(img, QRect(12, 0, 50, 26), look.TextColor), withShortcut);
    }
}

TEST_F(TavroMenuDraw, SelectionShapeDecidesTheCorners) {
    look.SelectionShape = TSelectionShape::ssRect;
    EXPECT_EQ(draw(item(true, false)).pixelColor(199, 0), look.SelectedBorderColor);
    look.SelectionShape = TSelectionShape::ssRoundRect;
    EXPECT_NE(draw(item(true, false)).pixelColor(199, 0), look.SelectedBorderColor);
}

TEST_F(TavroMenuDraw, SeparatorIsOneLineAcrossTheTextArea) {
    TavroItemFacts f = item(false, false);
    f.Separator = true;
    QImage out(200, 9, QImage::Format_RGB32);
    QPainter p(&out);
    drawTavroItem(p, out.rect(), f, look);
    p.end();
    EXPECT_EQ(out.pixelColor(30, 4), look.LineColor);
    EXPECT_EQ(out.pixelColor(199, 4), look.LineColor);
    EXPECT_EQ(out.pixelColor(29, 4), look.BackColor);
    EXPECT_EQ(out.pixelColor(30, 3), look.BackColor);
    EXPECT_EQ(out.pixelColor(5, 4), look.ImageBackColor);
}

TEST(DisabledGlyph, GreyFadedAndStillShaped) {
    QImage g(2, 1, QImage::Format_ARGB32);
    g.setPixel(0, 0, qRgba(255, 0, 0, 255));
    g.setPixel(1, 0, qRgba(0, 0, 0, 0));
    const QImage d = disabledGlyph(g);
    const QRgb p = d.pixel(0, 0);
    EXPECT_EQ(qRed(p), qGreen(p));
    EXPECT_EQ(qGreen(p), qBlue(p));
    EXPECT_LT(qAlpha(p), 160);
    EXPECT_EQ(qAlpha(d.pixel(1, 0)), 0);
}

TEST(TavroMenuStyle, MainMenuItemsAreTallEnoughForTheGlyphs) {
    QMenuBar bar;
    QMenu* file = bar.addMenu(QStringLiteral("&File"));
    QMenu* sub = file->addMenu(QStringLiteral("&Recent"));
    QImage img(24, 24, QImage::Format_ARGB32);
    img.fill(Qt::red);
    QAction* open = file->addAction(iconWithDisabledGlyph(img), QStringLiteral("&Open"));
    open->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    file->addSeparator();
    file->addAction(QStringLiteral("E&xit"));
    TTavroMenu* style = TTavroMenu::installOnMainMenu(&bar, 24);
    EXPECT_EQ(sub->style(), style);
    EXPECT_EQ(file->style(), style);
    EXPECT_EQ(style->parent(), &bar);
    file->adjustSize();
    EXPECT_GE(file->actionGeometry(open).height(), 26);
    EXPECT_GE(file->actionGeometry(open).width(), 26 + 4 + 12);
    const QImage shot = file->grab().toImage();
    const QRect r = file->actionGeometry(open);
    EXPECT_EQ(shot.pixelColor(r.left() + 2, r.top() + 2), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(r.left() + 27, r.top() + 1), style->look().BackColor);
}

} // namespace
