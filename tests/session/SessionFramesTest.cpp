// The frames of an animated cursor in the editing session: each frame edit
// is one undo step, undone after the image edits that followed it, and an
// animation goes through Open and Save.

#include "files_support.h"

#include "SessionTestSupport.h"
#include "document/AniFileIO.h"
#include "document/IconFileReader.h"
#include "session/SessionFrames.h"

#include <QSignalSpy>

namespace {

// The colour of the first pixel of each frame's active image: frames are
// told apart by what was painted into them.
std::vector<TColor32> frameColours(const IconDocument& Doc) {
    std::vector<TColor32> out;
    for (int f = 0; f < Doc.FrameCount(); ++f)
        out.push_back(Doc.frameImages(f)[std::size_t(Doc.frameActiveIndex(f))]->Pixels.Bits[0]);
    return out;
}

// A session whose document has three frames painted A, B, C, frame 2 active.
void threeFrames(EditSession& S) {
    paintAll(S, 0xFF0000AAu);
    S.frames().addFrame(FrameEditing::NewFrame::Blank);
    paintAll(S, 0xFF0000BBu);
    S.frames().addFrame(FrameEditing::NewFrame::Blank);
    paintAll(S, 0xFF0000CCu);
    S.frames().activateFrame(1);
}

constexpr TColor32 A = 0xFF0000AAu, B = 0xFF0000BBu, C = 0xFF0000CCu;

} // namespace

