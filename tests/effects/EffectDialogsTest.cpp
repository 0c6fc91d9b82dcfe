#include "effects/ui/EffectDialogs.h"
#include "EffectsTestSupport.h"
#include "ModalSupport.h"
#include "effects/EffectPreview.h"
#include "widgets/RotatedPicture.h"
#include "effects/ui/BalanceForm.h"
#include "effects/ui/ColorLevelsForm.h"
#include "effects/ui/ResizeForm.h"
#include "effects/ui/RotateForm.h"
#include "effects/ui/ShadowForm.h"
#include "effects/ui/SmoothContractForm.h"
#include "effects/ui/SpatterForm.h"
#include "widgets/PictureBox.h"
#include "widgets/TavroRotatableImage.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Half opaque, half see-through, every pixel different.
TBitmap32 target(int W = 20, int H = 12) {
    TBitmap32 b = numbered(W, H);
    for (int y = 0; y < H; ++y)
        for (int x = W / 2; x < W; ++x)
            b.SetPixel(x, y, SetAlpha(Color32ToColor(b.GetPixel(x, y)), 60));
    return b;
}

void expectButtons(EffectForm& F, QPoint Ok, QPoint Cancel) {
    EXPECT_EQ(F.OK()->geometry(), QRect(Ok, QSize(75, 25)));
    EXPECT_EQ(F.Cancel()->geometry(), QRect(Cancel, QSize(75, 25)));
    EXPECT_TRUE(F.OK()->isDefault());
    EXPECT_EQ(F.OK()->toolTip(), QStringLiteral("Applies changes and closes dialog box."));
    EXPECT_EQ(F.Cancel()->toolTip(), QStringLiteral("Closes dialog box without applying changes."));
}

TEST(EffectDialogs, FormsHaveTheirCaptionsSizesAndButtons) {
    QWidget owner;
    EffectDialogs d(&owner);
    const struct {
        EffectForm* form;
        const char* caption;
        QSize size;
        QPoint ok, cancel;
    } forms[] = {
        {&d.colLevFrm(), "Color Levels", {281, 386}, {120, 352}, {200, 352}},
        {&d.balFrm(), "Balance", {281, 369}, {200, 304}, {200, 336}},
        {&d.spatFrm(), "Spatter", {281, 258}, {120, 224}, {200, 224}},
        {&d.rotFrm(), "Rotate Image", {281, 258}, {120, 224}, {200, 224}},
        {&d.shadform(), "Shadow", {339, 165}, {256, 8}, {256, 40}},
        {&d.somform(), "Smooth Contract", {314, 65}, {152, 32}, {232, 32}},
        {&d.resizeform(), "Resize Icon", {297, 178}, {136, 144}, {216, 144}},
    };
    for (const auto& f : forms) {
        SCOPED_TRACE(f.caption);
        EXPECT_EQ(f.form->windowTitle(), QLatin1String(f.caption));
        EXPECT_EQ(f.form->size(), f.size);
        EXPECT_EQ(f.form->parentWidget(), &owner);
        expectButtons(*f.form, f.ok, f.cancel);
    }
    EXPECT_EQ(d.colLevFrm().ATr()->toolTip(), QStringLiteral("Changes image alpha channel."));
    EXPECT_EQ(d.balFrm().gch()->toolTip(),
              QStringLiteral("Activates/deactivates green channel changes."));
    EXPECT_EQ(d.rotFrm().RTr()->toolTip(), QStringLiteral("Specifies image rotation angle."));
    EXPECT_EQ(d.shadform().shaAe()->toolTip(), QStringLiteral("Specifies shadow alpha"));
    EXPECT_EQ(d.shadform().Smo()->toolTip(), QStringLiteral("Draws soft shadow."));
}

