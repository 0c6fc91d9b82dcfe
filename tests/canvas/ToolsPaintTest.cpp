// Painting through the real work view, then saving and reading the file back:
// what the mouse drew is what the file holds.

#include "canvas/tools/ToolInfo.h"
#include "document/IconFileReader.h"
#include "document/PaletteOps.h"
#include "images/NewIconOptions.h"
#include "tools_ui_support.h"

#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct PaintFixture : ToolsUiFixture {
    QTemporaryDir dir;

    // Saves with the Save command and reads the file back.
    IconFileContents saveAndRead(const QString& Name) {
        session.document().FileName = dir.filePath(Name);
        EXPECT_EQ(session.SaveAExecute(false), SaveResult::Saved);
        EXPECT_FALSE(session.document().Modified);
        return LoadIconFile(session.document().FileName, session.transparency());
    }
};

int countWhere(const TBitmap32& B, const std::function<bool(TColor32)>& Test) {
    int n = 0;
    for (TColor32 c : B.Bits)
        n += Test(c) ? 1 : 0;
    return n;
}

} // namespace

TEST_F(PaintFixture, PencilStrokeReachesTheSavedFile) {
    ASSERT_TRUE(dir.isValid());
    choose(PenTag);
    setForeground(0xFF0000FF); // opaque red
    stroke({QPoint(2, 3), QPoint(4, 3), QPoint(6, 3)});
    click(QPoint(9, 12), Qt::RightButton); // the background: transparent black
    EXPECT_TRUE(session.document().Modified);
    EXPECT_TRUE(session.commandStates().UndoA);

    const IconFileContents file = saveAndRead(QStringLiteral("pencil.ico"));
    ASSERT_EQ(file.Images.size(), 1u);
    const TBitmap32& pixels = file.Images[0]->Pixels;
    ASSERT_EQ(pixels.Width, 32);
    for (int x = 2; x <= 6; ++x) {
        SCOPED_TRACE(x);
        EXPECT_EQ(pixels.GetPixel(x, 3), 0xFF0000FFu);
    }
    EXPECT_EQ(countWhere(pixels, [](TColor32 c) { return AlphaOf(c) != 0; }), 5);

    // Undo takes the stroke back out of what is shown and what is saved.
    session.UndoAExecute();
    session.UndoAExecute();
    EXPECT_EQ(session.WorkBitmap().GetPixel(4, 3), 0u);
    const IconFileContents undone = saveAndRead(QStringLiteral("undone.ico"));
    EXPECT_EQ(AlphaOf(undone.Images[0]->Pixels.GetPixel(4, 3)), 0);
}

TEST_F(PaintFixture, BlendedStrokeOnAPaletteImageIsSnappedToThePalette) {
    ASSERT_TRUE(dir.isValid());
    session.appendNewImage(NewIconChoice{16, 16, 4});
    ASSERT_EQ(session.ActiveImage().Format, 4);
    choose(BrushTag);
    setForeground(0x80102030); // half-transparent, not a palette colour
    stroke({QPoint(8, 8), QPoint(9, 8)});
    const TColor32 painted = session.CleanBitmap().GetPixel(8, 8);
    EXPECT_EQ(AlphaOf(painted), 255);
    EXPECT_EQ(NearestPaletteColor(Color32ToColor(painted), session.ActiveImage()),
              Color32ToColor(painted));
    EXPECT_TRUE(session.WorkBitmap().samePixels(session.CleanBitmap()));
    EXPECT_TRUE(session.ActiveImage().Pixels.samePixels(session.CleanBitmap()));
}