// Each command on frames A, B, C (B active): what it makes, then Undo puts
// back exactly what was there and Redo makes it again.
TEST_F(SessionFilesTest, EveryFrameEditIsOneUndoStep) {
    const struct {
        const char* What;
        std::function<void(EditSession&)> Run;
        std::vector<TColor32> After;
        int ActiveAfter;
    } cases[] = {
        {"blank frame",
         [](EditSession& s) { s.frames().addFrame(FrameEditing::NewFrame::Blank); },
         {A, B, 0, C},
         2},
        {"copy",
         [](EditSession& s) { s.frames().addFrame(FrameEditing::NewFrame::Copy); },
         {A, B, B, C},
         2},
        {"remove", [](EditSession& s) { s.frames().removeFrame(); }, {A, C}, 1},
        {"up", [](EditSession& s) { s.frames().moveFrameUp(); }, {B, A, C}, 0},
        {"down", [](EditSession& s) { s.frames().moveFrameDown(); }, {A, C, B}, 2},
        {"rates",
         [](EditSession& s) {
             s.frames().setFrameRates({0, 2}, 30);
         },
         {A, B, C},
         1},
        {"sequence",
         [](EditSession& s) {
             s.frames().setSequence({{2, 5}, {0, 5}});
         },
         {A, B, C},
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        session.NewAExecute(true);
        threeFrames(session);
        const IconDocument& d = session.document();
        const std::vector<std::uint32_t> rates = {d.frameRate(0), d.frameRate(1), d.frameRate(2)};
        c.Run(session);
        EXPECT_EQ(frameColours(d), c.After);
        EXPECT_EQ(d.activeFrame(), c.ActiveAfter);
        EXPECT_TRUE(session.WorkBitmap().samePixels(d.ActiveImage().Pixels));
        EXPECT_TRUE(d.Modified);
        ASSERT_TRUE(session.commandStates().UndoA);
        const std::vector<TColor32> after = frameColours(d);
        const std::vector<FrameStep> sequenceAfter = d.Sequence;

        session.UndoAExecute();
        EXPECT_EQ(frameColours(d), (std::vector<TColor32>{A, B, C}));
        EXPECT_EQ(d.frameRate(0), rates[0]);
        EXPECT_EQ(d.frameRate(2), rates[2]);
        EXPECT_TRUE(d.Sequence.empty());
        EXPECT_TRUE(session.WorkBitmap().samePixels(d.ActiveImage().Pixels));
        ASSERT_TRUE(session.commandStates().RedoA);

        session.RedoAExecute();
        EXPECT_EQ(frameColours(d), after);
        EXPECT_EQ(d.Sequence, sequenceAfter);
        EXPECT_EQ(d.activeFrame(), c.ActiveAfter);
    }
}

// Image edits after a frame edit are undone first, then the frame edit; a
// new image edit after undoing a frame edit ends its redo.
TEST_F(SessionFilesTest, ImageEditsAndFrameEditsUndoInTheirOrder) {
    threeFrames(session);
    const IconDocument& d = session.document();
    session.frames().removeFrame(); // C becomes active
    paintAll(session, 0xFF123456u);
    EXPECT_EQ(frameColours(d), (std::vector<TColor32>{A, 0xFF123456u}));
    session.UndoAExecute();
    EXPECT_EQ(frameColours(d), (std::vector<TColor32>{A, C}));
    session.UndoAExecute();
    EXPECT_EQ(frameColours(d), (std::vector<TColor32>{A, B, C}));
    paintAll(session, 0xFF654321u);
    EXPECT_FALSE(session.commandStates().RedoA) << "the removal cannot come back";
}

TEST_F(SessionFilesTest, AnimatedCursorOpensAndSaves) {
    threeFrames(session);
    session.frames().setSequence({{2, 4}, {1, 8}});
    session.frames().setTitleAndAuthor(QStringLiteral("Busy"), QStringLiteral("Ann"));
    const QString file = path(QStringLiteral("busy.ani"));
    prompts.saveFileAnswer(FileChoice{path(QStringLiteral("busy")), 3});
    ASSERT_EQ(session.SaveAs1Click(), SaveResult::Saved);
    EXPECT_EQ(session.document().FileName, file);
    EXPECT_FALSE(session.document().Modified);

    session.NewAExecute(true);
    session.OpenAExecute(true, file);
    const IconDocument& d = session.document();
    ASSERT_EQ(d.FrameCount(), 3);
    EXPECT_EQ(frameColours(d), (std::vector<TColor32>{A, B, C}));
    EXPECT_EQ(d.Sequence, (std::vector<FrameStep>{{2, 4}, {1, 8}}));
    EXPECT_EQ(d.Title, QStringLiteral("Busy"));
    EXPECT_EQ(d.Author, QStringLiteral("Ann"));
    EXPECT_EQ(d.FileType, CursorFileType);
    EXPECT_FALSE(d.Modified);
    EXPECT_FALSE(session.commandStates().UndoA);
    // Saved again unedited: the same bytes.
    const QByteArray before = readFile(file);
    ASSERT_EQ(session.SaveAExecute(false), SaveResult::Saved);
    EXPECT_EQ(readFile(file), before);
    EXPECT_TRUE(prompts.messages.empty());
}

// A cursor file holds one frame: saving more frames as one asks first, and
// Cancel leaves the file as it was.
TEST_F(SessionFilesTest, SavingFramesAsACursorAsksFirst) {
    const QString cur = path(QStringLiteral("one.cur"));
    threeFrames(session);
    prompts.saveFileAnswer(FileChoice{cur, 2});
    prompts.answer(MessageAnswer::Cancel);
    EXPECT_EQ(session.SaveAs1Click(), SaveResult::Cancelled);
    EXPECT_FALSE(QFileInfo::exists(cur));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(prompts.messages[0].Text.contains(QStringLiteral("Save only frame 2")))
        << prompts.messages[0].Text.toStdString();
    EXPECT_EQ(prompts.fileRequests.at(0).FilterIndex, 3) << "frames suggest an animated cursor";

    prompts.saveFileAnswer(FileChoice{cur, 2});
    prompts.answer(MessageAnswer::Yes);
    ASSERT_EQ(session.SaveAs1Click(), SaveResult::Saved);
    const IconFileContents saved = LoadIconFile(cur, TransparencySettings());
    ASSERT_EQ(saved.Images.size(), 1u);
    EXPECT_EQ(saved.Images[0]->Pixels.Bits[0], B);
}
