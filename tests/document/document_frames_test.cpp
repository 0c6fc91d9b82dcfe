// The frames of a document: the images shown are always the active frame's,
// frame operations keep the sequence pointing at the same frames, and an
// animated cursor goes through the file and back.

#include "document/AniFileIO.h"
#include "document/IconDocument.h"
#include "document/IconFileFormat.h"

#include <gtest/gtest.h>

namespace {

// A frame of Images images, each tagged by its hot spot: column = frame tag,
// row = image number.
IconFrame frameTagged(int Tag, int Images = 1, std::uint32_t Rate = 6) {
    IconFrame frame;
    for (int i = 0; i < Images; ++i) {
        frame.Images.push_back(newBlankImage(4 + i, 4, 32, PalettePicture()));
        frame.Images.back()->HotSpotX = std::uint8_t(Tag);
        frame.Images.back()->HotSpotY = std::uint8_t(i);
        frame.Images.back()->Pixels.Bits.assign(frame.Images.back()->Pixels.Bits.size(),
                                                0xFF000000u | std::uint32_t(Tag * 40 + i));
    }
    frame.Rate = Rate;
    return frame;
}

IconDocument documentOf(std::initializer_list<int> Tags) {
    std::vector<IconFrame> frames;
    for (int t : Tags)
        frames.push_back(frameTagged(t, 2, std::uint32_t(t + 1)));
    IconDocument doc;
    doc.replaceFrames(std::move(frames));
    return doc;
}

std::vector<int> tags(const IconDocument& Doc) {
    std::vector<int> out;
    for (int f = 0; f < Doc.FrameCount(); ++f)
        out.push_back(Doc.frameImages(f).front()->HotSpotX);
    return out;
}

std::vector<int> sequenceTags(const IconDocument& Doc) {
    std::vector<int> out;
    for (const FrameStep& s : Doc.Sequence)
        out.push_back(Doc.frameImages(s.Frame).front()->HotSpotX);
    return out;
}

} // namespace

