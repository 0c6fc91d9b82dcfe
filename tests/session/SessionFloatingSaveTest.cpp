#include "files_support.h"

#include "canvas/RenderWorkView.h"
#include "canvas/tools/ToolInfo.h"
#include "document/IconFileReader.h"
#include "document/file/Transparency.h"
#include "session/SessionEffects.h"
#include "session/SessionTools.h"

#include <functional>

// What reaches the image record and the file while a selection floats: the
// record holds what was last recorded, never the hole a lift leaves, and a
// save writes what the user sees.

namespace {

// Differs from pixel to pixel; in 32 bits a checker of half-transparent
// pixels makes "Blend Colors" matter.
TColor32 patternAt(int X, int Y, bool Alpha) {
    const TColor32 alpha = Alpha && (X + Y) % 2 ? 0x80000000u : 0xFF000000u;
    return alpha | TColor32(X * 7 + 1) | (TColor32(Y * 5 + 3) << 8) | 0x400000u;
}

// How a pixel looks in Format: every pixel the mask hides looks alike.
TColor32 look(TColor32 P, ColourFormat Format, const TransparencySettings& S) {
    if (EffectiveAlpha(P, Format, S) == 0) return 0;
    return Format == 32 ? P : P | 0xFF000000u;
}

// The file at Path holds one image that looks like View did in Format.
void expectSavedAsShown(const QString& Path, const TBitmap32& View, ColourFormat Format,
                        const TransparencySettings& T) {
    const IconFileContents reopened = LoadIconFile(Path, T);
    const IconImage& saved = *reopened.Images.at(0);
    ASSERT_EQ(saved.Pixels.Width, View.Width);
    ASSERT_EQ(saved.Pixels.Height, View.Height);
    for (int y = 0; y < View.Height; ++y)
        for (int x = 0; x < View.Width; ++x)
            ASSERT_EQ(look(saved.Pixels.GetPixel(x, y), saved.Format, T),
                      look(View.GetPixel(x, y), Format, T))
                << x << "," << y;
}

enum class Step { Lift, Move, Stretch, Resize, FormatChange };

const char* stepName(Step S) {
    switch (S) {
    case Step::Lift:
        return "lift";
    case Step::Move:
        return "move";
    case Step::Stretch:
        return "stretch";
    case Step::Resize:
        return "resize";
    case Step::FormatChange:
        return "format change";
    }
    return "";
}

class FloatingSave : public SessionFilesTest {
protected:
    ToolController& tools() { return session.tools().controller(); }
    void hover(QPoint P) { tools().WorkMouseMove(P, WorkShift{}); }
    void drag(QPoint From, QPoint To) {
        hover(From);
        tools().WorkMouseDown(From, WorkButton::Left, WorkShift{});
        WorkShift held;
        held.Left = true;
        tools().WorkMouseMove(To, held);
        tools().WorkMouseUp(To, WorkButton::Left, WorkShift{});
    }

    // A saved document of one image in Format showing the pattern.
    void showPattern(ColourFormat Format, bool Blend) {
        session.NewAExecute(true);
        if (Format != 32) {
            // Not made from the image's colours: the default palette.
            prompts.answer(MessageAnswer::No);
            ASSERT_TRUE(session.rueColorwithAplpha1Click(Format));
        }
        TBitmap32& w = session.WorkBitmap();
        for (int y = 0; y < w.Height; ++y)
            for (int x = 0; x < w.Width; ++x)
                w.SetPixel(x, y, patternAt(x, y, Format == 32));
        session.commit();
        session.finishEdit(true);
        session.ResetUndo();
        tools().BlenClick(Blend);
        session.document().FileName = path(QStringLiteral("float.ico"));
        ASSERT_EQ(session.SaveAExecute(false), SaveResult::Saved);
    }

    // The picture the work view shows at this moment.
    TBitmap32 shown() {
        TBitmap32 work = session.WorkBitmap();
        WorkViewScene scene;
        scene.WorkBitmap = &work;
        scene.CleanBitmap = &session.CleanBitmap();
        if (const FloatingSelection* f = session.floatingSelection())
            scene.Selection = FloatingSelectionOverlay{&f->Pixels, f->SelectionRect()};
        QImage buffer;
        RenderWorkView(scene, ZoomToFit(64, 64, work.Width, work.Height), buffer);
        return work;
    }

