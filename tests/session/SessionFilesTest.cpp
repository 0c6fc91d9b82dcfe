#include "files_support.h"

#include "document/IconFileReader.h"
#include "session/SessionTools.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <unistd.h>

namespace {

const QString OpenFilter =
    QStringLiteral("All supported files|*.ico;*.cur;*.ani;*.exe;*.dll;*.mun;*.cpl;*.scr;*.ocx;*.icl|"
                   "Windows icon (*.ico)|*.ico|Windows cursor (*.cur)|*.cur|"
                   "Animated cursor (*.ani)|*.ani|"
                   "Windows programs and libraries|*.exe;*.dll;*.mun;*.cpl;*.scr;*.ocx;*.icl|"
                   "X cursor (no extension)|*");
const QString SaveFilter =
    QStringLiteral("Windows icon (*.ico)|*.ico|Windows cursor (*.cur)|*.cur|"
                   "Animated cursor (*.ani)|*.ani|X cursor (no extension)|*");

FileChoice choose(const QString& Name, int Filter = 1) {
    return FileChoice{Name, Filter};
}

} // namespace

TEST_F(SessionFilesTest, OpenReadsEveryImageAndShowsTheFirst) {
    const QString file = writeTwoImageIcon(QStringLiteral("two.ico"));
    // A colour outside the 16-colour palette, with its own alpha.
    session.setForegroundColor32(SetAlpha(0x0000F0, 77));
    QSignalSpy replaced(&session, &EditSession::imagesReplaced);
    QSignalSpy captions(&session, &EditSession::captionChanged);
    QSignalSpy opening(&session, &EditSession::openingDocument);
    prompts.openFileAnswer(choose(file));

    session.OpenAExecute(false);

    ASSERT_EQ(prompts.fileRequests.size(), 1u);
    EXPECT_EQ(prompts.fileRequests[0].Filter, OpenFilter);
    const IconDocument& d = session.document();
    ASSERT_EQ(d.ImageCount(), 2);
    EXPECT_EQ(d.image(0).Caption, QStringLiteral("16 x 16 (16)"));
    EXPECT_EQ(d.image(1).Caption, QStringLiteral("32 x 32 (TCA)"));
    EXPECT_EQ(d.image(0).Palette.count(), 16);
    EXPECT_FALSE(d.image(1).Palette.isNull()) << "true colour carries the colour chart";
    EXPECT_FALSE(d.image(0).Thumbnail.isNull());
    EXPECT_EQ(d.activeIndex(), 0);
    EXPECT_TRUE(session.WorkBitmap().samePixels(d.image(0).Pixels));
    EXPECT_TRUE(session.CleanBitmap().samePixels(d.image(0).Pixels));
    EXPECT_EQ(d.FileName, file);
    EXPECT_EQ(d.FileType, 1);
    EXPECT_FALSE(d.Modified);
    EXPECT_EQ(session.windowCaption(), QStringLiteral("Brisel - two"));
    ASSERT_FALSE(captions.isEmpty());
    EXPECT_EQ(captions.back().front().toString(), QStringLiteral("Brisel - two"));
    EXPECT_EQ(replaced.count(), 1);
    EXPECT_EQ(opening.count(), 1);
    EXPECT_TRUE(session.commandStates().RemoveIA);
    EXPECT_TRUE(session.commandStates().PalA);
    // The drawing colours move onto the palette and keep their alphas.
    EXPECT_EQ(session.ForegroundColor32(), SetAlpha(0x0000FF, 77));
    EXPECT_EQ(recentList(), QStringList{file});
    EXPECT_EQ(desktop.noted, QStringList{file});
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(SessionFilesTest, OpenAsksForTheFileFirstAndAboutUnsavedWorkSecond) {
    const QString file = writeTwoImageIcon(QStringLiteral("two.ico"));
    makeEdited(path(QStringLiteral("mine.ico")));

    // A cancelled dialog asks nothing more.
    prompts.openFileAnswer(std::nullopt);
    session.OpenAExecute(false);
    EXPECT_TRUE(prompts.messages.empty());

    // Cancel at the question keeps the work.
    prompts.openFileAnswer(choose(file));
    prompts.answer(MessageAnswer::Cancel);
    session.OpenAExecute(false);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].Text, QStringLiteral("Save changes?"));
    EXPECT_EQ(session.document().FileName, path(QStringLiteral("mine.ico")));
    EXPECT_TRUE(session.document().Modified);
    EXPECT_EQ(session.document().ImageCount(), 2);
}

