#include "MainFormTestSupport.h"
#include "SessionTestSupport.h"
#include "canvas/tools/ToolInfo.h"
#include "canvas/ui/OptionPanels.h"
#include "canvas/ui/ToolsPanel.h"
#include "canvas/ui/ToolsUi.h"
#include "canvas/ui/WorkView.h"
#include "colours/ui/AlphaSliderView.h"
#include "colours/ui/ColourSwatches.h"
#include "colours/ui/ColoursPanel.h"
#include "images/ui/IconListModel.h"
#include "images/ui/ImageListPanel.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QStyle>
#include <QTest>
#include <QToolButton>

// What a new user meets first, through the real window: the keyboard after
// the option panels, the image list, the colours panel and the option panels'
// layout.
namespace {

class MainFormFirstUse : public MainFormTest {
protected:
    TMainForm& shown(QSize Size = QSize(700, 545)) {
        TMainForm& f = form();
        f.session().setNewIconPrompt(&newIcon);
        f.resize(Size);
        f.show();
        f.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&f));
        return f;
    }
    QToolButton* toolButton(TMainForm& F, int Tag) {
        return F.toolsUi()->tools().button(Tag);
    }

    ScriptedNewIcon newIcon;
};

// A widget's rectangle in the coordinates of Top.
QRect placeIn(const QWidget* W, const QWidget* Top) {
    return QRect(W->mapTo(Top, QPoint(0, 0)), W->size());
}

int changedCount(const TBitmap32& B) {
    return int(std::count_if(B.Bits.begin(), B.Bits.end(), [](TColor32 C) { return C != 0; }));
}

struct StillPointer : ScreenPointer {
    QPoint pos() const override { return {}; }
    void setPos(QPoint) override {}
};

} // namespace

// After typing in the text tool's box, a click on the image gives it the
// keyboard: the undo and redo keys then work on the image, not on the text.
TEST_F(MainFormFirstUse, UndoKeysGoToTheImageOnceItIsClicked) {
    TMainForm& f = shown();
    EditSession& s = f.session();
    toolButton(f, TextTag)->click();
    auto* txt = f.opsPanel()->findChild<QLineEdit*>(QStringLiteral("txt"));
    ASSERT_NE(txt, nullptr);
    txt->setFocus();
    QTest::keyClicks(txt, QStringLiteral("ab"));
    ASSERT_EQ(txt->text(), QStringLiteral("Textab"));

    WorkView* work = f.work();
    QTest::mouseClick(work, Qt::LeftButton, Qt::NoModifier, work->rect().center());
    ASSERT_TRUE(f.commands().action("UndoA")->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), work);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(txt->text(), QStringLiteral("Textab"));
    EXPECT_FALSE(f.commands().action("UndoA")->isEnabled());
    EXPECT_EQ(changedCount(s.WorkBitmap()), 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z,
                    Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_GT(changedCount(s.WorkBitmap()), 0);
}

// A single click only moves the highlight; Enter, like a double click, edits
// the highlighted image. The active image is marked whatever is highlighted.
TEST_F(MainFormFirstUse, TheListMarksTheActiveImageAndEnterEditsTheHighlightedOne) {
    TMainForm& f = shown();
    EditSession& s = f.session();
    newIcon.answer(NewIconChoice{16, 16, 32});
    f.commands().action("NewIA")->trigger();
    QListView* list = f.imageList()->IconsList();
    IconListModel* model = f.imageList()->model();
    const auto marked = [&](int Row) {
        const QModelIndex i = model->index(Row);
        return i.data(Qt::FontRole).value<QFont>().bold() && i.data(Qt::BackgroundRole).isValid();
    };
    ASSERT_EQ(s.document().activeIndex(), 1);
    EXPECT_TRUE(marked(1));
    EXPECT_FALSE(marked(0));

    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualRect(model->index(0)).center());
    EXPECT_TRUE(list->selectionModel()->isSelected(model->index(0)));
    EXPECT_EQ(s.document().activeIndex(), 1);
    EXPECT_TRUE(marked(1));
    EXPECT_FALSE(marked(0));

    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(s.document().activeIndex(), 0);
    EXPECT_TRUE(marked(0));
    EXPECT_FALSE(marked(1));
}

