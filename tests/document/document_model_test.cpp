#include "document/IconDocument.h"
#include "document/ImageCaption.h"
#include "document/Thumbnail.h"
#include "document/file/Transparency.h"

#include <gtest/gtest.h>

namespace {

// Every image's Index equals its position and the active image is one of them.
void expectConsistent(const IconDocument& doc) {
    ASSERT_GE(doc.ImageCount(), 1);
    for (int i = 0; i < doc.ImageCount(); ++i)
        EXPECT_EQ(doc.image(i).Index, i);
    EXPECT_EQ(&doc.image(doc.activeIndex()), &doc.ActiveImage());
}

// A document of images tagged by their hot spot column, so the order shows.
IconDocument documentOf(int count) {
    IconDocument::ImageList list;
    for (int i = 0; i < count; ++i) {
        list.push_back(newBlankImage(16, 16, 32, PalettePicture()));
        list.back()->HotSpotX = std::uint8_t(i);
    }
    IconDocument doc;
    doc.replaceImages(std::move(list));
    return doc;
}

std::vector<int> order(const IconDocument& doc) {
    std::vector<int> tags;
    for (const auto& img : doc.Images())
        tags.push_back(img->HotSpotX);
    return tags;
}

} // namespace

TEST(Transparency, MarkerColourAndAlphaRange) {
    TransparencySettings s;
    s.InvColor = 0xFF00FF;
    s.TraRange = 100;
    struct Case {
        TColor32 pixel;
        ColourFormat format;
        bool inverted, transparent;
        int alpha;
    } cases[] = {
        {0x00FF00FF, 8, true, false, 0},    // magenta, alpha 0
        {0x32FF00FF, 8, true, false, 0},    // alpha 50 is below the range
        {0xFFFF00FF, 8, false, false, 255}, // opaque magenta
        {0x640000FF, 8, false, false, 255}, // alpha 100 is not below the range
        {0x320000FF, 8, false, true, 0},    // red below the range
        {0x32FF00FF, 32, false, false, 50}, // half-transparent magenta
        {0x00FF00FF, 32, true, false, 0},   // alpha 0 counts in Format 32 too
        {0x00000000, 32, false, true, 0},   // a new image's pixel
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << std::hex << c.pixel << " format " << std::dec << int(c.format));
        EXPECT_EQ(EffectiveAlpha(c.pixel, c.format, s), c.alpha);
        EXPECT_EQ(IsInvertedPixel(c.pixel, c.format, s), c.inverted);
        EXPECT_EQ(IsTransparentPixel(c.pixel, c.format, s), c.transparent);
        EXPECT_EQ(IsMaskedPixel(c.pixel, c.format, s), c.alpha == 0);
    }
    s.InvColor = 0x000000;
    EXPECT_TRUE(IsInvertedPixel(0, 32, s)) << "new pixels are inverted when InvColor is black";
}

TEST(Captions, FormatLabelsAndBothCaptionForms) {
    const std::pair<int, const char*> labels[] = {
        {1, "(2)"}, {4, "(16)"}, {8, "(256)"}, {24, "(TC)"}, {32, "(TCA)"}};
    for (const auto& [format, label] : labels) {
        SCOPED_TRACE(format);
        QString s = "old";
        FormatLabel(ColourFormat(format), s);
        EXPECT_EQ(s, label);
    }
    for (int other : {0, 2, 16, 25, 255}) {
        QString s = "old";
        FormatLabel(ColourFormat(other), s);
        EXPECT_EQ(s, "old") << other;
        EXPECT_FALSE(FormatLabel(ColourFormat(other)).has_value()) << other;
    }
    EXPECT_EQ(ImageCaption(16, 48, 4), "16 x 48  (16)");
    EXPECT_EQ(ReaderCaption(16, 48, 4), "16 x 48 (16)");
    const auto img = newBlankImage(20, 40, 4, PalettePicture());
    EXPECT_EQ(img->Caption, "20 x 40  (16)");
    EXPECT_EQ(ImageCaption(*img), "20 x 40  (16)");
}