// Opening a recent file with unsaved work and answering Yes saves the work to
// its own file, never over the file being opened.
TEST_F(SessionFilesTest, SaveBeforeOpeningFromCodeGoesToTheOldFile) {
    const QString other = writeTwoImageIcon(QStringLiteral("other.ico"));
    const QByteArray otherBytes = readFile(other);
    const QString mine = path(QStringLiteral("mine.ico"));
    makeEdited(mine);
    prompts.answer(MessageAnswer::Yes);

    session.OpenAExecute(true, other);

    EXPECT_TRUE(prompts.fileRequests.empty()) << "no dialog from code";
    EXPECT_EQ(readFile(other), otherBytes);
    const IconFileContents saved = LoadIconFile(mine, TransparencySettings());
    EXPECT_EQ(saved.Images.size(), 2u);
    EXPECT_EQ(session.document().FileName, other);
    EXPECT_EQ(recentList(), (QStringList{other, mine}));
}

// A file that cannot be opened costs nothing: no "Save changes?" is asked,
// and the document keeps its name, its unsaved drawing and its undo history.
TEST_F(SessionFilesTest, AFileThatCannotBeReadLeavesTheDocumentAsItWas) {
    const auto image = makeImage(2, 2, 32, alphaRamp);
    QByteArray good = iconBytes(1, {image.get()});
    struct Case {
        const char* Name;
        QByteArray Bytes; // empty: no file at all
        bool NotAnIcon;
    };
    QByteArray type3 = good, reserved1 = good, count0 = good;
    type3[2] = 3;
    reserved1[0] = 1;
    count0[4] = 0;
    const Case cases[] = {
        {"type3.ico", type3, true},
        {"reserved1.ico", reserved1, true},
        {"count0.ico", count0, true},
        {"missing.ico", QByteArray(), false},
    };
    const QString before = path(QStringLiteral("before.ico"));
    session.document().FileName = before;
    std::fill(session.WorkBitmap().Bits.begin(), session.WorkBitmap().Bits.end(), 0xFF00FF00u);
    session.commit();
    session.PushUndo();
    ASSERT_TRUE(session.document().Modified);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const QString file = path(QLatin1String(c.Name));
        if (!c.Bytes.isEmpty()) writeFile(file, c.Bytes);
        prompts.messages.clear();
        prompts.answer(MessageAnswer::OK);

        session.OpenAExecute(true, file);

        ASSERT_EQ(prompts.messages.size(), 1u) << "only the error, no \"Save changes?\"";
        EXPECT_EQ(prompts.messages[0].Kind, MessageKind::Error);
        EXPECT_EQ(prompts.messages[0].Buttons, unsigned(mbOK));
        if (c.NotAnIcon)
            EXPECT_TRUE(
                prompts.messages[0].Text.startsWith(file + QStringLiteral(" is not an icon.")))
                << prompts.messages[0].Text.toStdString();
        else
            EXPECT_TRUE(prompts.messages[0].Text.contains(QDir::toNativeSeparators(file)));
        EXPECT_EQ(session.document().FileName, before);
        EXPECT_TRUE(session.document().Modified);
        EXPECT_EQ(session.ActiveImage().Pixels.GetPixel(1, 1), 0xFF00FF00u);
        EXPECT_EQ(session.WorkBitmap().GetPixel(1, 1), 0xFF00FF00u);
        EXPECT_EQ(session.windowCaption(), QStringLiteral("Brisel - before"));
        ASSERT_TRUE(session.commandStates().UndoA);
    }
    session.UndoAExecute();
    EXPECT_EQ(session.WorkBitmap().GetPixel(1, 1), 0u);
    EXPECT_TRUE(recentList().isEmpty());
}

