// Readability on light and dark desktops: every caption of the owner-drawn
// menus, every text of the main window and its dialogs against what lies
// under it (at least 4.5 : 1), and every drawn glyph against its button (at
// least 3 : 1), measured on the pixels as drawn.

#include "widgets/Contrast.h"
#include "MainFormTestSupport.h"
#include "app/ui/MenuImageList.h"
#include "canvas/tools/ToolInfo.h"
#include "canvas/ui/ToolGlyphs.h"
#include "canvas/ui/WorkView.h"
#include "colours/ui/ColourGlyphs.h"
#include "cursortheme/ui/CursorThemeForm.h"
#include "images/ui/ArrowGlyph.h"
#include "widgets/TavroMenuLayout.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QStyleFactory>
#include <QToolButton>
#include <algorithm>
#include <map>
#include <vector>

namespace {

struct Scheme {
    const char* name;
    QPalette palette;
};

QPalette darkPalette(QColor Window, QColor Text, QColor Base, QColor Highlight,
                     QColor HighlightedText, QColor DisabledText) {
    QPalette p(Window);
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(g, QPalette::Window, Window);
        p.setColor(g, QPalette::Button, Window);
        p.setColor(g, QPalette::Base, Base);
        p.setColor(g, QPalette::AlternateBase, Window);
        p.setColor(g, QPalette::ToolTipBase, Base);
        const QColor text = g == QPalette::Disabled ? DisabledText : Text;
        p.setColor(g, QPalette::WindowText, text);
        p.setColor(g, QPalette::ButtonText, text);
        p.setColor(g, QPalette::Text, text);
        p.setColor(g, QPalette::ToolTipText, Text);
        p.setColor(g, QPalette::Highlight, Highlight);
        p.setColor(g, QPalette::HighlightedText, HighlightedText);
        p.setColor(g, QPalette::Light, Window.lighter(150));
        p.setColor(g, QPalette::Midlight, Window.lighter(125));
        p.setColor(g, QPalette::Mid, Window.darker(130));
        p.setColor(g, QPalette::Dark, Window.darker(160));
        p.setColor(g, QPalette::Shadow, Qt::black);
    }
    return p;
}

// The desktops people run: the light default, and the dark schemes of GNOME
// (as Qt's GTK theme hands it over) and of KDE.
std::vector<Scheme> schemes() {
    return {
        {"light", QStyleFactory::create(QStringLiteral("Fusion"))->standardPalette()},
        {"GNOME dark",
         darkPalette(QColor(0x35, 0x35, 0x35), QColor(0xee, 0xee, 0xec), QColor(0x2d, 0x2d, 0x2d),
                     QColor(0x15, 0x53, 0x9e), Qt::white, QColor(0x91, 0x91, 0x90))},
        {"KDE dark",
         darkPalette(QColor(0x31, 0x36, 0x3b), QColor(0xfc, 0xfc, 0xfc), QColor(0x1b, 0x1e, 0x20),
                     QColor(0x3d, 0xae, 0xe9), QColor(0xfc, 0xfc, 0xfc), QColor(0x6e, 0x71, 0x75))},
    };
}

// The colour most pixels of Area have: what the text lies on.
QColor mostCommon(const QImage& Image, const QRect& Area) {
    std::map<QRgb, int> count;
    for (int y = Area.top(); y <= Area.bottom(); ++y)
        for (int x = Area.left(); x <= Area.right(); ++x)
            ++count[Image.pixel(x, y) | 0xFF000000u];
    return QColor::fromRgb(std::max_element(count.begin(), count.end(), [](auto& a, auto& b) {
                               return a.second < b.second;
                           })->first);
}

// How well the text of Area reads: its most contrasting pixel against the
// background. Smoothed edges only lower a pixel's contrast, so the strongest
// one is the text's own colour.
double textContrast(const QImage& Image, QRect Area) {
    Area &= Image.rect();
    if (Area.isEmpty()) return 0;
    const QColor back = mostCommon(Image, Area);
    double best = 1;
    for (int y = Area.top(); y <= Area.bottom(); ++y)
        for (int x = Area.left(); x <= Area.right(); ++x)
            best = std::max(best, contrastRatio(QColor::fromRgb(Image.pixel(x, y)), back));
    return best;
}

// How well a glyph stands out on Face: the contrast that the strongest
// tenth of its covered pixels reach (an outline, a dark body), so that one
// stray pixel does not count and a faint glyph with a bright spot fails.
double glyphContrast(const QIcon& Icon, QSize Size, const QColor& Face) {
    const QImage glyph = Icon.pixmap(Size).toImage().convertToFormat(QImage::Format_ARGB32);
    QImage onFace(glyph.size(), QImage::Format_RGB32);
    onFace.fill(Face);
    {
        QPainter p(&onFace);
        p.drawImage(0, 0, glyph);
    }
    std::vector<double> covered;
    for (int y = 0; y < glyph.height(); ++y)
        for (int x = 0; x < glyph.width(); ++x)
            if (qAlpha(glyph.pixel(x, y)) >= 128)
                covered.push_back(contrastRatio(QColor::fromRgb(onFace.pixel(x, y)), Face));
    if (covered.empty()) return 0;
    std::sort(covered.begin(), covered.end(), std::greater<double>());
    return covered[covered.size() / 10];
}