TEST(Thumbnail, DrawnCentredUnscaledOrScaledDown) {
    // An opaque red image must cover exactly the expected rectangle of the
    // white thumbnail.
    struct Case {
        int w, h;
        QRect covered; // left, top, right-exclusive, bottom-exclusive
    } cases[] = {
        {48, 48, TRect(0, 0, 32, 32)},
        {64, 16, TRect(0, 12, 32, 20)},
        {20, 10, TRect(6, 11, 26, 21)},
        {64, 48, TRect(0, 4, 32, 28)},
        {16, 16, TRect(8, 8, 24, 24)},
        {33, 33, TRect(0, 0, 32, 32)},
        {32, 32, TRect(0, 0, 32, 32)},
        {1, 1, TRect(15, 15, 16, 16)},
        // w = 32, h = Round(12.55) = 13: the odd height loses a row.
        {255, 100, TRect(0, 10, 32, 22)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << " x " << c.h);
        TBitmap32 pixels(c.w, c.h);
        std::fill(pixels.Bits.begin(), pixels.Bits.end(), 0xFF0000FFu);
        const QImage t = MakeThumbnail(pixels);
        ASSERT_EQ(t.size(), QSize(32, 32));
        int wrong = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const QRgb want = c.covered.contains(x, y) ? qRgb(255, 0, 0) : qRgb(255, 255, 255);
                wrong += (t.pixel(x, y) & 0xFFFFFF) != (want & 0xFFFFFF);
            }
        EXPECT_EQ(wrong, 0);
    }
}

// For a denser screen the thumbnail has as many more pixels. Image pixels are
// repeated, never blended: only the image's own colours and the white ground
// show, and the picture covers the same place as at scale 1.
TEST(Thumbnail, DrawnForDenseScreens) {
    const struct {
        int w, h;
        qreal scale;
        QRect covered; // device pixels
    } cases[] = {
        {8, 4, 2.0, TRect(24, 28, 40, 36)},
        {8, 4, 1.5, TRect(18, 21, 30, 27)},
        {64, 64, 2.0, TRect(0, 0, 64, 64)},
        {64, 16, 1.5, TRect(0, 18, 48, 30)},
    };
    const QRgb red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255), white = qRgb(255, 255, 255);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << " x " << c.h << " at " << c.scale);
        TBitmap32 pixels(c.w, c.h);
        for (int y = 0; y < c.h; ++y)
            for (int x = 0; x < c.w; ++x)
                pixels.SetPixel(x, y, (x + y) % 2 ? 0xFFFF0000u : 0xFF0000FFu);
        const QImage t = MakeThumbnail(pixels, c.scale);
        const int side = qRound(32 * c.scale);
        ASSERT_EQ(t.size(), QSize(side, side));
        EXPECT_EQ(t.devicePixelRatio(), c.scale);
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                const QRgb p = t.pixel(x, y) | 0xFF000000u;
                if (!c.covered.contains(x, y)) {
                    ASSERT_EQ(p, white) << x << "," << y;
                } else if (c.scale == 2.0 && c.w <= 32) {
                    const int ix = (x - c.covered.left()) / 2, iy = (y - c.covered.top()) / 2;
                    ASSERT_EQ(p, (ix + iy) % 2 ? blue : red) << x << "," << y;
                } else {
                    ASSERT_TRUE(p == red || p == blue) << x << "," << y;
                }
            }
    }
    EXPECT_EQ(MakeThumbnail(TBitmap32(8, 4), 1.0), MakeThumbnail(TBitmap32(8, 4)));
}

