#include "ScriptedPrompter.h"
#include "SessionTestSupport.h"
#include "canvas/tools/ToolInfo.h"
#include "document/DefaultPalette.h"
#include "document/ImageCaption.h"
#include "document/PaletteOps.h"
#include "document/Thumbnail.h"
#include "session/SessionTools.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ImageCommands : public ::testing::Test {
protected:
    void SetUp() override {
        s.setNewIconPrompt(&newIcon);
        s.NewAExecute(true);
    }
    // Appends images of the given sizes in 32 bits, each filled with its own
    // colour (0xFF000000 | its index), and leaves the first one active.
    void makeImages(std::initializer_list<QSize> Sizes) {
        int i = 1;
        for (QSize size : Sizes) {
            s.appendNewImage({size.width(), size.height(), 32});
            paintAll(s, 0xFF000000u | TColor32(i++));
        }
        // Without the untitled image the new ones are the whole list.
        s.ActivateImage(0, false);
        s.RemoveIAExecute();
        s.setModified(false);
    }
    QStringList captions() const {
        QStringList c;
        for (const auto& image : s.document().Images())
            c << image->Caption;
        return c;
    }

    ScriptedPrompter prompts;
    ScriptedNewIcon newIcon;
    EditSession s{prompts, testDataDir()};
};

TEST_F(ImageCommands, NewIconAppendsABlankImageOfTheChosenSizeAndFormat) {
    paintAll(s, 0xFF0000FFu);
    s.setModified(false);
    QSignalSpy lists(&s, &EditSession::imagesReplaced);
    newIcon.answer(NewIconChoice{20, 40, 4});

    s.NewIAExecute();

    ASSERT_EQ(s.document().ImageCount(), 2);
    const IconImage& added = s.document().image(1);
    EXPECT_EQ(&s.ActiveImage(), &added);
    EXPECT_EQ(added.Caption, QStringLiteral("20 x 40  (16)"));
    EXPECT_EQ(added.Format, 4);
    EXPECT_EQ(added.Palette.entries(), DefaultPalette(4, testDataDir()).entries());
    EXPECT_EQ(added.Palette.count(), 16);
    EXPECT_EQ(added.Thumbnail, BlankThumbnail());
    for (TColor32 p : added.Pixels.Bits)
        ASSERT_EQ(p, 0u);
    EXPECT_EQ(s.WorkBitmap().Width, 20);
    EXPECT_EQ(s.CleanBitmap().Height, 40);
    EXPECT_EQ(s.undoHistory().UndoCount(), 1);
    EXPECT_FALSE(s.commandStates().UndoA);
    EXPECT_FALSE(s.commandStates().RedoA);
    EXPECT_TRUE(s.commandStates().RemoveIA);
    EXPECT_TRUE(s.commandStates().PalA);
    EXPECT_TRUE(s.document().Modified);
    EXPECT_EQ(lists.count(), 1);
    EXPECT_EQ(s.coloursBox().paletteHeight(), 120) << "the box shows the 16 colours";
    // The image left keeps its own pixels and one-blank caption.
    EXPECT_EQ(s.document().image(0).Pixels.GetPixel(0, 0), 0xFF0000FFu);
    EXPECT_EQ(s.document().image(0).Caption, QStringLiteral("32 x 32 (TCA)"));
}

TEST_F(ImageCommands, CancelledNewIconChangesNothing) {
    newIcon.answer(std::nullopt);
    s.NewIAExecute();
    EXPECT_EQ(newIcon.asked, 1);
    EXPECT_EQ(s.document().ImageCount(), 1);
    EXPECT_FALSE(s.document().Modified);
}