class Contrast : public MainFormTest {
protected:
    void TearDown() override {
        m_form.reset();
        QApplication::setPalette(m_original);
        MainFormTest::TearDown();
    }
    // A main window made under Scheme, as the program starts on that desktop.
    TMainForm& formUnder(const Scheme& S) {
        m_form.reset();
        QApplication::setPalette(S.palette);
        TMainForm& f = form();
        f.show();
        return f;
    }
    const QPalette m_original = QApplication::palette();
};

} // namespace

TEST_F(Contrast, EveryMenuCaptionReadsOnItsItem) {
    for (const Scheme& s : schemes()) {
        SCOPED_TRACE(s.name);
        TMainForm& f = formUnder(s);
        const QImage bar = f.menuBar()->grab().toImage();
        for (QAction* top : f.menuBar()->actions()) {
            SCOPED_TRACE(top->text().toStdString());
            const QRect item = f.menuBar()->actionGeometry(top);
            EXPECT_GE(textContrast(bar, item.adjusted(2, 2, -2, -2)), TextContrast);
            QMenu* menu = top->menu();
            if (!menu) continue;
            menu->popup(QPoint());
            for (QAction* a : menu->actions()) {
                if (a->isSeparator() || !a->isVisible()) continue;
                SCOPED_TRACE(a->text().toStdString());
                TavroItemKind kind;
                kind.ImageListWidth = MenuImageList::ImageSize;
                const QRect text = layoutTavroItem(menu->actionGeometry(a), kind).Text;
                // Unselected, then under the mouse.
                for (bool selected : {false, true}) {
                    menu->setActiveAction(selected ? a : nullptr);
                    const QImage shown = menu->grab().toImage();
                    // Disabled captions only have to be seen; guidelines
                    // exempt them from the text figure.
                    const double need = a->isEnabled() ? TextContrast : GlyphContrast;
                    if (selected && !a->isEnabled()) continue;
                    EXPECT_GE(textContrast(shown, text.adjusted(0, 2, 0, -2)), need)
                        << (selected ? "selected" : "unselected");
                }
            }
            menu->hide();
        }
    }
}

namespace {

// Checks the texts of the labels, buttons, fields and lists shown inside Top;
// how many.
int checkTexts(QWidget* Top) {
    int checked = 0;
    for (QWidget* w : Top->findChildren<QWidget*>()) {
        QString text;
        if (auto* label = qobject_cast<QLabel*>(w)) text = label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w)) text = button->text();
        // Typed values (spin boxes hold one too) and chosen entries.
        if (auto* edit = qobject_cast<QLineEdit*>(w)) text = edit->text();
        if (auto* combo = qobject_cast<QComboBox*>(w); combo && !combo->isEditable())
            text = combo->currentText();
        // A tool button that shows only its glyph is a glyph; disabled
        // texts are exempt from the figure.
        if (auto* tool = qobject_cast<QToolButton*>(w))
            if (tool->toolButtonStyle() == Qt::ToolButtonIconOnly) continue;
        if (text.trimmed().isEmpty() || !w->isVisibleTo(Top) || !w->isEnabled() ||
            w->size().isEmpty())
            continue;
        SCOPED_TRACE(text.toStdString() + " in " + w->metaObject()->className() + " " +
                     w->objectName().toStdString());
        EXPECT_GE(textContrast(w->grab().toImage(), w->contentsRect()), TextContrast);
        ++checked;
    }
    return checked;
}

} // namespace

TEST_F(Contrast, EveryTextOfTheMainWindowReadsOnItsBackground) {
    for (const Scheme& s : schemes()) {
        SCOPED_TRACE(s.name);
        TMainForm& f = formUnder(s);
        f.resize(900, 700);
        f.statusBar()->showMessage(QStringLiteral("Ready"));
        QApplication::processEvents();
        EXPECT_GT(checkTexts(&f), 5) << "the window's texts were not found";
        // The image list's captions, plain and selected.
        QListView* list = f.findChild<QListView*>();
        ASSERT_NE(list, nullptr);
        const QModelIndex first = list->model()->index(0, 0);
        for (bool selected : {false, true}) {
            list->selectionModel()->select(first, selected ? QItemSelectionModel::ClearAndSelect
                                                           : QItemSelectionModel::Clear);
            const QImage now = list->viewport()->grab().toImage();
            QRect caption = list->visualRect(first);
            caption.setTop(caption.bottom() - list->fontMetrics().height());
            EXPECT_GE(textContrast(now, caption), TextContrast) << (selected ? "selected" : "");
        }
    }
}

