#include "ScriptedPrompter.h"
#include "canvas/tools/ToolInfo.h"
#include "session/EditSession.h"
#include "session/SessionTools.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString DataDir = QStringLiteral(BRISEL_DATA_DIR "/");

// A document with unsaved work that New must not lose by accident.
void makeEdited(EditSession& S) {
    S.NewAExecute(true);
    S.document().FileName = QStringLiteral("/tmp/work.ico");
    S.document().appendImage(newBlankImage(16, 16, 4, PalettePicture()));
    S.WorkBitmap().SetPixel(1, 1, 0xFF0000FFu);
    S.setModified(true);
}

bool isUntouchedEdit(EditSession& S) {
    return S.document().Modified && S.document().ImageCount() == 2 &&
           S.document().FileName == QLatin1String("/tmp/work.ico") &&
           S.WorkBitmap().GetPixel(1, 1) == 0xFF0000FFu;
}

void expectUntitled(EditSession& S) {
    const IconDocument& d = S.document();
    ASSERT_EQ(d.ImageCount(), 1);
    const IconImage& img = *d.Images().front();
    EXPECT_EQ(&img, &d.ActiveImage());
    EXPECT_EQ(img.Pixels.Width, 32);
    EXPECT_EQ(img.Pixels.Height, 32);
    EXPECT_EQ(img.Format, 32);
    EXPECT_EQ(img.Caption, QStringLiteral("32 x 32 (TCA)"));
    for (TColor32 c : img.Pixels.Bits)
        ASSERT_EQ(c, 0u);
    EXPECT_TRUE(S.WorkBitmap().samePixels(img.Pixels));
    EXPECT_TRUE(S.CleanBitmap().samePixels(img.Pixels));
    EXPECT_TRUE(d.FileName.isEmpty());
    EXPECT_EQ(d.FileType, 1);
    EXPECT_FALSE(d.Modified);
    EXPECT_EQ(S.windowCaption(), QStringLiteral("Brisel - Untitled"));
    // Undo, redo, remove and palette off; a 32-bit bitmap may become PNG.
    CommandStates untitled;
    untitled.StoredAsPng1 = true;
    EXPECT_EQ(S.commandStates(), untitled);
}

} // namespace

TEST(SessionNew, FromCodeMakesTheUntitledDocumentWithoutAsking) {
    ScriptedPrompter prompts;
    EditSession s(prompts, DataDir);
    makeEdited(s);
    QSignalSpy captions(&s, &EditSession::captionChanged);
    QSignalSpy replaced(&s, &EditSession::imagesReplaced);

    s.NewAExecute(true);

    expectUntitled(s);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_FALSE(s.ActiveImage().Palette.isNull()) << "the colour chart is the palette";
    ASSERT_EQ(captions.count(), 1);
    EXPECT_EQ(captions.front().front().toString(), QStringLiteral("Brisel - Untitled"));
    EXPECT_EQ(replaced.count(), 1);
}

TEST(SessionNew, WorkingCopiesTakeTheTextFont) {
    ScriptedPrompter prompts;
    EditSession s(prompts, DataDir);
    QFont f(QStringLiteral("DejaVu Serif"), 14);
    f.setItalic(true);
    s.setTextFont(f);
    s.NewAExecute(true);
    EXPECT_EQ(s.WorkBitmap().Font.family(), f.family());
    EXPECT_TRUE(s.CleanBitmap().Font.italic());
    EXPECT_EQ(s.CleanBitmap().Font.pointSize(), 14);
}

TEST(SessionNew, UnmodifiedDocumentIsReplacedWithoutAQuestion) {
    ScriptedPrompter prompts;
    EditSession s(prompts, DataDir);
    s.document().FileName = QStringLiteral("/tmp/old.ico");
    s.NewAExecute(false);
    expectUntitled(s);
    EXPECT_TRUE(prompts.messages.empty());
}

