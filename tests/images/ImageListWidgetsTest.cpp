#include "ModalSupport.h"
#include "ScriptedPrompter.h"
#include "SessionTestSupport.h"
#include "images/ui/IconListModel.h"
#include "images/ui/ImageListPanel.h"
#include "images/ui/NewIconForm.h"

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QFrame>
#include <QGroupBox>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class ImageListWidgets : public ::testing::Test {
protected:
    void SetUp() override {
        s.NewAExecute(true);
        s.appendNewImage({16, 16, 4});
        s.appendNewImage({48, 24, 32});
        panel.resize(121, 430);
        list = new ImageListPanel(s, &panel);
        connectImageList(list, s);
        panel.show();
    }
    QListView* view() { return list->IconsList(); }
    QPoint centreOf(int Row) { return view()->visualRect(list->model()->index(Row)).center(); }
    int selectedRow() {
        const QModelIndexList rows = view()->selectionModel()->selectedIndexes();
        return rows.size() == 1 ? rows.front().row() : -1;
    }

    ScriptedPrompter prompts;
    EditSession s{prompts, testDataDir()};
    QFrame panel;
    ImageListPanel* list = nullptr;
};

TEST_F(ImageListWidgets, ShowsEveryImageWithCaptionAndThumbnail) {
    ASSERT_EQ(list->model()->rowCount(), 3);
    EXPECT_EQ(list->model()->index(0).data().toString(), QStringLiteral("32 x 32 (TCA)"));
    EXPECT_EQ(list->model()->index(1).data().toString(), QStringLiteral("16 x 16  (16)"));
    EXPECT_EQ(list->model()->index(2).data().toString(), QStringLiteral("48 x 24  (TCA)"));
    EXPECT_EQ(view()->iconSize(), QSize(32, 32));
    EXPECT_EQ(view()->viewMode(), QListView::IconMode);
    EXPECT_EQ(selectedRow(), 2) << "the active image is selected";
    EXPECT_EQ(view()->toolTip(), QStringLiteral("Double click to select icon."));
    EXPECT_EQ(list->IUB()->toolTip(), QStringLiteral("UP"));
    EXPECT_EQ(list->IDB()->statusTip(), QStringLiteral("Moves active icon one level down."));

    // A committed change redraws the item's thumbnail.
    paintAll(s, 0xFF0000FFu);
    const QIcon icon = list->model()->index(2).data(Qt::DecorationRole).value<QIcon>();
    const QImage shown = icon.pixmap(32, 32).toImage();
    EXPECT_EQ(shown.pixel(16, 16) & 0xFFFFFFu, 0xFF0000u);
}

TEST_F(ImageListWidgets, DoubleClickEditsAnImageAndAClickOnlySelects) {
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, centreOf(1));
    EXPECT_EQ(selectedRow(), 1);
    EXPECT_EQ(s.document().activeIndex(), 2) << "a single click does not switch";

    QTest::mouseDClick(view()->viewport(), Qt::LeftButton, {}, centreOf(1));
    EXPECT_EQ(s.document().activeIndex(), 1);
    EXPECT_EQ(s.WorkBitmap().Width, 16);
}

TEST_F(ImageListWidgets, MoveButtonsReorderAndTheSelectionFollows) {
    QTest::mouseClick(list->IUB(), Qt::LeftButton);
    EXPECT_EQ(s.document().activeIndex(), 1);
    EXPECT_EQ(selectedRow(), 1);
    EXPECT_EQ(list->model()->index(1).data().toString(), QStringLiteral("48 x 24  (TCA)"));
    EXPECT_EQ(list->model()->index(2).data().toString(), QStringLiteral("16 x 16  (16)"));
    EXPECT_EQ(s.WorkBitmap().Width, 48);

    QTest::mouseClick(list->IDB(), Qt::LeftButton);
    EXPECT_EQ(s.document().activeIndex(), 2);
    EXPECT_EQ(selectedRow(), 2);
}

TEST_F(ImageListWidgets, RemovingSelectsTheNewActiveImage) {
    s.RemoveIAExecute();
    EXPECT_EQ(list->model()->rowCount(), 2);
    EXPECT_EQ(selectedRow(), 1);
}