// Each dialog as the user opens it, through its command: the number prompts,
// the new image, the palette, the effects, the frames' rate, order and
// properties, the preview, About and the cursor theme window.
TEST_F(Contrast, EveryTextOfEveryDialogReadsOnItsBackground) {
    const char* const commands[] = {"UndoLevel1",     "ransparencyalpharange1",
                                    "NewIA",          "Resize1",
                                    "ColorL1",        "ImageBalance1",
                                    "Spray1",         "Shadow1",
                                    "SmoothStretch1", "Custom1",
                                    "PreviewA",       "About1",
                                    "PalA",           "FrameRate1",
                                    "Sequence1",      "AniProperties1"};
    for (const Scheme& s : schemes()) {
        SCOPED_TRACE(s.name);
        TMainForm& f = formUnder(s);
        // A palette to configure and frames to set: a 16-colour image of an
        // animated cursor.
        prompts.answer(MessageAnswer::No);
        f.commands().action(QStringLiteral("N16Colors1"))->trigger();
        f.commands().action(QStringLiteral("AddFrame1"))->trigger();
        for (const char* name : commands) {
            SCOPED_TRACE(name);
            QAction* command = f.commands().action(QLatin1String(name));
            ASSERT_NE(command, nullptr);
            ASSERT_TRUE(command->isEnabled());
            withModal<QDialog>([&] { command->trigger(); },
                               [&](QDialog& d) {
                                   QApplication::processEvents();
                                   EXPECT_GT(checkTexts(&d), 0) << "no text found";
                               });
        }
        // The cursor theme window is not modal: it stays beside the editor.
        f.cursorThemeClick();
        ASSERT_NE(f.cursorThemeForm(), nullptr);
        QApplication::processEvents();
        EXPECT_GT(checkTexts(f.cursorThemeForm()), 0) << "no text found in the cursor theme window";
        f.cursorThemeForm()->hide();
    }
}

TEST_F(Contrast, EveryDrawnGlyphStandsOutOnItsButton) {
    for (const Scheme& s : schemes()) {
        SCOPED_TRACE(s.name);
        QApplication::setPalette(s.palette);
        const QColor face = s.palette.color(QPalette::Button);
        for (int tag = SelectTag; tag <= HotSpotTag; ++tag) {
            if (!toolInfo(tag)) continue;
            SCOPED_TRACE("tool " + std::to_string(tag));
            EXPECT_GE(glyphContrast(toolGlyph(tag), QSize(20, 20), face), GlyphContrast);
        }
        for (OptionGlyph g : {OptionGlyph::NoFill, OptionGlyph::SolidFill, OptionGlyph::Center,
                              OptionGlyph::Transparent}) {
            SCOPED_TRACE("option " + std::to_string(int(g)));
            EXPECT_GE(glyphContrast(optionGlyph(g), QSize(20, 20), face), GlyphContrast);
        }
        EXPECT_GE(glyphContrast(changeColourGlyph(), QSize(20, 20), face), GlyphContrast);
        EXPECT_GE(glyphContrast(replaceColoursGlyph(), QSize(20, 20), face), GlyphContrast);
        for (ArrowDirection d : {ArrowDirection::Up, ArrowDirection::Down})
            EXPECT_GE(glyphContrast(arrowGlyph(d), QSize(9, 5), face), GlyphContrast);
        const MenuImageList menuImages;
        for (int i = 0; i < MenuImageList::Count; ++i) {
            const QIcon icon = menuImages.icon(i);
            if (icon.isNull()) continue;
            SCOPED_TRACE("menu image " + std::to_string(i));
            EXPECT_GE(glyphContrast(icon, QSize(24, 24), face), GlyphContrast);
        }
    }
}

// The transparent, inverted and grid colours mean the same on any desktop:
// the view shows exactly the same pixels whatever the scheme.
TEST_F(Contrast, TheWorkViewShowsTheSameMarkersOnEveryScheme) {
    QImage light;
    for (const Scheme& s : schemes()) {
        SCOPED_TRACE(s.name);
        TMainForm& f = formUnder(s);
        f.resize(900, 700);
        EditSession& e = f.session();
        e.WorkBitmap().SetPixel(1, 0, SetAlpha(0x72B0CB, 0)); // the inverted colour
        e.WorkBitmap().SetPixel(2, 0, 0xFF0000FFu);           // opaque red
        e.commit();
        WorkView* view = f.findChild<WorkView*>();
        ASSERT_NE(view, nullptr);
        view->renderWorkView();
        // The image's part of the view; beside it the panel shows.
        const QImage shown = view->grab()
                                 .toImage()
                                 .convertToFormat(QImage::Format_RGB32)
                                 .copy(QRect(QPoint(), view->viewBuffer().size()));
        const int cell = int(view->zoom().ZoomX);
        ASSERT_GT(cell, 4);
        EXPECT_EQ(shown.pixel(cell / 2, cell / 2), qRgb(0x6A, 0xBB, 0xD2)) << "transparent";
        EXPECT_EQ(shown.pixel(cell + cell / 2, cell / 2), qRgb(0xCB, 0xB0, 0x72)) << "inverted";
        EXPECT_EQ(shown.pixel(2 * cell + cell / 2, cell / 2), qRgb(0xFF, 0, 0)) << "red";
        EXPECT_EQ(shown.pixel(cell, cell / 2), qRgb(0x80, 0x80, 0x80)) << "grid";
        if (light.isNull())
            light = shown;
        else
            EXPECT_EQ(shown, light);
    }
}