// Each operation on a document of frames 10, 11, 12, 13 with frame 11 active
// and a sequence 13, 11, 10, 11: the frames' order, which frame is active,
// and the frames the steps show afterwards.
TEST(DocumentFrames, OperationsKeepTheActiveFrameAndTheSequence) {
    const struct {
        const char* What;
        void (*Apply)(IconDocument&);
        std::vector<int> Order;
        int ActiveTag;
        std::vector<int> Steps;
    } cases[] = {
        {"activate",
         [](IconDocument& d) { d.setActiveFrame(3); },
         {10, 11, 12, 13},
         13,
         {13, 11, 10, 11}},
        {"insert before the active",
         [](IconDocument& d) { d.insertFrame(0, frameTagged(20)); },
         {20, 10, 11, 12, 13},
         11,
         {13, 11, 10, 11}},
        {"insert at the end",
         [](IconDocument& d) { d.insertFrame(4, frameTagged(20)); },
         {10, 11, 12, 13, 20},
         11,
         {13, 11, 10, 11}},
        {"remove the active",
         [](IconDocument& d) { d.removeFrame(1); },
         {10, 12, 13},
         12,
         {13, 10}},
        {"remove the last while it is active",
         [](IconDocument& d) {
             d.setActiveFrame(3);
             d.removeFrame(3);
         },
         {10, 11, 12},
         12,
         {11, 10, 11}},
        {"remove one before the active",
         [](IconDocument& d) { d.removeFrame(0); },
         {11, 12, 13},
         11,
         {13, 11, 11}},
        {"move the active down",
         [](IconDocument& d) { d.moveFrame(1, 3); },
         {10, 12, 13, 11},
         11,
         {13, 11, 10, 11}},
        {"move another over the active",
         [](IconDocument& d) { d.moveFrame(3, 0); },
         {13, 10, 11, 12},
         11,
         {13, 11, 10, 11}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        IconDocument doc = documentOf({10, 11, 12, 13});
        doc.setActiveFrame(1);
        doc.Sequence = {{3, 1}, {1, 2}, {0, 3}, {1, 4}};
        c.Apply(doc);
        EXPECT_EQ(tags(doc), c.Order);
        EXPECT_EQ(doc.ActiveImage().HotSpotX, c.ActiveTag);
        EXPECT_EQ(doc.frameImages(doc.activeFrame()).front()->HotSpotX, c.ActiveTag);
        EXPECT_EQ(&doc.Images(), &doc.frameImages(doc.activeFrame()));
        EXPECT_EQ(sequenceTags(doc), c.Steps);
        for (int i = 0; i < doc.ImageCount(); ++i)
            EXPECT_EQ(doc.image(i).Index, i);
    }
}

TEST(DocumentFrames, ActiveImageIsRememberedPerFrame) {
    IconDocument doc = documentOf({0, 1});
    doc.setActiveImage(1);
    doc.setActiveFrame(1);
    EXPECT_EQ(doc.activeIndex(), 0);
    doc.setActiveFrame(0);
    EXPECT_EQ(doc.activeIndex(), 1);
    EXPECT_EQ(doc.frameActiveIndex(0), 1);
}

TEST(DocumentFrames, RefusalsChangeNothing) {
    IconDocument doc = documentOf({0});
    EXPECT_THROW(doc.removeFrame(0), std::logic_error);
    EXPECT_THROW(doc.insertFrame(0, IconFrame()), std::invalid_argument);
    EXPECT_THROW(doc.insertFrame(3, frameTagged(1)), std::out_of_range);
    EXPECT_THROW(doc.setActiveFrame(1), std::out_of_range);
    std::vector<IconFrame> none;
    EXPECT_THROW(doc.replaceFrames(std::move(none)), std::invalid_argument);
    EXPECT_EQ(tags(doc), std::vector<int>{0});
    EXPECT_EQ(doc.ImageCount(), 2);
}

// New and Open of a static file leave one frame and nothing of an animation.
TEST(DocumentFrames, ReplacingTheImagesEndsTheAnimation) {
    IconDocument doc = documentOf({0, 1, 2});
    doc.Title = QStringLiteral("t");
    doc.Sequence = {{2, 6}};
    IconDocument::ImageList images;
    images.push_back(newBlankImage(8, 8, 32, PalettePicture()));
    doc.replaceImages(std::move(images));
    EXPECT_EQ(doc.FrameCount(), 1);
    EXPECT_TRUE(doc.Sequence.empty());
    EXPECT_TRUE(doc.Title.isEmpty());
    EXPECT_EQ(doc.frameImages(0).front()->Pixels.Width, 8);
}

// Through the file and back: every frame's images, rates, the sequence and
// the texts; a second save is byte for byte the first.
TEST(DocumentFrames, AnimatedCursorRoundTrip) {
    const TransparencySettings s;
    const struct {
        const char* What;
        std::vector<FrameStep> Sequence;
        QString Title, Author;
    } cases[] = {
        {"in order", {}, "", ""},
        {"a sequence and texts",
         {{2, 7}, {0, 0}, {2, 9}},
         QStringLiteral("Bü"),
         QStringLiteral("Jürgen ☃")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        IconDocument doc = documentOf({0, 1, 2});
        doc.Sequence = c.Sequence;
        doc.Title = c.Title;
        doc.Author = c.Author;
        doc.frameImages(1)[0]->HotSpotY = 3;
        const QByteArray file = WriteAniFile(doc, s);
        ASSERT_TRUE(IsAniFileData(file));
        AniFileContents back = ReadAniFile(file, QStringLiteral("t.ani"), s);
        ASSERT_EQ(back.Frames.size(), 3u);
        for (int f = 0; f < 3; ++f) {
            SCOPED_TRACE(f);
            const auto& want = doc.frameImages(f);
            const auto& got = back.Frames[std::size_t(f)].Images;
            ASSERT_EQ(got.size(), want.size());
            for (std::size_t i = 0; i < got.size(); ++i) {
                EXPECT_EQ(got[i]->Pixels.Bits, want[i]->Pixels.Bits);
                EXPECT_EQ(got[i]->HotSpotX, want[i]->HotSpotX);
                EXPECT_EQ(got[i]->HotSpotY, want[i]->HotSpotY);
            }
            if (c.Sequence.empty()) {
                EXPECT_EQ(back.Frames[std::size_t(f)].Rate, doc.frameRate(f));
            }
        }
        EXPECT_EQ(back.Sequence, c.Sequence);
        EXPECT_EQ(back.Title, c.Title);
        EXPECT_EQ(back.Author, c.Author);

        IconDocument again;
        again.replaceFrames(std::move(back.Frames));
        again.Sequence = back.Sequence;
        again.Title = back.Title;
        again.Author = back.Author;
        again.DisplayRate = back.DisplayRate;
        EXPECT_EQ(WriteAniFile(again, s), file);
    }
}

// Opened and saved again, a frame nobody touched goes out byte for byte as it
// came in (told by comparing with what it read as, not by reading it again),
// and a frame edited in any way goes out as edited.
TEST(DocumentFrames, SavingAfterOpeningWritesEveryEditAndOnlyThose) {
    const TransparencySettings s;
    const QByteArray original = WriteAniFile(documentOf({0, 1, 2}), s);
    const struct {
        const char* What;
        void (*Edit)(IconImage&);
    } cases[] = {
        {"nothing", [](IconImage&) {}},
        {"a pixel", [](IconImage& I) { I.Pixels.Bits[5] = 0xFF123456u; }},
        {"a hot spot", [](IconImage& I) { I.HotSpotX = 2; }},
        {"the storage", [](IconImage& I) { I.StoredAsPng = true; }},
        {"a pixel and back", [](IconImage& I) { I.Pixels.Bits[5] ^= 0x00FFFFFFu; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        AniFileContents read = ReadAniFile(original, QStringLiteral("t.ani"), s);
        ASSERT_NE(read.Frames[1].StoredRead, nullptr) << "the frame's reading is kept";
        IconDocument doc;
        doc.replaceFrames(std::move(read.Frames));
        IconImage& image = *doc.frameImages(1)[1];
        c.Edit(image);
        if (std::string(c.What) == "a pixel and back") c.Edit(image);
        const QByteArray saved = WriteAniFile(doc, s);
        if (std::string(c.What) == "nothing" || std::string(c.What) == "a pixel and back") {
            EXPECT_EQ(saved, original);
            continue;
        }
        EXPECT_NE(saved, original);
        const AniFileContents back = ReadAniFile(saved, QStringLiteral("t.ani"), s);
        for (int f = 0; f < 3; ++f)
            for (std::size_t i = 0; i < 2; ++i) {
                SCOPED_TRACE("frame " + std::to_string(f) + " image " + std::to_string(i));
                const IconImage& want = *doc.frameImages(f)[i];
                const IconImage& got = *back.Frames[std::size_t(f)].Images[i];
                EXPECT_EQ(got.Pixels.Bits, want.Pixels.Bits);
                EXPECT_EQ(got.HotSpotX, want.HotSpotX);
                EXPECT_EQ(got.StoredAsPng, want.StoredAsPng);
            }
    }
}

TEST(DocumentFrames, DamagedFileIsRefusedWithItsName) {
    QByteArray file("RIFF\x04\x00\x00\x00"
                    "ACON",
                    12);
    try {
        ReadAniFile(file, QStringLiteral("busy.ani"), TransparencySettings());
        ADD_FAILURE() << "read";
    } catch (const IconFileError& e) {
        EXPECT_EQ(e.message(),
                  QStringLiteral(
                      "busy.ani is not an animated cursor. It has no animation header (anih)."));
    }
}