    void run(Step S) {
        tools().freeClick(SelectTag);
        drag({2, 2}, {9, 7});
        ASSERT_NE(session.floatingSelection(), nullptr);
        switch (S) {
        case Step::Lift:
            break;
        case Step::Move:
            drag({4, 4}, {9, 7});
            break;
        case Step::Stretch:
            drag({9, 7}, {13, 11});
            break;
        case Step::Resize:
            session.effects().resizeImage(ResizeChoice{40, 36, ResizeChange::NoChanges});
            break;
        case Step::FormatChange:
            ASSERT_TRUE(session.rueColorwithAplpha1Click(
                session.ActiveImage().Format == 32 ? ColourFormat(24) : ColourFormat(32)));
            break;
        }
    }
};

} // namespace

TEST_F(FloatingSave, TheRecordAndTheSavedFileWhileASelectionFloats) {
    for (ColourFormat format : {ColourFormat(8), ColourFormat(32)})
        for (bool blend : {true, false})
            for (Step step :
                 {Step::Lift, Step::Move, Step::Stretch, Step::Resize, Step::FormatChange}) {
                SCOPED_TRACE(testing::Message() << int(format) << " bits, Blend "
                                                << (blend ? "on, " : "off, ") << stepName(step));
                showPattern(format, blend);
                const TBitmap32 before = session.ActiveImage().Pixels;
                run(step);
                if (HasFatalFailure()) return;

                const TBitmap32 view = shown();
                const IconImage& record = session.ActiveImage();
                if (step == Step::Lift || step == Step::Move || step == Step::Stretch)
                    EXPECT_TRUE(record.Pixels.samePixels(before))
                        << "only a recorded change writes the record";
                else
                    EXPECT_TRUE(record.Pixels.samePixels(view))
                        << "a recorded change writes what is shown, hole covered";

                const int entries = session.undoHistory().UndoCount();
                const bool floating = session.floatingSelection() != nullptr;
                EXPECT_EQ(session.SaveAExecute(false), SaveResult::Saved);
                EXPECT_EQ(session.floatingSelection(), nullptr) << "saving drops it";
                EXPECT_EQ(session.undoHistory().UndoCount(), entries + (floating ? 1 : 0));
                EXPECT_FALSE(session.document().Modified);
                EXPECT_TRUE(shown().samePixels(view)) << "the drop shows what was shown";

                expectSavedAsShown(session.document().FileName, view, record.Format,
                                   session.transparency());
            }
}

// A floating selection is an unsaved change: closing asks, and Yes saves it
// with the selection in place.
TEST_F(FloatingSave, SaveChangesAsksAboutAFloatingSelectionAndSavesItDropped) {
    showPattern(32, false);
    EXPECT_FALSE(session.ConfirmSaveChanges()) << "nothing to ask about yet";
    run(Step::Move);
    ASSERT_FALSE(session.document().Modified) << "moving records nothing";
    const TBitmap32 view = shown();

    prompts.answer(MessageAnswer::Cancel);
    EXPECT_TRUE(session.ConfirmSaveChanges());
    EXPECT_NE(session.floatingSelection(), nullptr) << "Cancel keeps it floating";

    prompts.answer(MessageAnswer::Yes);
    EXPECT_FALSE(session.ConfirmSaveChanges());
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[1].Text, QStringLiteral("Save changes?"));
    EXPECT_EQ(session.floatingSelection(), nullptr);
    expectSavedAsShown(session.document().FileName, view, 32, session.transparency());
}

// Save As drops the selection only once there is a file to write: backing
// out of the dialog changes nothing.
TEST_F(FloatingSave, SaveAsDropsTheSelectionOnlyWhenItWrites) {
    showPattern(32, true);
    run(Step::Stretch);
    const int entries = session.undoHistory().UndoCount();
    prompts.saveFileAnswer(std::nullopt);
    EXPECT_EQ(session.SaveAs1Click(), SaveResult::Cancelled);
    EXPECT_NE(session.floatingSelection(), nullptr);
    EXPECT_EQ(session.undoHistory().UndoCount(), entries);

    const TBitmap32 view = shown();
    prompts.saveFileAnswer(FileChoice{path(QStringLiteral("other.ico")), 1});
    EXPECT_EQ(session.SaveAs1Click(), SaveResult::Saved);
    EXPECT_EQ(session.floatingSelection(), nullptr);
    EXPECT_EQ(session.undoHistory().UndoCount(), entries + 1);
    expectSavedAsShown(path(QStringLiteral("other.ico")), view, 32, session.transparency());
}