// Without its default palette a palette image cannot be made: the reason is
// shown and the document stays as it was.
TEST_F(ImageCommands, NewIconWithoutItsPaletteFileAddsNothing) {
    QTemporaryDir empty;
    ScriptedPrompter p;
    EditSession bare(p, empty.path() + QLatin1Char('/'));
    p.answer(MessageAnswer::OK); // the missing colour chart of New
    bare.NewAExecute(true);
    p.answer(MessageAnswer::OK);
    bare.appendNewImage({16, 16, 8});
    EXPECT_EQ(bare.document().ImageCount(), 1);
    ASSERT_EQ(p.messages.size(), 2u);
    EXPECT_EQ(p.messages.back().Kind, MessageKind::Error);
    EXPECT_TRUE(p.messages.back().Text.contains(QStringLiteral("256.bmp")))
        << p.messages.back().Text.toStdString();
}

TEST_F(ImageCommands, RemoveActivatesANeighbourAndKeepsTheLastImage) {
    makeImages({{16, 16}, {24, 24}, {48, 48}});
    s.ActivateImage(2, false);
    s.RemoveIAExecute();
    ASSERT_EQ(s.document().ImageCount(), 2);
    EXPECT_EQ(s.document().activeIndex(), 1);
    EXPECT_EQ(s.WorkBitmap().Width, 24);
    EXPECT_FALSE(s.commandStates().UndoA);
    EXPECT_TRUE(s.document().Modified);

    s.ActivateImage(0, false);
    s.RemoveIAExecute();
    ASSERT_EQ(s.document().ImageCount(), 1);
    EXPECT_EQ(s.document().activeIndex(), 0);
    EXPECT_EQ(s.WorkBitmap().Width, 24);
    EXPECT_EQ(s.WorkBitmap().GetPixel(0, 0), 0xFF000002u);
    EXPECT_FALSE(s.commandStates().RemoveIA);

    s.RemoveIAExecute();
    EXPECT_EQ(s.document().ImageCount(), 1);
}

// Removing drops the image's uncommitted state instead of storing it into
// the image that becomes active.
TEST_F(ImageCommands, RemoveWritesNothingIntoTheNextImage) {
    makeImages({{16, 16}, {16, 16}});
    s.WorkBitmap().SetPixel(0, 0, 0xFF00FF00u);
    s.RemoveIAExecute();
    EXPECT_EQ(s.document().image(0).Pixels.GetPixel(0, 0), 0xFF000002u);
    EXPECT_EQ(s.WorkBitmap().GetPixel(0, 0), 0xFF000002u);
}

TEST_F(ImageCommands, DuplicateCopiesHotSpotPaletteFormatAndPixels) {
    s.appendNewImage({16, 16, 4});
    s.ActiveImage().HotSpotX = 5;
    s.ActiveImage().HotSpotY = 7;
    s.WorkBitmap().SetPixel(2, 3, 0xFFFFFFFFu); // uncommitted, still copied
    s.ActiveImage().Palette.setEntry(0, 0x123456u);

    s.Duplicate1Click();

    ASSERT_EQ(s.document().ImageCount(), 3);
    const IconImage& original = s.document().image(1);
    const IconImage& copy = s.document().image(2);
    EXPECT_EQ(&s.ActiveImage(), &copy);
    EXPECT_EQ(copy.HotSpotX, 5);
    EXPECT_EQ(copy.HotSpotY, 7);
    EXPECT_EQ(copy.Format, 4);
    EXPECT_EQ(copy.Palette.entries(), original.Palette.entries());
    EXPECT_EQ(copy.Palette.entry(0), 0x123456u);
    EXPECT_TRUE(copy.Pixels.samePixels(original.Pixels));
    EXPECT_EQ(copy.Pixels.GetPixel(2, 3), 0xFFFFFFFFu);
    EXPECT_EQ(copy.Caption, QStringLiteral("16 x 16  (16)"));
    EXPECT_EQ(copy.Thumbnail, original.Thumbnail);
    EXPECT_FALSE(s.commandStates().UndoA);
    // The copy is independent of the original.
    s.ActiveImage().Palette.setEntry(0, 0);
    EXPECT_EQ(original.Palette.entry(0), 0x123456u);
}

