#include "widgets/TavroMenu.h"
#include "widgets/DisabledGlyph.h"
#include "widgets/TavroMenuPainter.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

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

// Real menus drawn by the style, as the main window has them: one left to
// right, one right to left, each with a checked item that has a glyph, a
// checked and an unchecked item without one, and a disabled item.
class TavroMenuOnScreen : public ::testing::Test {
protected:
    struct Items {
        QMenu* menu = nullptr;
        QAction* grid = nullptr;    // glyph, checked
        QAction* png = nullptr;     // no glyph, checked
        QAction* toolbar = nullptr; // no glyph, not checked
        QAction* remove = nullptr;  // glyph, disabled
    };

    TavroMenuOnScreen() {
        glyph = QImage(24, 24, QImage::Format_ARGB32);
        glyph.fill(Qt::transparent);
        for (int y = 6; y < 18; ++y)
            for (int x = 6; x < 18; ++x)
                glyph.setPixel(x, y, qRgb(255, 0, 0));
        ltr = fill(bar.addMenu(QStringLiteral("&View")));
        rtl = fill(bar.addMenu(QStringLiteral("&Icon")));
        rtl.menu->setLayoutDirection(Qt::RightToLeft);
        style = TTavroMenu::installOnMainMenu(&bar, 24);
        TavroMenuLook& look = style->look();
        look.BackColor = Qt::white;
        look.ImageBackColor = QColor(200, 200, 200);
        look.CheckColor = QColor(0, 160, 0);
        look.TextColor = QColor(10, 10, 10);
        look.DisableTextColor = QColor(150, 150, 150);
    }
    Items fill(QMenu* Menu) {
        Items i;
        i.menu = Menu;
        i.grid = Menu->addAction(iconWithDisabledGlyph(glyph), QStringLiteral("&Grid"));
        i.png = Menu->addAction(QStringLiteral("Stored as &PNG"));
        i.toolbar = Menu->addAction(QStringLiteral("&Toolbar"));
        for (QAction* a : {i.grid, i.png, i.toolbar}) {
            a->setCheckable(true);
            a->setChecked(a != i.toolbar);
        }
        i.remove = Menu->addAction(iconWithDisabledGlyph(glyph), QStringLiteral("&Remove"));
        i.remove->setEnabled(false);
        return i;
    }
    static QImage shot(QMenu* Menu) {
        Menu->adjustSize();
        return Menu->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    static int count(const QImage& Img, const QRect& R, QColor C) {
        int n = 0;
        for (int y = R.top(); y <= R.bottom(); ++y)
            for (int x = R.left(); x <= R.right(); ++x)
                n += Img.pixelColor(x, y) == C;
        return n;
    }
    static QRect bounds(const QImage& Img, const QRect& R, QColor C) {
        QRect b;
        for (int y = R.top(); y <= R.bottom(); ++y)
            for (int x = R.left(); x <= R.right(); ++x)
                if (Img.pixelColor(x, y) == C) b |= QRect(x, y, 1, 1);
        return b;
    }
    // The glyph column of an item: at its leading end.
    static QRect column(const QRect& Item, bool RightToLeft) {
        return RightToLeft ? QRect(Item.right() - 25, Item.top(), 26, Item.height())
                           : QRect(Item.left(), Item.top(), 26, Item.height());
    }
    const TavroMenuLook& look() const { return style->look(); }

    QImage glyph;
    QMenuBar bar;
    Items ltr, rtl;
    TTavroMenu* style = nullptr;
};

TEST_F(TavroMenuOnScreen, CheckedDisabledAndMirroredItemsAsDrawn) {
    for (const bool rightToLeft : {false, true}) {
        SCOPED_TRACE(rightToLeft ? "right to left" : "left to right");
        const Items& i = rightToLeft ? rtl : ltr;
        const QImage img = shot(i.menu);

        // Checked with a glyph: the glyph framed by an outline in CheckColor.
        const QRect grid = i.menu->actionGeometry(i.grid);
        const QRect gridColumn = column(grid, rightToLeft);
        EXPECT_EQ(img.pixelColor(gridColumn.left() + 1 + 10, grid.top() + 1 + 10),
                  QColor(255, 0, 0));
        EXPECT_EQ(img.pixelColor(gridColumn.left() + 1, grid.center().y()), look().CheckColor);
        EXPECT_EQ(img.pixelColor(gridColumn.left() + 3, grid.top() + 3), look().ImageBackColor);
        EXPECT_EQ(
            img.pixelColor(rightToLeft ? grid.left() + 2 : grid.right() - 2, grid.center().y()),
            look().BackColor);

        // Checked without a glyph: a square box a person takes for a check
        // box, filled, with a mark of another colour inside, in the middle of
        // the glyph column.
        const QRect png = i.menu->actionGeometry(i.png);
        const QRect pngColumn = column(png, rightToLeft);
        const QRect box = bounds(img, pngColumn, look().CheckColor);
        ASSERT_FALSE(box.isNull()) << "no check box";
        EXPECT_GE(box.width(), 11);
        EXPECT_GE(box.height(), 11);
        EXPECT_LE(std::abs(box.width() - box.height()), 1) << "not square";
        EXPECT_LE(std::abs(box.center().x() - pngColumn.center().x()), 1);
        EXPECT_LE(std::abs(box.center().y() - png.center().y()), 1);
        const int filled = count(img, box, look().CheckColor);
        const int area = box.width() * box.height();
        EXPECT_GT(filled, area / 2) << "not filled";
        int mark = 0;
        for (int y = box.top() + 1; y < box.bottom(); ++y)
            for (int x = box.left() + 1; x < box.right(); ++x) {
                const QColor c = img.pixelColor(x, y);
                mark += std::abs(c.lightness() - look().CheckColor.lightness()) >= 80;
            }
        EXPECT_GE(mark, area / 12) << "no mark inside the box";
        EXPECT_EQ(bounds(img, i.menu->actionGeometry(i.toolbar), look().CheckColor), QRect())
            << "an unchecked item shows a check";

        // Disabled: the caption in DisableTextColor only, the glyph grey.
        const QRect remove = i.menu->actionGeometry(i.remove);
        const QRect removeText =
            rightToLeft ? remove.adjusted(0, 0, -30, 0) : remove.adjusted(30, 0, 0, 0);
        EXPECT_GT(count(img, removeText, look().DisableTextColor), 0);
        EXPECT_EQ(count(img, removeText, look().TextColor), 0);
        const QColor g =
            img.pixelColor(column(remove, rightToLeft).left() + 1 + 12, remove.top() + 1 + 12);
        EXPECT_EQ(g.red(), g.green()) << "a disabled glyph in colour";

        // The caption stands beside the glyph column, at the leading end.
        const QRect near = rightToLeft
                               ? QRect(gridColumn.left() - 40, grid.top(), 40, grid.height())
                               : QRect(gridColumn.right() + 1, grid.top(), 40, grid.height());
        EXPECT_GT(count(img, near, look().TextColor), 0) << "caption not beside the glyphs";
    }
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