// Every slider row: the caption, the track and the value label, each label
// wide enough for its text, the caption clear of the track's left end and the
// value clear of its right end and inside the dialog, at the extreme values
// and with the desktop's font grown half again and twice.
TEST(EffectDialogs, SliderLabelsFitAtTheirLongestValues) {
    QWidget owner;
    EffectDialogs d(&owner);
    const qreal base = QApplication::font().pointSizeF();
    for (EffectForm* f :
         {static_cast<EffectForm*>(&d.colLevFrm()), static_cast<EffectForm*>(&d.balFrm()),
          static_cast<EffectForm*>(&d.spatFrm()), static_cast<EffectForm*>(&d.rotFrm())}) {
        for (const qreal grow : {1.0, 1.5, 2.0}) {
            SCOPED_TRACE(f->windowTitle().toStdString() + " at " + std::to_string(grow));
            QFont font = QApplication::font();
            font.setPointSizeF(base * grow);
            f->setFont(font);
            const QFontMetrics fm(font);
            const QList<QSlider*> sliders = f->findChildren<QSlider*>();
            ASSERT_FALSE(sliders.isEmpty());
            for (QSlider* s : sliders) {
                SCOPED_TRACE(s->objectName().toStdString());
                QLabel* caption = nullptr;
                QLabel* value = nullptr;
                for (QLabel* l : f->findChildren<QLabel*>()) {
                    const QRect g = l->geometry();
                    if (g.bottom() < s->y() || g.top() > s->geometry().bottom()) continue;
                    (g.left() < s->x() ? caption : value) = l;
                }
                ASSERT_TRUE(caption && value);
                EXPECT_LE(caption->geometry().right() + 4, s->x()) << "caption touches the track";
                EXPECT_GE(fm.horizontalAdvance(caption->text()), 1);
                EXPECT_LE(fm.horizontalAdvance(caption->text()), caption->width());
                EXPECT_LE(s->geometry().right() + 2, value->x()) << "value touches the track";
                EXPECT_LE(value->geometry().right(), f->width() - 1);
                EXPECT_GE(s->width(), 64) << "hardly any track left";
                for (const int v : {s->minimum(), s->maximum()}) {
                    s->setValue(v);
                    EXPECT_EQ(value->text(), QString::number(v));
                    EXPECT_LE(fm.horizontalAdvance(value->text()), value->width()) << v;
                    EXPECT_LE(fm.height(), value->height());
                }
            }
            f->setFont(QFont());
        }
    }
}