TEST_F(ImageCommands, MovingExchangesNeighboursAndKeepsEditingThePicture) {
    makeImages({{16, 16}, {24, 24}, {48, 48}});
    QSignalSpy lists(&s, &EditSession::imagesReplaced);
    s.IUBClick(); // the first cannot go up
    EXPECT_EQ(lists.count(), 0);
    EXPECT_FALSE(s.document().Modified);

    s.ActivateImage(1, false);
    paintAll(s, 0xFF0000AAu);
    s.WorkBitmap().SetPixel(1, 1, 0xFF00BB00u); // a stroke in progress stays
    const QStringList before = captions();
    const QImage thumb1 = s.document().image(1).Thumbnail;
    const QImage thumb2 = s.document().image(2).Thumbnail;

    s.IDBClick();

    EXPECT_EQ(captions(), (QStringList{before[0], before[2], before[1]}));
    EXPECT_EQ(s.document().image(2).Thumbnail, thumb1);
    EXPECT_EQ(s.document().image(1).Thumbnail, thumb2);
    EXPECT_EQ(s.document().activeIndex(), 2);
    EXPECT_EQ(s.WorkBitmap().GetPixel(1, 1), 0xFF00BB00u);
    EXPECT_TRUE(s.commandStates().UndoA) << "the history stays";
    EXPECT_EQ(lists.count(), 1);
    EXPECT_TRUE(s.document().Modified) << "the order is saved with the file";

    s.IDBClick(); // the last cannot go down
    EXPECT_EQ(lists.count(), 1);
}

TEST_F(ImageCommands, ActivationStoresTheImageBeingLeft) {
    makeImages({{16, 16}, {16, 16}});
    QSignalSpy activated(&s, &EditSession::activeImageChanged);
    s.ActivateImage(0, false); // already active: nothing
    EXPECT_EQ(activated.count(), 0);

    s.WorkBitmap().SetPixel(4, 4, 0xFF00FF00u); // not committed
    s.ActivateImage(1, false);
    EXPECT_EQ(activated.count(), 1);
    EXPECT_EQ(s.document().image(0).Pixels.GetPixel(4, 4), 0xFF00FF00u);
    EXPECT_NE(s.document().image(0).Thumbnail.pixel(8 + 4, 8 + 4) & 0xFFFFFFu, 0xFFFFFFu);
    EXPECT_EQ(s.WorkBitmap().GetPixel(4, 4), 0xFF000002u);

    // A tool's hover preview is not part of the image.
    ASSERT_TRUE(s.tools().controller().freeClick(BrushTag));
    s.WorkBitmap().SetPixel(6, 6, 0xFFFF0000u);
    s.ActivateImage(0, false);
    EXPECT_EQ(s.document().image(1).Pixels.GetPixel(6, 6), 0xFF000002u);
}

TEST_F(ImageCommands, ActivatingAPaletteImageSnapsTheSwatches) {
    s.setForegroundColor32(0xFF0102F0u); // a colour the 2-colour palette lacks
    s.appendNewImage({8, 8, 1});
    const TColor fg = Color32ToColor(s.ForegroundColor32());
    EXPECT_EQ(fg, NearestPaletteColor(0x0102F0u, s.ActiveImage()));
    EXPECT_EQ(AlphaOf(s.ForegroundColor32()), 0xFF);
}

// Thumbnails: small images unscaled and centred, large ones scaled to fit.
TEST_F(ImageCommands, ThumbnailsOfCommittedChanges) {
    struct Case {
        int W, H;
        QRect Drawn; // left, top, right-exclusive, bottom-exclusive
    };
    for (const Case& c : {Case{64, 48, TRect(0, 4, 32, 28)}, Case{16, 16, TRect(8, 8, 24, 24)},
                          Case{33, 33, TRect(0, 0, 32, 32)}}) {
        SCOPED_TRACE(testing::Message() << c.W << " x " << c.H);
        s.appendNewImage({c.W, c.H, 32});
        paintAll(s, 0xFF000000u);
        const QImage& t = s.ActiveImage().Thumbnail;
        ASSERT_EQ(t.size(), QSize(32, 32));
        QRect black;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                if ((t.pixel(x, y) & 0xFFFFFFu) == 0) black |= QRect(x, y, 1, 1);
        EXPECT_EQ(black, c.Drawn);
    }
}

} // namespace