// The swatches keep the complement as their figures' colour; their frames
// and the foreground's figure stay visible on any colour, mid-grey included.
TEST_F(MainFormFirstUse, SwatchFramesAndFiguresStayVisibleOnMidGrey) {
    TMainForm& f = shown();
    EditSession& s = f.session();
    ColourState grey = s.colours();
    grey.setColour(ColourSlot::Foreground, 0x808080u, 255);
    grey.setColour(ColourSlot::Background, 0x808080u, 255);
    s.setColours(grey);
    ColourSwatches* swatches = f.coloursPanel()->colspan();
    for (ColourSwatch* w : {swatches->pecol(), swatches->brcol()}) {
        SCOPED_TRACE(w->objectName().toStdString());
        EXPECT_EQ(w->label()->palette().color(QPalette::WindowText), QColor(0x7F, 0x7F, 0x7F));
        const QImage shot = w->grab().toImage();
        // A corner inside the frame, clear of the outlined figure.
        const QColor inside = shot.pixelColor(3, shot.height() - 4);
        const QColor edge = shot.pixelColor(0, 12), rim = shot.pixelColor(1, 12);
        EXPECT_EQ(inside, QColor(0x80, 0x80, 0x80));
        // One of the two frame lines differs plainly from the colour.
        EXPECT_GT(std::max(std::abs(edge.value() - inside.value()),
                           std::abs(rim.value() - inside.value())),
                  100);
    }
    // The foreground's figure lies clear of the background swatch over it.
    QLabel* figure = swatches->pecol()->label();
    const QRect text = QStyle::alignedRect(
        Qt::LeftToRight, figure->alignment(),
        figure->fontMetrics().boundingRect(figure->text()).size(), figure->rect());
    const QRect shown = QRect(figure->mapTo(swatches, text.topLeft()), text.size());
    EXPECT_FALSE(shown.intersects(placeIn(swatches->brcol(), swatches)));
    EXPECT_TRUE(placeIn(swatches->pecol(), swatches).contains(shown));
}

// Mid-track the "Alpha" caption stands beside the thumb; the thumb shows the
// alpha of the colour it edits also after that colour changed elsewhere.
TEST_F(MainFormFirstUse, TheAlphaSliderKeepsItsCaptionClearAndFollowsTheColour) {
    TMainForm& f = shown();
    EditSession& s = f.session();
    StillPointer pointer;
    f.coloursPanel()->setScreenPointer(pointer);
    AlphaSliderView* alph = f.coloursPanel()->Alph();
    const int captionWidth = alph->fontMetrics().horizontalAdvance(QStringLiteral("Alpha"));
    for (const int move : {-50, -40, -60, -100}) {
        alph->AlPMouseDown(Qt::LeftButton, 5);
        alph->AlPMouseMove(5 + move);
        alph->AlPMouseUp();
        SCOPED_TRACE(alph->AlL()->text().toStdString());
        EXPECT_FALSE(alph->captionRect().intersects(alph->AlP()->geometry()));
        EXPECT_GE(alph->captionRect().width(), captionWidth);
        alph->AlPMouseDown(Qt::LeftButton, 5);
        alph->AlPMouseMove(5 + 200);
        alph->AlPMouseUp();
    }
    alph->AlPMouseDown(Qt::LeftButton, 5);
    alph->AlPMouseMove(5 - 50);
    alph->AlPMouseUp();
    ASSERT_EQ(s.colours().ForegroundAlpha(), 128);

    // The colour dialog gives an opaque colour: the thumb follows at once.
    prompts.colorAnswer(0x0000FFu);
    s.pecolMouseDown(ColourSlot::Foreground, Qt::LeftButton);
    EXPECT_EQ(s.colours().ForegroundAlpha(), 255);
    EXPECT_EQ(alph->AlL()->text(), QStringLiteral("255"));
    EXPECT_EQ(alph->AlP()->x(), 101);
}