TEST_F(SessionFilesTest, AddingImagesAppendsAndKeepsTheActiveImage) {
    session.document().FileName = path(QStringLiteral("mine.ico"));
    session.document().appendImage(newBlankImage(8, 8, 32, PalettePicture()));
    session.document().setActiveImage(1);
    const auto a = makeImage(16, 16, 4, sixteenColours);
    const auto b = makeImage(24, 24, 32, alphaRamp);
    const auto c = makeImage(5, 3, 1, sixteenColours);
    const QString file = path(QStringLiteral("three.cur"));
    writeFile(file, iconBytes(2, {a.get(), b.get(), c.get()}));
    prompts.openFileAnswer(choose(file));

    session.Open2Click();

    const IconDocument& d = session.document();
    ASSERT_EQ(d.ImageCount(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(d.image(i).Index, i);
    EXPECT_EQ(d.activeIndex(), 1);
    EXPECT_EQ(d.image(4).Caption, QStringLiteral("5 x 3 (2)"));
    EXPECT_TRUE(d.Modified);
    EXPECT_EQ(d.FileName, path(QStringLiteral("mine.ico")));
    EXPECT_EQ(d.FileType, 1);
    EXPECT_TRUE(recentList().isEmpty());

    // A file that is not an icon adds nothing.
    const QString bad = path(QStringLiteral("bad.ico"));
    writeFile(bad, QByteArray("not an icon at all"));
    prompts.openFileAnswer(choose(bad));
    prompts.answer(MessageAnswer::OK);
    session.Open2Click();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(prompts.messages[0].Text.startsWith(bad + QStringLiteral(" is not an icon.")));
    EXPECT_EQ(d.ImageCount(), 5);
}

TEST_F(SessionFilesTest, SavingAnUntitledDocumentAsksForANameAndType) {
    session.setModified(true);
    prompts.saveFileAnswer(choose(path(QStringLiteral("pointer.png")), 2));

    EXPECT_EQ(session.SaveAExecute(false), SaveResult::Saved);

    ASSERT_EQ(prompts.fileRequests.size(), 1u);
    EXPECT_EQ(prompts.fileRequests[0].FileName, QStringLiteral("untitled"));
    EXPECT_EQ(prompts.fileRequests[0].FilterIndex, 1);
    EXPECT_EQ(prompts.fileRequests[0].Filter, SaveFilter);
    const QString saved = path(QStringLiteral("pointer.cur"));
    EXPECT_EQ(session.document().FileName, saved);
    EXPECT_EQ(session.document().FileType, 2);
    EXPECT_FALSE(session.document().Modified);
    EXPECT_EQ(session.windowCaption(), QStringLiteral("Brisel - pointer"));
    EXPECT_EQ(LoadIconFile(saved, TransparencySettings()).FileType, 2);
    EXPECT_EQ(recentList(), QStringList{saved});

    // The next Save As starts from the file's own name and type.
    prompts.saveFileAnswer(std::nullopt);
    EXPECT_EQ(session.SaveAs1Click(), SaveResult::Cancelled);
    EXPECT_EQ(prompts.fileRequests[1].FileName, saved);
    EXPECT_EQ(prompts.fileRequests[1].FilterIndex, 2);
}

TEST_F(SessionFilesTest, ReplacingAFileAsksAndNoAsksForAnotherName) {
    const QString taken = writeTwoImageIcon(QStringLiteral("taken.cur"));
    const QByteArray takenBytes = readFile(taken);
    session.setModified(true);

    // The cursor filter turns "taken.ico" into the existing "taken.cur".
    // No: the dialog again, showing that name; Cancel there: nothing saved,
    // nothing changed.
    prompts.saveFileAnswer(choose(path(QStringLiteral("taken.ico")), 2));
    prompts.answer(MessageAnswer::No);
    prompts.saveFileAnswer(std::nullopt);
    EXPECT_EQ(session.SaveAs1Click(), SaveResult::Cancelled);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].Text,
              taken + QStringLiteral(" already exists.\nDo you want to replace it?"));
    EXPECT_EQ(prompts.messages[0].Kind, MessageKind::Warning);
    EXPECT_EQ(prompts.messages[0].Buttons, mbYesNoCancel);
    ASSERT_EQ(prompts.fileRequests.size(), 2u);
    EXPECT_EQ(prompts.fileRequests[1].FileName, taken);
    EXPECT_EQ(prompts.fileRequests[1].FilterIndex, 2);
    EXPECT_EQ(readFile(taken), takenBytes);
    EXPECT_TRUE(session.document().FileName.isEmpty());
    EXPECT_EQ(session.document().FileType, 1) << "a cancelled Save As changes nothing";
    EXPECT_TRUE(session.document().Modified);

    // Cancel at the question ends the command.
    prompts.saveFileAnswer(choose(taken, 2));
    prompts.answer(MessageAnswer::Cancel);
    EXPECT_EQ(session.SaveAs1Click(), SaveResult::Cancelled);
    EXPECT_EQ(readFile(taken), takenBytes);

    // Yes replaces it.
    prompts.saveFileAnswer(choose(taken, 2));
    prompts.answer(MessageAnswer::Yes);
    EXPECT_EQ(session.SaveAs1Click(), SaveResult::Saved);
    EXPECT_NE(readFile(taken), takenBytes);
    EXPECT_EQ(LoadIconFile(taken, TransparencySettings()).Images.size(), 1u);
    EXPECT_EQ(session.document().FileType, 2);
}

