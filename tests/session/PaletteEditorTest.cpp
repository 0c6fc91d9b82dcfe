#include "session/PaletteEditor.h"
#include "ScriptedPrompter.h"
#include "SessionTestSupport.h"
#include "document/Bmp.h"
#include "document/DefaultPalette.h"
#include "document/PaletteFile.h"
#include "document/PaletteGrid.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

std::vector<TColor> ramp(int N, TColor Step) {
    std::vector<TColor> v;
    for (int i = 0; i < N; ++i)
        v.push_back((TColor(i) * Step) & 0xFFFFFFu);
    return v;
}

// The centre of the grid cell of entry Index.
QPoint cellOf(const PalettePicture& Palette, int Index) {
    return PaletteGrid::cellRect(PaletteGrid::layout(Palette.count()), Index).center();
}

class PaletteEditorTest : public ::testing::Test {
protected:
    QString path(const char* Name) const { return dir.filePath(QLatin1String(Name)); }
    FileChoice file(const QString& Name) const { return FileChoice{Name, 1}; }
    void writeBmp(const QString& Name, const QImage& Picture) const {
        QFile f(Name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(encodeBmp24(Picture));
    }

    QTemporaryDir dir;
    ScriptedPrompter prompts;
    PaletteEditor editor{prompts, testDataDir()};
};

// Saved and loaded again the palette is the same, under the name with
// ".icp" in place of whatever extension it was given.
TEST_F(PaletteEditorTest, SaveAndLoadRoundTrip) {
    const std::vector<TColor> colours = ramp(16, 0x0F1F2Fu);
    editor.FormShow(PalettePicture::fromEntries(colours));
    for (const char* typed : {"mine.bmp", "plain"}) {
        SCOPED_TRACE(typed);
        prompts.saveFileAnswer(file(path(typed)));
        editor.saveClick();
    }
    EXPECT_TRUE(QFileInfo::exists(path("mine.icp")));
    EXPECT_TRUE(QFileInfo::exists(path("plain.icp")));
    EXPECT_FALSE(QFileInfo::exists(path("mine.bmp")));
    EXPECT_TRUE(prompts.fileRequests.back().Filter.startsWith(
        QStringLiteral("Colors Palette (*.icp)|*.icp|")));

    editor.FormShow(PalettePicture::fromEntries(std::vector<TColor>(16, 0)));
    prompts.openFileAnswer(file(path("mine.icp")));
    editor.loadClick();
    EXPECT_EQ(editor.workingCopy().entries(), colours);
    EXPECT_EQ(editor.grid().height(), 120);
    EXPECT_TRUE(prompts.messages.empty());
}

// A palette file of another size, or no palette file at all, is refused and
// the working copy stays.
TEST_F(PaletteEditorTest, LoadRefusesAnotherSize) {
    writePaletteFile(path("sixteen.icp"), PalettePicture::fromEntries(ramp(16, 0x010101u)));
    QFile junk(path("junk.icp"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture");
    junk.close();
    const std::vector<TColor> working = ramp(256, 0x000103u);
    editor.FormShow(PalettePicture::fromEntries(working));

    prompts.openFileAnswer(file(path("sixteen.icp")));
    prompts.answer(MessageAnswer::OK);
    editor.loadClick();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].Text, QStringLiteral("Invalid colors palette."));
    EXPECT_EQ(prompts.messages[0].Kind, MessageKind::Error);
    EXPECT_EQ(prompts.messages[0].Buttons, mbOK);

    prompts.openFileAnswer(file(path("junk.icp")));
    prompts.answer(MessageAnswer::OK);
    editor.loadClick();
    EXPECT_TRUE(prompts.messages.back().Text.contains(QStringLiteral("junk.icp")));

    prompts.openFileAnswer(std::nullopt);
    editor.loadClick();
    EXPECT_EQ(editor.workingCopy().entries(), working);
}

// An existing file: No shows the dialog again, Cancel stops, Yes replaces.
TEST_F(PaletteEditorTest, OverwriteLoop) {
    const QString target = path("old.icp");
    writePaletteFile(target, PalettePicture::fromEntries({0x111111u, 0x222222u}));
    const QByteArray old = [&] {
        QFile f(target);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    const PalettePicture mine = PalettePicture::fromEntries({0xABCDEFu, 0x123456u});
    editor.FormShow(mine);
    const QString question =
        target + QStringLiteral(" already exists.\nDo you want to replace it?");

    prompts.saveFileAnswer(file(path("old.txt")));
    prompts.answer(MessageAnswer::No);
    prompts.saveFileAnswer(file(target));
    prompts.answer(MessageAnswer::Cancel);
    editor.saveClick();
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[0].Text, question);
    EXPECT_EQ(prompts.messages[0].Kind, MessageKind::Warning);
    EXPECT_EQ(prompts.messages[0].Buttons, mbYesNoCancel);
    EXPECT_EQ(readPaletteFile(target).entries(), (std::vector<TColor>{0x111111u, 0x222222u}));
    EXPECT_EQ(prompts.fileRequests[1].FileName, target) << "the dialog offers the name again";

    prompts.saveFileAnswer(file(target));
    prompts.answer(MessageAnswer::Yes);
    editor.saveClick();
    EXPECT_EQ(readPaletteFile(target).entries(), mine.entries());

    prompts.saveFileAnswer(std::nullopt);
    editor.saveClick();
    EXPECT_EQ(prompts.messages.size(), 3u);
}

// Pick mode: a click on the bitmap takes the colour shown there, a click on
// a cell puts it there and ends the mode; a second click on the bitmap ends
// it without a change. Outside pick mode a cell asks the colour dialog.
TEST_F(PaletteEditorTest, PickModeAndTheColourDialog) {
    const PalettePicture start = PalettePicture::fromEntries(ramp(16, 0x101010u));
    editor.FormShow(start);
    EXPECT_FALSE(editor.pickMode());

    editor.BitmapoMouseDown(0xFF3366u);
    EXPECT_TRUE(editor.pickMode());
    editor.ColorsBoxMouseDown(cellOf(start, 5));
    EXPECT_FALSE(editor.pickMode());
    EXPECT_EQ(editor.workingCopy().entry(5), 0xFF3366u);

    editor.BitmapoMouseDown(0x00FF00u);
    editor.BitmapoMouseDown(0x0000FFu);
    EXPECT_FALSE(editor.pickMode());
    prompts.colorAnswer(0x445566u);
    editor.ColorsBoxMouseDown(cellOf(start, 15));
    EXPECT_EQ(editor.workingCopy().entry(15), 0x445566u);
    prompts.colorAnswer(std::nullopt);
    editor.ColorsBoxMouseDown(cellOf(start, 0));
    EXPECT_EQ(editor.workingCopy().entry(0), start.entry(0));

    editor.BitmapoMouseDown(0x00FF00u);
    editor.FormShow(start);
    EXPECT_FALSE(editor.pickMode()) << "every showing starts outside pick mode";
}

// The standard colours of the working copy's size.
TEST_F(PaletteEditorTest, StandardColoursForEachSize) {
    for (ColourFormat f : {ColourFormat(1), ColourFormat(4), ColourFormat(8)}) {
        SCOPED_TRACE(int(f));
        editor.FormShow(PalettePicture::fromEntries(
            std::vector<TColor>(std::size_t(PaletteEntryCount(f)), 0x123456u)));
        editor.winClick();
        EXPECT_EQ(editor.workingCopy().entries(), DefaultPalette(f, testDataDir()).entries());
    }
}

// "Find Bitmap Colors" takes the loaded bitmap's first distinct colours;
// without a bitmap, or after a file that is no bitmap, nothing changes.
TEST_F(PaletteEditorTest, BitmapColoursFillTheLeadingEntries) {
    const std::vector<TColor> start = ramp(16, 0x0A0B0Cu);
    editor.FormShow(PalettePicture::fromEntries(start));
    editor.makeClick();
    EXPECT_EQ(editor.workingCopy().entries(), start);

    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(qRgb(1, 2, 3));
    picture.setPixel(1, 0, qRgb(200, 100, 50));
    writeBmp(path("two.bmp"), picture);
    prompts.openFileAnswer(file(path("two.bmp")));
    editor.bitClick();
    EXPECT_EQ(prompts.fileRequests.back().Filter, QStringLiteral("Bitmaps (*.bmp)|*.bmp"));

    QFile junk(path("junk.bmp"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("BM?");
    junk.close();
    prompts.openFileAnswer(file(path("junk.bmp")));
    prompts.answer(MessageAnswer::OK);
    editor.bitClick();
    EXPECT_EQ(editor.bitmap().size(), QSize(3, 2)) << "the bitmap loaded before stays";

    editor.makeClick();
    std::vector<TColor> expected = start;
    expected[0] = 0x030201u;
    expected[1] = 0x3264C8u;
    EXPECT_EQ(editor.workingCopy().entries(), expected);

    editor.FormHide();
    EXPECT_EQ(editor.bitmap().size(), QSize(3, 2)) << "and stays for the next showing";
}

} // namespace

namespace {
std::vector<std::uint8_t> fileBytes(const QString& Name) {
    QFile f(Name);
    f.open(QIODevice::ReadOnly);
    const QByteArray b = f.readAll();
    return std::vector<std::uint8_t>(b.begin(), b.end());
}
} // namespace

// The palettes of other programs: each kind loads into a working copy of
// any size, cut or filled with black, and the user is told which.
TEST_F(PaletteEditorTest, LoadsOtherProgramsPalettesOfAnyLength) {
    const struct {
        PaletteFileKind Kind;
        const char* Name;
    } kinds[] = {{PaletteFileKind::Gimp, "p.gpl"},
                 {PaletteFileKind::Jasc, "p.pal"},
                 {PaletteFileKind::Riff, "p.pal"},
                 {PaletteFileKind::Act, "p.act"}};
    const struct {
        int Colours, Working;
        const char* Note;
    } lengths[] = {
        {3, 16, "The palette has 3 colors; the other 13 are black."},
        {256, 16, "The palette has 256 colors; the first 16 are used."},
        {2, 2, nullptr},
    };
    for (const auto& k : kinds)
        for (const auto& l : lengths) {
            SCOPED_TRACE(std::string(k.Name) + " " + std::to_string(int(k.Kind)) + " of " +
                         std::to_string(l.Colours));
            const std::vector<TColor> colours = ramp(l.Colours, 0x030507u);
            const std::vector<std::uint8_t> bytes = EncodePaletteFile(k.Kind, colours);
            QFile f(path(k.Name));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
            f.close();
            editor.FormShow(PalettePicture::fromEntries(ramp(l.Working, 0x111111u)));
            prompts.messages.clear();
            prompts.openFileAnswer(file(path(k.Name)));
            if (l.Note) prompts.answer(MessageAnswer::OK);
            editor.loadClick();
            std::vector<TColor> want = colours;
            want.resize(std::size_t(l.Working), 0);
            EXPECT_EQ(editor.workingCopy().entries(), want);
            if (l.Note) {
                ASSERT_EQ(prompts.messages.size(), 1u);
                EXPECT_EQ(prompts.messages[0].Text, QLatin1String(l.Note));
                EXPECT_EQ(prompts.messages[0].Kind, MessageKind::Information);
            } else {
                EXPECT_TRUE(prompts.messages.empty());
            }
        }
    // A damaged one is refused with its reason and the working copy stays.
    QFile bad(path("bad.gpl"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("GIMP Palette\n1 2\n");
    bad.close();
    const std::vector<TColor> working = ramp(16, 0x010101u);
    editor.FormShow(PalettePicture::fromEntries(working));
    prompts.openFileAnswer(file(path("bad.gpl")));
    prompts.answer(MessageAnswer::OK);
    editor.loadClick();
    EXPECT_TRUE(prompts.messages.back().Text.contains(QStringLiteral("line 2")));
    EXPECT_EQ(prompts.messages.back().Kind, MessageKind::Error);
    EXPECT_EQ(editor.workingCopy().entries(), working);
}

// The kind saved follows the filter chosen, or an extension of ours typed
// in the name; the name gets the kind's extension otherwise.
TEST_F(PaletteEditorTest, SavesTheKindChosen) {
    const std::vector<TColor> colours = ramp(16, 0x0A0B0Cu);
    editor.FormShow(PalettePicture::fromEntries(colours));
    const struct {
        const char* Typed;
        int Filter;
        const char* Written;
        PaletteFileKind Kind;
    } cases[] = {
        {"a", 1, "a.icp", PaletteFileKind::Icp},      {"b.txt", 2, "b.gpl", PaletteFileKind::Gimp},
        {"c", 3, "c.pal", PaletteFileKind::Jasc},     {"d", 4, "d.pal", PaletteFileKind::Riff},
        {"e.bmp", 5, "e.act", PaletteFileKind::Act},  {"f.gpl", 1, "f.gpl", PaletteFileKind::Gimp},
        {"g.PAL", 1, "g.PAL", PaletteFileKind::Jasc}, {"h.pal", 4, "h.pal", PaletteFileKind::Riff},
        {"i.act", 2, "i.act", PaletteFileKind::Act},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Typed);
        prompts.saveFileAnswer(FileChoice{path(c.Typed), c.Filter});
        editor.saveClick();
        const std::vector<std::uint8_t> bytes = fileBytes(path(c.Written));
        ASSERT_FALSE(bytes.empty());
        const PaletteFileContents back = DecodePaletteFile(bytes.data(), bytes.size(), c.Written);
        EXPECT_EQ(back.Kind, c.Kind);
        EXPECT_EQ(back.Colours, colours);
    }
    EXPECT_TRUE(prompts.messages.empty());
}