TEST(Thumbnail, MixesByAlphaOntoWhite) {
    TBitmap32 pixels(2, 1);
    pixels.SetPixel(0, 0, 0x00000000); // transparent: white shows
    pixels.SetPixel(1, 0, 0xFF000000); // opaque black
    const QImage t = MakeThumbnail(pixels);
    EXPECT_EQ(t.pixel(15, 15) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(t.pixel(16, 15) & 0xFFFFFF, 0x000000u);
    EXPECT_EQ(BlankThumbnail().pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(IconDocument, StartsUntitledWithOneBlankImage) {
    IconDocument doc;
    expectConsistent(doc);
    ASSERT_EQ(doc.ImageCount(), 1);
    const IconImage& img = doc.ActiveImage();
    EXPECT_EQ(img.Pixels.Width, 32);
    EXPECT_EQ(img.Pixels.Height, 32);
    EXPECT_EQ(img.Format, 32);
    EXPECT_TRUE(std::all_of(img.Pixels.Bits.begin(), img.Pixels.Bits.end(),
                            [](TColor32 p) { return p == 0; }));
    EXPECT_EQ(img.Caption, "32 x 32 (TCA)");
    EXPECT_EQ(img.Thumbnail, BlankThumbnail());
    EXPECT_EQ(doc.FileType, IconFileType);
    EXPECT_TRUE(doc.FileName.isEmpty());
    EXPECT_FALSE(doc.Modified);
}

TEST(IconDocument, InsertAndMoveKeepIndexAndActiveRecord) {
    IconDocument doc = documentOf(3);
    doc.setActiveImage(1);
    IconImage* active = &doc.ActiveImage();

    doc.insertImage(0, newBlankImage(8, 8, 4, PalettePicture()));
    doc.appendImage(newBlankImage(8, 8, 4, PalettePicture()));
    expectConsistent(doc);
    EXPECT_EQ(doc.ImageCount(), 5);
    EXPECT_EQ(&doc.ActiveImage(), active);
    EXPECT_EQ(doc.activeIndex(), 2);

    IconDocument three = documentOf(3);
    three.setActiveImage(0);
    EXPECT_FALSE(three.moveActiveUp());
    EXPECT_EQ(order(three), (std::vector<int>{0, 1, 2}));
    three.setActiveImage(1);
    EXPECT_TRUE(three.moveActiveDown());
    EXPECT_EQ(order(three), (std::vector<int>{0, 2, 1}));
    EXPECT_EQ(three.activeIndex(), 2);
    EXPECT_EQ(three.ActiveImage().HotSpotX, 1) << "editing goes on with the same picture";
    EXPECT_FALSE(three.moveActiveDown());
    three.moveImage(2, 0);
    EXPECT_EQ(order(three), (std::vector<int>{1, 0, 2}));
    expectConsistent(three);
}

TEST(IconDocument, RemoveActivatesSuccessorOrPredecessor) {
    struct Case {
        int active, removed, newActiveTag;
    } cases[] = {
        {2, 2, 1}, // the last of three: the second
        {0, 0, 1}, // the first: the new first
        {1, 1, 2}, // a middle one: its successor
        {0, 2, 0}, // another image: the active one stays
        {2, 0, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "active " << c.active << " removed " << c.removed);
        IconDocument doc = documentOf(3);
        doc.setActiveImage(c.active);
        const auto removed = doc.removeImage(c.removed);
        ASSERT_TRUE(removed);
        EXPECT_EQ(removed->HotSpotX, c.removed);
        EXPECT_EQ(doc.ImageCount(), 2);
        EXPECT_EQ(doc.ActiveImage().HotSpotX, c.newActiveTag);
        expectConsistent(doc);
    }
}

TEST(IconDocument, RefusedChangesLeaveTheDocumentAsItWas) {
    IconDocument doc = documentOf(1);
    IconImage* only = &doc.ActiveImage();
    EXPECT_THROW(doc.removeImage(0), std::logic_error);
    EXPECT_THROW(doc.replaceImages({}), std::invalid_argument);
    IconDocument::ImageList withHole;
    withHole.push_back(newBlankImage(8, 8, 32, PalettePicture()));
    withHole.push_back(nullptr);
    EXPECT_THROW(doc.replaceImages(std::move(withHole)), std::invalid_argument);
    IconDocument::ImageList one;
    one.push_back(newBlankImage(8, 8, 32, PalettePicture()));
    EXPECT_THROW(doc.replaceImages(std::move(one), 1), std::invalid_argument);
    EXPECT_THROW(doc.appendImage(nullptr), std::invalid_argument);
    EXPECT_THROW(doc.setActiveImage(1), std::out_of_range);
    const auto stranger = newBlankImage(8, 8, 32, PalettePicture());
    EXPECT_THROW(doc.setActiveImage(*stranger), std::invalid_argument);

    ASSERT_EQ(doc.ImageCount(), 1);
    EXPECT_EQ(&doc.ActiveImage(), only);
    EXPECT_EQ(only->Pixels.Width, 16);
    expectConsistent(doc);
}

TEST(IconDocument, ReplaceImagesRenumbersAndActivates) {
    IconDocument doc = documentOf(2);
    IconDocument::ImageList list;
    for (int i = 0; i < 3; ++i) {
        list.push_back(newBlankImage(4, 4, 8, PalettePicture()));
        list.back()->Index = 7; // whatever the producer left there
    }
    IconImage* second = list[1].get();
    doc.replaceImages(std::move(list), 1);
    EXPECT_EQ(&doc.ActiveImage(), second);
    expectConsistent(doc);
}