// A save that fails keeps the old file byte for byte, keeps the changes marked
// unsaved and says why.
TEST_F(SessionFilesTest, AFailedSaveKeepsTheOldFileAndTheChanges) {
    const QString mine = writeTwoImageIcon(QStringLiteral("mine.ico"));
    const QByteArray before = readFile(mine);
    session.OpenAExecute(true, mine);
    session.setModified(true);

    // An image the file format cannot hold stops the save before the file
    // is touched.
    session.document().image(1).Format = 16;
    prompts.answer(MessageAnswer::OK);
    EXPECT_EQ(session.SaveAExecute(false), SaveResult::Failed);
    EXPECT_EQ(readFile(mine), before);
    EXPECT_TRUE(session.document().Modified);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].Kind, MessageKind::Error);
    EXPECT_TRUE(prompts.messages[0].Text.contains(QDir::toNativeSeparators(mine)));
    session.document().image(1).Format = 32;

    // A folder that does not exist: Save As keeps the document's old name.
    prompts.saveFileAnswer(choose(path(QStringLiteral("no/such/folder/x.cur")), 2));
    prompts.answer(MessageAnswer::OK);
    EXPECT_EQ(session.SaveAs1Click(), SaveResult::Failed);
    EXPECT_EQ(session.document().FileName, mine);
    EXPECT_EQ(session.document().FileType, 1);
    EXPECT_EQ(session.windowCaption(), QStringLiteral("Brisel - mine"));
    EXPECT_TRUE(session.document().Modified);
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("no"))));

    // "Save changes?" answered Yes with a save that fails: the caller stops.
    prompts.saveFileAnswer(choose(path(QStringLiteral("no/such/folder/y.ico")), 1));
    session.document().FileName.clear();
    prompts.answer(MessageAnswer::Yes);
    prompts.answer(MessageAnswer::OK);
    EXPECT_TRUE(session.ConfirmSaveChanges());
}