// A small picture is shown at the largest whole-number zoom that fits the
// preview, every pixel a square block; a large one is still scaled down.
TEST(EffectDialogs, PreviewsShowSmallPicturesEnlarged) {
    QWidget owner;
    EffectDialogs d(&owner);
    struct Case {
        const char* name;
        EffectForm* form;
        std::function<void(const TBitmap32&)> show;
        QSize target;
        QSize shown; // of the picture the preview was given, drawn
        int zoom;    // 0: scaled down to fit
    };
    const Case cases[] = {
        {"levels 32",
         &d.colLevFrm(),
         [&](const TBitmap32& T) { d.colLevFrm().FormShow(T); },
         {32, 32},
         {32, 32},
         5},
        {"levels 20 x 12",
         &d.colLevFrm(),
         [&](const TBitmap32& T) { d.colLevFrm().FormShow(T); },
         {20, 12},
         {20, 12},
         13},
        {"balance 255",
         &d.balFrm(),
         [&](const TBitmap32& T) { d.balFrm().FormShow(T); },
         {255, 255},
         {255, 255},
         0},
        {"spatter 1",
         &d.spatFrm(),
         [&](const TBitmap32& T) { d.spatFrm().FormShow(T); },
         {1, 1},
         {1, 1},
         169},
        {"rotation 32",
         &d.rotFrm(),
         [&](const TBitmap32& T) { d.rotFrm().FormShow(T); },
         {32, 32},
         {45, 45},
         3},
        {"shadow 16",
         &d.shadform(),
         [&](const TBitmap32& T) { d.shadform().FormShow(T, 0x0000FF, 100); },
         {16, 16},
         {16, 16},
         9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.show(numbered(c.target.width(), c.target.height()));
        PictureBox* box = c.form->Img();
        const QImage& picture = box->picture();
        ASSERT_EQ(picture.size(), c.shown);
        const QRect r = box->pictureRect();
        if (c.zoom == 0) {
            EXPECT_EQ(r.size(), picture.size().scaled(box->size(), Qt::KeepAspectRatio));
        } else {
            EXPECT_EQ(r.size(), picture.size() * c.zoom);
            EXPECT_TRUE((c.zoom + 1) * picture.width() > box->width() ||
                        (c.zoom + 1) * picture.height() > box->height())
                << "a larger zoom fits";
        }
        EXPECT_LE((r.center() - QRect(QPoint(), box->size()).center()).manhattanLength(), 2)
            << "not centred";
        // Drawn: each picture pixel a block of the zoom's size.
        const QImage drawn = box->grab().toImage();
        const int z = std::max(1, c.zoom);
        for (const QPoint p : {QPoint(0, 0), QPoint(picture.width() - 1, picture.height() - 1)}) {
            if (c.zoom == 0) break;
            const QPoint at = r.topLeft() + p * z;
            EXPECT_EQ(drawn.pixel(at), picture.pixel(p));
            EXPECT_EQ(drawn.pixel(at + QPoint(z - 1, z - 1)), picture.pixel(p));
        }
        c.form->hide();
    }
}

// Each slider move redraws the preview with the very function OK applies.
TEST(EffectDialogs, ColorLevelsPreviewFollowsTheSlidersAndStartsAtZeroEachTime) {
    TColLevFrm f;
    const TBitmap32 t = target();
    f.FormShow(t);
    EXPECT_EQ(f.rlbl()->text(), QStringLiteral("0"));
    EXPECT_EQ(f.RTr()->minimum(), -255);
    EXPECT_EQ(f.RTr()->maximum(), 255);
    EXPECT_EQ(f.Img()->picture(), ColorLevelsPreview(t, {}, f.face()));

    f.RTr()->setValue(255);
    f.BTr()->setValue(-40);
    EXPECT_EQ(f.rlbl()->text(), QStringLiteral("255"));
    EXPECT_EQ(f.Img()->picture(), ColorLevelsPreview(t, {255, 0, -40, 0}, f.face()));
    f.ATr()->setValue(-255);
    QImage plain(t.Width, t.Height, QImage::Format_RGB888);
    plain.fill(f.face());
    EXPECT_EQ(f.Img()->picture(), plain) << "all transparent: only the dialog colour";
    EXPECT_EQ(f.params().Red, 255);

    f.FormShow(t);
    EXPECT_EQ(f.params().Red, 0);
    EXPECT_EQ(f.params().Alpha, 0);
    EXPECT_EQ(f.albl()->text(), QStringLiteral("0"));
}

TEST(EffectDialogs, BalanceChannelsStayFromOneShowingToTheNextWhileSlidersReset) {
    TBalFrm f;
    const TBitmap32 t = target();
    f.FormShow(t);
    f.CTr()->setValue(120);
    f.rch()->click();
    BalanceParams p;
    p.Contrast = 120;
    p.Red = false;
    EXPECT_EQ(f.Img()->picture(), BalancePreview(t, p, f.face()));
    EXPECT_EQ(f.clbl()->text(), QStringLiteral("120"));

    f.FormShow(t);
    EXPECT_EQ(f.params().Contrast, 0);
    EXPECT_FALSE(f.params().Red);
    EXPECT_TRUE(f.params().Green);
}

TEST(EffectDialogs, SpatterStartsAtItsSmallestRadius) {
    TSpatFrm f;
    const TBitmap32 t = target();
    f.RTr()->setValue(9);
    f.FormShow(t);
    EXPECT_EQ(f.radius(), 2);
    EXPECT_EQ(f.rlbl()->text(), QStringLiteral("2"));
    EXPECT_EQ(f.RTr()->maximum(), 20);
    EXPECT_EQ(f.Img()->picture().size(), QSize(t.Width, t.Height));
    f.RTr()->setValue(7);
    EXPECT_EQ(f.rlbl()->text(), QStringLiteral("7"));
}

TEST(EffectDialogs, RotationPreviewTurnsThePictureShownOnTheDialogColour) {
    TRotFrm f;
    const TBitmap32 t = numbered(32, 32);
    f.FormShow(t);
    QImage unrotated = PreviewOnFace(t, f.face());
    unrotated.setPixelColor(0, 31, f.face());
    EXPECT_EQ(f.img()->unrotated(), unrotated);
    EXPECT_EQ(f.img()->picture().size(), QSize(45, 45));
    EXPECT_EQ(f.img()->picture().pixelColor(0, 0), f.face()) << "the corners match the dialog";

    f.RTr()->setValue(60);
    f.RTr()->setValue(30);
    EXPECT_EQ(f.rlbl()->text(), QStringLiteral("30"));
    EXPECT_EQ(f.img()->RotationAngle(), 30);
    EXPECT_EQ(f.img()->picture(), RotatedPicture(unrotated, 30));

    f.FormShow(t);
    EXPECT_EQ(f.angle(), 0);
    EXPECT_EQ(f.img()->RotationAngle(), 0);
}

TEST(EffectDialogs, ShadowKeepsItsValuesAndPreviewsThem) {
    Tshadform f;
    const TBitmap32 t = target();
    EXPECT_EQ(f.params().Left, 1);
    EXPECT_EQ(f.params().Count, 2);
    EXPECT_EQ(f.params().Alpha, 50);
    EXPECT_TRUE(f.params().Smooth);
    EXPECT_EQ(f.shaCe()->maximum(), 20);
    EXPECT_EQ(f.shadLe()->minimum(), -100);

    f.FormShow(t, 0x0000FF, 100);
    f.shadLe()->setValue(-3);
    f.Smo()->click();
    const ShadowParams p = f.params();
    EXPECT_EQ(p.Color, TColor(0x0000FF));
    EXPECT_FALSE(p.Smooth);
    EXPECT_EQ(f.Img()->picture(), ShadowPreview(t, ShadowMask(t, 100), p, f.face()));

    f.FormShow(t, 0x0000FF, 100);
    EXPECT_EQ(f.params().Left, -3);
    EXPECT_FALSE(f.params().Smooth);
}

TEST(EffectDialogs, SmoothContractOffersOnlySizesUpToTheTargetsOwn) {
    Tsomform f;
    f.FormShow(target(20, 12));
    EXPECT_EQ(f.contractedSize(), QSize(20, 12));
    f.WidthE()->setValue(40);
    EXPECT_EQ(f.contractedSize(), QSize(20, 12));
    f.HeightE()->setValue(0);
    EXPECT_EQ(f.contractedSize(), QSize(20, 1));
}

TEST(EffectDialogs, ResizeStartsOnTheImagesSizeAndKeepsItsChoiceOfChange) {
    Tresizeform f;
    const struct {
        int w, h;
        const char* item;
        bool custom;
    } cases[] = {{32, 32, "32 x 32", false},
                 {20, 20, "Custom...", true},
                 {16, 32, "Custom...", true},
                 {128, 128, "128 x 128", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        f.FormShow(c.w, c.h);
        EXPECT_EQ(f.SizeC()->currentText(), QLatin1String(c.item));
        EXPECT_EQ(f.WidthE()->isEnabled(), c.custom);
        if (c.custom) {
            EXPECT_EQ(f.WidthE()->value(), c.w);
            EXPECT_EQ(f.HeightE()->value(), c.h);
        }
    }
    EXPECT_EQ(f.WidthE()->maximum(), 256);
    EXPECT_EQ(f.Cols()->title(), QStringLiteral("Image Changes"));

    f.SizeC()->setCurrentIndex(1);
    f.ColsItems()->button(1)->click();
    f.okClick();
    EXPECT_EQ(f.choice().Width, 16);
    EXPECT_EQ(f.choice().Height, 16);
    EXPECT_EQ(f.choice().Change, ResizeChange::StretchIcon);
    f.FormShow(48, 48);
    EXPECT_EQ(f.SizeC()->currentIndex(), 5);
    EXPECT_EQ(f.choice().Change, ResizeChange::StretchIcon);
}

TEST(EffectDialogs, AskingShowsTheDialogAndOkAnswersWithItsValues) {
    QWidget owner;
    EffectDialogs d(&owner);
    const TBitmap32 t = target();
    const auto levels = whileModal<QDialog, std::optional<ColorLevelsParams>>(
        [&] { return d.askColorLevels(t); },
        [&](QDialog&) {
            d.colLevFrm().GTr()->setValue(-17);
            d.colLevFrm().OK()->click();
        });
    ASSERT_TRUE(levels);
    EXPECT_EQ(levels->Green, -17);
    EXPECT_TRUE(d.colLevFrm().Img()->picture().isNull()) << "hidden: the preview is emptied";

    const auto resize =
        whileModal<QDialog, std::optional<ResizeChoice>>([&] { return d.askResize(20, 30); },
                                                         [&](QDialog&) {
                                                             d.resizeform().WidthE()->setValue(256);
                                                             d.resizeform().OK()->click();
                                                         });
    ASSERT_TRUE(resize);
    EXPECT_EQ(resize->Width, 256);
    EXPECT_EQ(resize->Height, 30);

    const auto cancelled =
        whileModal<QDialog, std::optional<int>>([&] { return d.askRotation(t); }, [](QDialog&) {});
    EXPECT_FALSE(cancelled);
}

} // namespace