// With enough images for a vertical scroll bar, the active image's bold
// caption is wider than what is left of the list: it wraps onto a second line
// and never calls for a horizontal scroll bar.
TEST_F(ImageListWidgets, WideCaptionsWrapInsteadOfScrollingSideways) {
    for (int i = 0; i < 10; ++i)
        s.appendNewImage({255, 255, 32});
    QCoreApplication::processEvents();
    ASSERT_TRUE(view()->verticalScrollBar()->isVisible());
    EXPECT_FALSE(view()->horizontalScrollBar()->isVisible());
    const int room = view()->viewport()->width();
    for (int row = 0; row < list->model()->rowCount(); ++row) {
        const QRect r = view()->visualRect(list->model()->index(row));
        EXPECT_GE(r.left(), 0) << row;
        EXPECT_LE(r.right(), room) << row;
    }
    const QModelIndex active = list->model()->index(s.document().activeIndex());
    const QModelIndex other = list->model()->index(0);
    const QFontMetrics bold(active.data(Qt::FontRole).value<QFont>().resolve(view()->font()));
    const QRect shown = view()->visualRect(active);
    if (bold.horizontalAdvance(active.data().toString()) > shown.width()) {
        EXPECT_GT(shown.height(), view()->visualRect(other).height()) << "not wrapped";
    }
}

// What the screen holds of the list after the pending repaints, against the
// list painted afresh: an item that changed must leave nothing of its old
// look behind.
struct ListPixels {
    QImage shown, fresh;
    // Pixels that differ by more than the odd step of a shaded selection.
    int stale() const {
        if (shown.size() != fresh.size()) return -1;
        int n = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) {
                const QRgb a = shown.pixel(x, y), b = fresh.pixel(x, y);
                n += std::abs(qRed(a) - qRed(b)) > 8 || std::abs(qGreen(a) - qGreen(b)) > 8 ||
                     std::abs(qBlue(a) - qBlue(b)) > 8;
            }
        return n;
    }
};
ListPixels listPixels(QListView* View) {
    QWidget* port = View->viewport();
    QWidget* window = port->window();
    const QPoint at = port->mapTo(window, QPoint(0, 0));
    ListPixels p;
    p.shown = window->screen()
                  ->grabWindow(window->winId(), at.x(), at.y(), port->width(), port->height())
                  .toImage()
                  .convertToFormat(QImage::Format_RGB32);
    p.fresh = port->grab().toImage().convertToFormat(QImage::Format_RGB32);
    return p;
}

// The stale pixels left once whatever the list has scheduled (a new layout,
// then its repaint) has run; on a busy machine that may take a while, so the
// screen is read again until it is clean or two seconds have passed.
int staleAfterRepaints(QListView* View) {
    QDeadlineTimer deadline(2000);
    int stale = -1;
    do {
        QTest::qWait(20);
        stale = listPixels(View).stale();
    } while (stale != 0 && !deadline.hasExpired());
    return stale;
}

// Format changes narrow and widen the caption ("(256)", "(16)", "(2)",
// "(TCA)") and remake the thumbnail.
TEST_F(ImageListWidgets, FormatChangesLeaveNoStalePixels) {
    s.appendNewImage({48, 48, 8});
    paintAll(s, 0xFF2040C0u);
    QTest::qWait(20);
    const QImage before = listPixels(view()).shown;
    ASSERT_FALSE(before.isNull()) << "the screen cannot be read back";
    struct Step {
        ColourFormat format;
        bool asks;
        const char* caption;
    };
    for (const Step step : {Step{4, true, "48 x 48  (16)"}, Step{1, true, "48 x 48  (2)"},
                            Step{32, false, "48 x 48  (TCA)"}, Step{24, false, "48 x 48  (TC)"},
                            Step{8, true, "48 x 48  (256)"}}) {
        SCOPED_TRACE(step.caption);
        if (step.asks) prompts.answer(MessageAnswer::Yes);
        ASSERT_TRUE(s.rueColorwithAplpha1Click(step.format));
        ASSERT_EQ(list->model()->index(3).data().toString(), QLatin1String(step.caption));
        EXPECT_EQ(staleAfterRepaints(view()), 0) << "stale pixels on screen";
    }
}