TEST_F(SessionFilesTest, AReadOnlyFolderKeepsTheOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "folder permissions do not bind the superuser";
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("locked")));
    const QString mine = writeTwoImageIcon(QStringLiteral("locked/mine.ico"));
    const QByteArray before = readFile(mine);
    session.OpenAExecute(true, mine);
    session.setModified(true);
    const QString locked = path(QStringLiteral("locked"));
    const QFileDevice::Permissions was = QFile::permissions(locked);
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    prompts.answer(MessageAnswer::OK);

    const SaveResult result = session.SaveAExecute(false);

    QFile::setPermissions(locked, was);
    EXPECT_EQ(result, SaveResult::Failed);
    EXPECT_EQ(readFile(mine), before);
    EXPECT_EQ(QDir(locked).entryList(QDir::Files), QStringList{QStringLiteral("mine.ico")});
    EXPECT_TRUE(session.document().Modified);
}

TEST_F(SessionFilesTest, PlainSaveLeavesTheRecentOrderAloneSaveAsChangesIt) {
    const QString a = writeTwoImageIcon(QStringLiteral("a.ico"));
    const QString b = writeTwoImageIcon(QStringLiteral("b.ico"));
    session.OpenAExecute(true, a);
    session.OpenAExecute(true, b);
    ASSERT_EQ(recentList(), (QStringList{b, a}));
    session.OpenAExecute(true, a);
    ASSERT_EQ(recentList(), (QStringList{a, b}));

    // The document now belongs to b; Ctrl+S saves it there.
    session.document().FileName = b;
    session.setModified(true);
    EXPECT_EQ(session.SaveAExecute(false), SaveResult::Saved);
    EXPECT_EQ(recentList(), (QStringList{a, b}));

    const QString c = path(QStringLiteral("c.ico"));
    prompts.saveFileAnswer(choose(c, 1));
    EXPECT_EQ(session.SaveAs1Click(), SaveResult::Saved);
    EXPECT_EQ(recentList(), (QStringList{c, a, b}));

    // A save from the "Save changes?" question counts as one from code.
    session.document().FileName = b;
    session.setModified(true);
    prompts.answer(MessageAnswer::Yes);
    EXPECT_FALSE(session.ConfirmSaveChanges());
    EXPECT_EQ(recentList(), (QStringList{b, c, a}));
}

// An icon has no hot spot of its own (its directory holds planes and bit
// count there): it shows at the top-left corner, as a new image's does, and
// saved as a cursor the icon gets the hot spot that was shown.
TEST_F(SessionFilesTest, AnIconsHotSpotIsTheTopLeftCornerUntilOneIsSet) {
    const QString file = writeTwoImageIcon(QStringLiteral("two.ico"));
    const QByteArray original = readFile(file);
    session.OpenAExecute(true, file);
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const IconImage& image = session.document().image(i);
        EXPECT_EQ(QPoint(image.HotSpotX, image.HotSpotY), QPoint(0, 0));
    }
    ASSERT_EQ(session.SaveAExecute(false), SaveResult::Saved);
    EXPECT_EQ(readFile(file), original) << "an unedited icon is written as it was";

    const QString cursor = path(QStringLiteral("two.cur"));
    prompts.saveFileAnswer(choose(cursor, 2));
    ASSERT_EQ(session.SaveAs1Click(), SaveResult::Saved);
    IconFileContents asCursor = LoadIconFile(cursor, session.transparency());
    EXPECT_EQ(asCursor.FileType, 2);
    for (const auto& image : asCursor.Images)
        EXPECT_EQ(QPoint(image->HotSpotX, image->HotSpotY), QPoint(0, 0));

    session.tools().setHotSpot(QPoint(5, 7));
    ASSERT_EQ(session.SaveAExecute(false), SaveResult::Saved);
    asCursor = LoadIconFile(cursor, session.transparency());
    EXPECT_EQ(QPoint(asCursor.Images[0]->HotSpotX, asCursor.Images[0]->HotSpotY), QPoint(5, 7));
}
