// How images are kept in the file, and new documents made from a picture.

#include "SessionTestSupport.h"
#include "files_support.h"
#include "icon_file_bytes.h"

#include "document/IconFileReader.h"

#include <QImage>

namespace {

bool isPngData(const QByteArray& Data) {
    return Data.startsWith("\x89PNG");
}

} // namespace

// A 48-pixel 32-bit bitmap between a PNG picture and an 8-bit bitmap: the
// check follows the active image, toggling it changes only that image's
// storage, and undo, redo and Modified treat it as any change.
TEST_F(SessionFilesTest, StoredAsPngIsAnUndoableChangeOfOneImage) {
    auto png = makeImage(40, 40, 32, alphaRamp);
    png->StoredAsPng = true;
    auto bitmap = makeImage(48, 48, 32, alphaRamp);
    auto palette = makeImage(16, 16, 8, sixteenColours);
    const QString file = path("mixed.ico");
    writeFile(file, iconBytes(1, {png.get(), bitmap.get(), palette.get()}));
    prompts.openFileAnswer(FileChoice{file, 1});
    session.OpenAExecute(false);
    const std::vector<QByteArray> before = imageDataOf(readFile(file));
    ASSERT_TRUE(isPngData(before[0]));
    ASSERT_FALSE(isPngData(before[1]));

    const struct {
        int Image;
        bool Enabled, Checked;
    } states[] = {{0, true, true}, {1, true, false}, {2, false, false}};
    for (const auto& s : states) {
        SCOPED_TRACE(s.Image);
        session.ActivateImage(s.Image, false);
        EXPECT_EQ(session.commandStates().StoredAsPng1, s.Enabled);
        EXPECT_EQ(session.commandStates().StoredAsPng1Checked, s.Checked);
    }
    session.StoredAsPng1Click(); // an 8-bit image: nothing happens
    EXPECT_FALSE(session.document().Modified);

    session.ActivateImage(1, false);
    session.StoredAsPng1Click();
    EXPECT_TRUE(session.commandStates().StoredAsPng1Checked);
    EXPECT_TRUE(session.document().Modified);
    EXPECT_TRUE(session.commandStates().UndoA);
    ASSERT_EQ(session.SaveAExecute(false), SaveResult::Saved);
    std::vector<QByteArray> after = imageDataOf(readFile(file));
    EXPECT_EQ(after[0], before[0]);
    EXPECT_TRUE(isPngData(after[1]));
    EXPECT_EQ(after[2], before[2]);
    const IconFileContents read = LoadIconFile(file, session.transparency());
    EXPECT_TRUE(read.Images[1]->StoredAsPng);
    EXPECT_TRUE(read.Images[1]->Pixels.samePixels(session.document().image(1).Pixels));

    session.UndoAExecute();
    EXPECT_FALSE(session.commandStates().StoredAsPng1Checked);
    EXPECT_TRUE(session.document().Modified);
    ASSERT_EQ(session.SaveAExecute(false), SaveResult::Saved);
    EXPECT_EQ(imageDataOf(readFile(file)), before) << "back to the file as it was";
    session.RedoAExecute();
    EXPECT_TRUE(session.commandStates().StoredAsPng1Checked);
    EXPECT_TRUE(session.document().image(1).StoredAsPng);
}

TEST_F(SessionFilesTest, NewFromPictureMakesTheStandardSizes) {
    QImage picture(512, 300, QImage::Format_ARGB32);
    picture.fill(qRgba(30, 90, 200, 255));
    const QString name = path("logo.png");
    ASSERT_TRUE(picture.save(name));
    const QString notPicture = path("notes.png");
    writeFile(notPicture, "not a picture");

    // A picture that cannot be read is reported and changes nothing.
    paintAll(session, 0xFF0000FFu);
    prompts.openFileAnswer(FileChoice{notPicture, 1});
    prompts.answer(MessageAnswer::OK);
    session.NewFromPicture1Click();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(prompts.messages[0].Text.contains(notPicture)) << prompts.messages[0].Text.toStdString();
    EXPECT_EQ(session.document().ImageCount(), 1);
    EXPECT_TRUE(session.commandStates().UndoA);

    prompts.openFileAnswer(FileChoice{name, 1});
    prompts.answer(MessageAnswer::No); // "Save changes?"
    session.NewFromPicture1Click();
    const IconDocument& d = session.document();
    ASSERT_EQ(d.ImageCount(), 6);
    const int sides[] = {16, 24, 32, 48, 64, 256};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(sides[i]);
        const IconImage& image = d.image(i);
        EXPECT_EQ(image.Pixels.Width, sides[i]);
        EXPECT_EQ(image.Pixels.Height, sides[i]);
        EXPECT_EQ(image.Format, 32);
        EXPECT_EQ(AlphaOf(image.Pixels.GetPixel(0, 0)), 0) << "a transparent margin";
        EXPECT_EQ(image.Pixels.GetPixel(sides[i] / 2, sides[i] / 2), 0xFFC85A1Eu);
    }
    EXPECT_TRUE(d.FileName.isEmpty());
    EXPECT_TRUE(d.Modified);
    EXPECT_EQ(d.activeIndex(), 0);
    EXPECT_FALSE(session.commandStates().UndoA);
    EXPECT_TRUE(session.WorkBitmap().samePixels(d.image(0).Pixels));
    // Each is an ordinary image: painting it is recorded as usual.
    paintAll(session, 0xFF00FF00u);
    EXPECT_TRUE(session.commandStates().UndoA);
}

// Each image of a cursor keeps its own hot spot through open and save.
TEST_F(SessionFilesTest, EveryCursorImageKeepsItsHotSpot) {
    std::vector<std::unique_ptr<IconImage>> images;
    const struct {
        int Side;
        std::uint8_t X, Y;
    } spots[] = {{16, 3, 15}, {32, 20, 20}, {48, 0, 47}, {256, 255, 128}};
    for (const auto& s : spots) {
        images.push_back(makeImage(s.Side, s.Side, 32, alphaRamp));
        images.back()->HotSpotX = s.X;
        images.back()->HotSpotY = s.Y;
    }
    const QString file = path("pointer.cur");
    SaveIconFile(file, 2, images, session.transparency());
    prompts.openFileAnswer(FileChoice{file, 1});
    session.OpenAExecute(false);
    const QString again = path("again.cur");
    session.document().FileName = again;
    ASSERT_EQ(session.SaveAExecute(false), SaveResult::Saved);
    EXPECT_EQ(readFile(again), readFile(file));
    const IconFileContents read = LoadIconFile(again, session.transparency());
    ASSERT_EQ(read.FileType, 2);
    for (std::size_t i = 0; i < std::size(spots); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(read.Images[i]->HotSpotX, spots[i].X);
        EXPECT_EQ(read.Images[i]->HotSpotY, spots[i].Y);
    }
}