// The text and fill panels at the smallest and a large window: every control
// inside OpsPanel and above the status bar, side by side without touching,
// the text panel's controls on one line, the gradient bar at full width.
TEST_F(MainFormFirstUse, OptionPanelsAreLaidOutCleanly) {
    for (const QSize size : {QSize(700, 545), QSize(1200, 900)}) {
        SCOPED_TRACE(size.width());
        TMainForm& f = shown(size);
        QWidget* ops = f.opsPanel();
        const QRect opsRect = ops->rect();
        struct Panel {
            int Tag;
            const char* Name;
            std::vector<const char*> Row; // left to right
        };
        for (const Panel& p : {Panel{TextTag, "TextP", {"txt", "FontBtn", "TexTran"}},
                               Panel{PatilTag, "PatilP", {"GraP", "Fill1", "AngUP"}}}) {
            SCOPED_TRACE(p.Name);
            toolButton(f, p.Tag)->click();
            QApplication::processEvents();
            QWidget* panel = ops->findChild<QWidget*>(QLatin1String(p.Name));
            ASSERT_NE(panel, nullptr);
            QRect last;
            for (const char* name : p.Row) {
                QWidget* w = panel->findChild<QWidget*>(QLatin1String(name));
                ASSERT_NE(w, nullptr) << name;
                const QRect r = placeIn(w, ops);
                EXPECT_TRUE(opsRect.contains(r)) << name;
                EXPECT_GE(opsRect.bottom() - r.bottom(), 2) << name;
                if (!last.isNull()) {
                    EXPECT_GE(r.left() - last.right(), 4) << name;
                }
                last = r;
            }
        }
        auto row = [&](const char* Name) {
            return placeIn(ops->findChild<QWidget*>(QLatin1String(Name)), ops);
        };
        // One line: the text box, the Font button and the switch share a centre.
        EXPECT_LE(std::abs(row("FontBtn").center().y() - row("txt").center().y()), 1);
        EXPECT_LE(std::abs(row("TexTran").center().y() - row("txt").center().y()), 1);
        EXPECT_EQ(row("GraP").width(), 203);
        // The right end colour keeps its distance from the fill modes.
        EXPECT_GE(row("Fill1").left() - row("GraP").right(), 5 + 6);
        m_form.reset();
    }
}

// Desktops hand their own font to the program (a dark GNOME scheme a larger
// one). In the window at its smallest, which on an 800 x 600 screen is what
// is left beside the desktop's panel, nothing of the tools and colours panels
// is cut off, and the colours panel's captions show whole, apart from each
// other and from the alpha slider.
TEST_F(MainFormFirstUse, AtItsSmallestTheWindowCutsNothingOffInAnyFont) {
    const QFont original = QApplication::font();
    for (const qreal points : {0.0, 11.0, 13.0}) {
        SCOPED_TRACE(points);
        QFont font = original;
        if (points > 0) font.setPointSizeF(points);
        QApplication::setFont(font);
        TMainForm& f = shown(QSize(100, 100));
        QApplication::processEvents();
        // Here no frame is known; under a 33-pixel title bar the panels'
        // needs still fit.
        EXPECT_LE(f.height(), 568);
        EXPECT_LE(f.width(), 800);
        EXPECT_LE(f.minimumSizeHint().height(), 568 - 33);
        for (QWidget* panel :
             {static_cast<QWidget*>(f.toolsPanel()), static_cast<QWidget*>(f.colorsPanel())}) {
            SCOPED_TRACE(panel->objectName().toStdString());
            for (QWidget* w :
                 panel->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
                if (!w->isVisibleTo(panel)) continue;
                SCOPED_TRACE(w->objectName().toStdString());
                EXPECT_TRUE(panel->contentsRect().contains(w->geometry()));
            }
        }
        // The two-line captions of the mode switches stay inside their edges.
        for (const char* name : {"Anti", "Blen"}) {
            auto* b = f.toolsPanel()->findChild<QToolButton*>(QLatin1String(name));
            ASSERT_NE(b, nullptr);
            const QRect text = b->fontMetrics().boundingRect(b->rect(), Qt::AlignCenter, b->text());
            EXPECT_TRUE(b->rect().adjusted(1, 1, -1, -1).contains(text)) << name;
        }
        ColoursPanel* colours = f.coloursPanel();
        const QRect tra = colours->TraLbl()->geometry();
        const QRect inv = colours->InvLbl()->geometry();
        for (QLabel* l : {colours->TraLbl(), colours->InvLbl()}) {
            SCOPED_TRACE(l->text().toStdString());
            EXPECT_TRUE(l->size().expandedTo(l->sizeHint()) == l->size()) << "cut off";
        }
        EXPECT_FALSE(tra.intersects(inv));
        // "Alpha" fits the height of the slider's track.
        AlphaSliderView* alph = colours->Alph();
        EXPECT_LE(QFontMetrics(alph->captionFont()).height(), alph->captionRect().height());
        EXPECT_GT(colours->Alph()->geometry().top(), std::max(tra.bottom(), inv.bottom()));
        m_form.reset();
    }
    QApplication::setFont(original);
}