// Each item is as tall as its caption: the active one's bold caption may wrap
// onto a second line, and the item under it moves down rather than covering
// it.
TEST_F(ImageListWidgets, ItemsNeverOverlapWhenTheActiveCaptionWraps) {
    for (int i = 0; i < 10; ++i)
        s.appendNewImage({255, 255, 32});
    QCoreApplication::processEvents();
    for (const int row : {4, 0, 12, 7}) {
        SCOPED_TRACE(row);
        s.ActivateImage(row, false);
        EXPECT_EQ(staleAfterRepaints(view()), 0) << "stale pixels on screen";
        QRect previous;
        for (int i = 0; i < list->model()->rowCount(); ++i) {
            const QRect r = view()->visualRect(list->model()->index(i));
            EXPECT_FALSE(r.intersects(previous)) << "item " << i << " covers item " << i - 1;
            previous = r;
        }
        // The case is only worth something when the bold caption does wrap:
        // its item is then a text line taller than the others.
        const QModelIndex active = list->model()->index(row);
        const QFontMetrics bold(active.data(Qt::FontRole).value<QFont>().resolve(view()->font()));
        const QRect shown = view()->visualRect(active);
        ASSERT_GT(bold.horizontalAdvance(active.data().toString()), shown.width());
        const QRect other = view()->visualRect(list->model()->index(row == 0 ? 1 : 0));
        EXPECT_GE(shown.height(), other.height() + bold.height() - 2);
    }
}

TEST(NewIconForm, CustomSizeAndFormatAreKeptForTheNextUse) {
    QWidget owner;
    NewIconDialogPrompt prompt(&owner);
    TNewicofrm& form = prompt.form();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("New Icon"));
    EXPECT_EQ(form.size(), QSize(298, 226));
    EXPECT_EQ(form.SizeC()->count(), 10);
    EXPECT_EQ(form.SizeC()->currentText(), QStringLiteral("32 x 32"));
    EXPECT_EQ(form.SizeC()->itemText(9), QStringLiteral("Custom..."));
    EXPECT_FALSE(form.WidthE()->isEnabled());
    EXPECT_EQ(form.Cols()->title(), QStringLiteral("Image Colors"));
    EXPECT_EQ(form.ok()->toolTip(), QStringLiteral("Creates a new icon and closes dialog box."));

    const auto choice = whileModal<TNewicofrm, std::optional<NewIconChoice>>(
        [&] { return prompt.askNewIcon(); },
        [](TNewicofrm& d) {
            d.SizeC()->setCurrentIndex(9);
            EXPECT_TRUE(d.WidthE()->isEnabled());
            EXPECT_TRUE(d.HeightE()->isEnabled());
            d.WidthE()->setValue(20);
            d.HeightE()->setValue(400); // kept within 1..256
            d.findChild<QRadioButton*>(QStringLiteral("Cols1"))->setChecked(true);
            QTest::mouseClick(d.ok(), Qt::LeftButton);
        });
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->Width, 20);
    EXPECT_EQ(choice->Height, 256);
    EXPECT_EQ(choice->Format, 4);

    // The next use opens with those choices; Cancel yields nothing.
    const auto cancelled = whileModal<TNewicofrm, std::optional<NewIconChoice>>(
        [&] { return prompt.askNewIcon(); },
        [](TNewicofrm& d) {
            EXPECT_EQ(d.SizeC()->currentIndex(), 9);
            EXPECT_EQ(d.WidthE()->value(), 20);
            EXPECT_TRUE(d.findChild<QRadioButton*>(QStringLiteral("Cols1"))->isChecked());
            d.SizeC()->setCurrentIndex(1);
            EXPECT_FALSE(d.HeightE()->isEnabled());
            QTest::mouseClick(d.cancel(), Qt::LeftButton);
        });
    EXPECT_FALSE(cancelled);

    // The keyboard: Tab goes from the size to the chosen format, Up picks the
    // one above it.
    const auto keyed = whileModal<TNewicofrm, std::optional<NewIconChoice>>(
        [&] { return prompt.askNewIcon(); },
        [](TNewicofrm& d) {
            d.SizeC()->setFocus();
            QTest::keyClick(d.SizeC(), Qt::Key_Tab);
            ASSERT_EQ(QApplication::focusWidget(),
                      d.findChild<QRadioButton*>(QStringLiteral("Cols1")));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
    ASSERT_TRUE(keyed);
    EXPECT_EQ(keyed->Format, 1);

    EXPECT_EQ(keyed->Width, 16);
    EXPECT_EQ(keyed->Height, 16);
}

} // namespace