// The new document starts with the pencil, whatever tool was in use; a New
// that was cancelled keeps the tool.
TEST(SessionNew, ChoosesThePencil) {
    ScriptedPrompter prompts;
    EditSession s(prompts, DataDir);
    makeEdited(s);
    s.tools().controller().freeClick(SprayTag);
    prompts.answer(MessageAnswer::Cancel);
    s.NewAExecute(false);
    EXPECT_EQ(s.tools().CurrentTool(), SprayTag);
    s.setModified(false);
    s.NewAExecute(false);
    EXPECT_EQ(s.tools().CurrentTool(), PenTag);
}

struct SaveChangesCase {
    const char* Name;
    MessageAnswer Answer;
    std::optional<SaveResult> Save; // what the Save command does, if it runs
    bool Replaced;                  // the untitled document replaced the edit
};

class SessionSaveChanges : public ::testing::TestWithParam<SaveChangesCase> {};

TEST_P(SessionSaveChanges, NewAsksAndKeepsUnsavedWorkUnlessToldOtherwise) {
    const SaveChangesCase& c = GetParam();
    ScriptedPrompter prompts;
    EditSession s(prompts, DataDir);
    int saves = 0;
    s.setSaveHandler([&] {
        ++saves;
        // A successful save clears Modified, as the real command does.
        if (c.Save == SaveResult::Saved) s.setModified(false);
        return c.Save.value_or(SaveResult::Failed);
    });
    makeEdited(s);
    prompts.answer(c.Answer);

    s.NewAExecute(false);

    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].Text, QStringLiteral("Save changes?"));
    EXPECT_EQ(prompts.messages[0].Kind, MessageKind::Confirmation);
    EXPECT_EQ(prompts.messages[0].Buttons, mbYes | mbNo | mbCancel);
    EXPECT_EQ(saves, c.Save ? 1 : 0);
    if (c.Replaced)
        expectUntitled(s);
    else
        EXPECT_TRUE(isUntouchedEdit(s));
}

INSTANTIATE_TEST_SUITE_P(
    Answers, SessionSaveChanges,
    ::testing::Values(
        SaveChangesCase{"Cancel", MessageAnswer::Cancel, std::nullopt, false},
        SaveChangesCase{"No", MessageAnswer::No, std::nullopt, true},
        SaveChangesCase{"YesSaved", MessageAnswer::Yes, SaveResult::Saved, true},
        SaveChangesCase{"YesDialogCancelled", MessageAnswer::Yes, SaveResult::Cancelled, false},
        // The save failed and said so: the work is still only in
        // memory, so New must not throw it away.
        SaveChangesCase{"YesSaveFailed", MessageAnswer::Yes, SaveResult::Failed, false}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST(SessionSaveChanges, WithoutASaveCommandYesSaysSoAndKeepsTheWork) {
    ScriptedPrompter prompts;
    EditSession s(prompts, DataDir);
    makeEdited(s);
    prompts.answer(MessageAnswer::Yes);
    prompts.answer(MessageAnswer::OK);

    EXPECT_TRUE(s.ConfirmSaveChanges());

    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[1].Kind, MessageKind::Error);
    EXPECT_TRUE(isUntouchedEdit(s));
}

TEST(SessionSaveChanges, NothingToSaveMeansGoOn) {
    ScriptedPrompter prompts;
    EditSession s(prompts, DataDir);
    EXPECT_FALSE(s.ConfirmSaveChanges());
    EXPECT_TRUE(prompts.messages.empty());
}

TEST(SessionNew, MissingColourChartIsReportedAndTheDocumentStaysUsable) {
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    ScriptedPrompter prompts;
    EditSession s(prompts, empty.path() + QLatin1Char('/'));
    prompts.answer(MessageAnswer::OK);

    s.NewAExecute(true);

    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].Kind, MessageKind::Error);
    EXPECT_TRUE(prompts.messages[0].Text.contains(QStringLiteral("True.bmp")))
        << prompts.messages[0].Text.toStdString();
    expectUntitled(s);
    EXPECT_TRUE(s.ActiveImage().Palette.isNull());
}

TEST(SessionCaption, NamesTheFileWithoutFolderOrExtension) {
    ScriptedPrompter prompts;
    EditSession s(prompts, DataDir);
    s.document().FileName = QStringLiteral("/home/me/icons/app.v2.ico");
    EXPECT_EQ(s.windowCaption(), QStringLiteral("Brisel - app.v2"));
}