// Every tool in turn on a 64 x 64 image, saved and read back. With
// BRISEL_PAINTED_ICO set the file is also kept there, to be looked at.
TEST_F(PaintFixture, EveryToolPaintsIntoTheSavedFile) {
    ASSERT_TRUE(dir.isValid());
    session.appendNewImage(NewIconChoice{64, 64, 32});
    session.ActivateImage(0, false);
    session.RemoveIAExecute();
    ASSERT_EQ(session.WorkBitmap().Width, 64);
    window.grab();
    OptionPanels& panels = ui->optionPanels();
    auto spin = [&](const char* Name) { return parts.OpsPanel->findChild<QSpinBox*>(Name); };
    auto option = [&](const char* Name) {
        return parts.OpsPanel->findChild<QAbstractButton*>(QLatin1String(Name));
    };

    choose(PenTag);
    setForeground(0xFF2020E0);
    stroke({QPoint(2, 2), QPoint(12, 2), QPoint(20, 4)});

    choose(BrushTag);
    setForeground(0xFFD06020);
    panels.Brush1Click(4);
    stroke({QPoint(4, 8), QPoint(14, 10), QPoint(26, 8)});

    choose(SprayTag);
    setForeground(0xFF20A040);
    spin("SprayUP")->setValue(8);
    press(QPoint(40, 7));
    for (int i = 0; i < 30; ++i)
        tools().controller().SprayTimTimer();
    drag(QPoint(50, 7));
    for (int i = 0; i < 30; ++i)
        tools().controller().SprayTimTimer();
    release(QPoint(50, 7));

    choose(LineTag);
    setForeground(0xFF000000);
    stroke({QPoint(2, 61), QPoint(30, 42)});

    choose(CurveTag);
    setForeground(0xFF800080);
    for (QPoint p : {QPoint(34, 61), QPoint(62, 61), QPoint(36, 34), QPoint(60, 52)})
        click(p);

    choose(RectTag);
    setForeground(0xFFC000C0);
    option("Rect2")->click();
    stroke({QPoint(3, 14), QPoint(21, 30)});

    choose(EllipseTag);
    setForeground(0xFF0090FF);
    option("Rect3")->click();
    stroke({QPoint(23, 14), QPoint(41, 30)});

    choose(RoundRectTag);
    setForeground(0xFF008080);
    option("Rect2")->click();
    spin("xup")->setValue(8);
    spin("yup")->setValue(8);
    stroke({QPoint(43, 14), QPoint(62, 30)});

    choose(PolygonTag);
    setForeground(0xFF4040FF);
    for (QPoint p : {QPoint(4, 34), QPoint(18, 33), QPoint(22, 44)})
        click(p);
    click(QPoint(8, 48));
    send(QEvent::MouseButtonDblClick, QPoint(8, 48), Qt::LeftButton, Qt::LeftButton);
    release(QPoint(8, 48));

    choose(TextTag);
    setForeground(0xFF000080);
    parts.OpsPanel->findChild<QLineEdit*>(QStringLiteral("txt"))->setText(QStringLiteral("Hi"));
    click(QPoint(50, 40));

    // A linear gradient with a red stop in the middle fills the rectangle.
    choose(PatilTag);
    setForeground(0xFF0000FF);
    QTest::mouseClick(panels.GraP()->GraBox(), Qt::LeftButton, {}, QPoint(98, 20));
    option("Fill2")->click();
    spin("AngUP")->setValue(90);
    click(QPoint(12, 22));
    // A solid fill of the ellipse.
    option("Fill1")->click();
    setForeground(0xFF40E0E0);
    click(QPoint(32, 22));

    // The eraser cuts through the brush stroke down to transparent.
    choose(EraseTag);
    ui->tools().Blen()->click();
    spin("ErWUP")->setValue(3);
    spin("ErHUP")->setValue(8);
    stroke({QPoint(15, 9), QPoint(17, 9)});
    ui->tools().Blen()->click();

    choose(PickColorTag);
    click(QPoint(2, 2));
    EXPECT_EQ(session.ForegroundColor32(), 0xFF2020E0u);
    EXPECT_EQ(tools().CurrentTool(), EraseTag);

    choose(HotSpotTag);
    click(QPoint(32, 32));
    choose(PenTag);

    const IconFileContents file = saveAndRead(QStringLiteral("painted.ico"));
    ASSERT_EQ(file.Images.size(), 1u);
    const TBitmap32& p = file.Images[0]->Pixels;
    EXPECT_EQ(p.GetPixel(5, 2), 0xFF2020E0u);   // pencil
    EXPECT_EQ(AlphaOf(p.GetPixel(16, 9)), 0);   // erased brush stroke
    EXPECT_EQ(p.GetPixel(20, 9), 0xFFD06020u);  // brush beyond the eraser
    EXPECT_EQ(p.GetPixel(3, 22), 0xFFC000C0u);  // rectangle outline
    EXPECT_EQ(p.GetPixel(32, 22), 0xFF40E0E0u); // solid fill of the ellipse
    EXPECT_EQ(p.GetPixel(12, 22), 0xFF000000u); // FCol on the gradient's line
    EXPECT_GT(RedOf(p.GetPixel(8, 22)), 200);   // near the red stop
    EXPECT_GT(countWhere(p, [](TColor32 c) { return c == 0xFF20A040u; }), 5); // spray
    EXPECT_GT(
        countWhere(p, [](TColor32 c) { return Color32ToColor(c) == 0x000080 && AlphaOf(c) > 200; }),
        8); // text

    if (const QByteArray keep = qgetenv("BRISEL_PAINTED_ICO"); !keep.isEmpty()) {
        QFile::remove(QString::fromLocal8Bit(keep));
        QFile::copy(session.document().FileName, QString::fromLocal8Bit(keep));
    }
}
